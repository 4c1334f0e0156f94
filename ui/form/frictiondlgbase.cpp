#include "ui/form/frictiondlgbase.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "ui/form/frictionform.h"

#include <optional>

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

void FrictionDlgBase::SetEntry(ControlId id, const std::string& text)
{
    if (ControlText(id) != text)
        ReplaceEntryText(id, text);
}

WaterTemperature FrictionDlgBase::ApplyWaterTemperature(std::string_view celsiusText)
{
    WaterTemperature water = ViscosityForTemperature(celsiusText);
    if (water.error.empty()) {
        SetEntry(IDC_VISCOSITY, water.viscosity);
        m_temperatureViscosity = water.viscosity;
        m_waterCelsius = water.celsius;
    }
    return water;
}

void FrictionDlgBase::ApplyMaterial(int material)
{
    SetEntry(IDC_ROUGHNESS, MaterialRoughness(material));
}

SizeTable FrictionDlgBase::StandardSizes(int series) const
{
    FrictionFields inputs;
    SetInputs(inputs, ControlText(IDC_FLOW), ControlText(IDC_DIAMETER), ControlText(IDC_ROUGHNESS),
        ControlText(IDC_VISCOSITY));
    // The water is known by the viscosity: the one a temperature wrote, or
    // the default, which is that of water at 10 °C.
    std::optional<double> celsius;
    if (inputs.m_strViscosity == m_temperatureViscosity)
        celsius = m_waterCelsius;
    else if (inputs.m_strViscosity == labels::kDefaultViscosity)
        celsius = 10;
    return SizeTableFor(inputs, SeriesAt(series), celsius);
}

void FrictionDlgBase::ApplyStandardSize(const std::string& diameter)
{
    SetEntry(IDC_DIAMETER, diameter);
    CalculateFields();
}

} // namespace vendrel::form
