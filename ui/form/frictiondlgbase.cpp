#include "ui/form/frictiondlgbase.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "ui/form/frictionform.h"

namespace vendrel::form {

void FrictionDlgBase::UpdateData(bool saveAndValidate)
{
    DoDataExchange(saveAndValidate);
}

void FrictionDlgBase::DoDataExchange(bool saveAndValidate)
{
    for (const FieldBinding& binding : kFieldBindings) {
        std::string& text = m_fields.*binding.member;
        if (saveAndValidate)
            text = ControlText(binding.id);
        else if (ControlText(binding.id) != text)
            SetControlText(binding.id, text);
    }
}

void FrictionDlgBase::InitFields()
{
    m_fields.m_strViscosity = labels::kDefaultViscosity;
    m_fields.m_strRoughness = labels::kDefaultRoughness;
    UpdateData(false);
}

void FrictionDlgBase::CalculateFields()
{
    UpdateData(true);
    Calculate(m_fields);
    UpdateData(false);
}

} // namespace vendrel::form
