#include "ui/form/frictiondlgbase.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "design/materials.h"
#include "files/platform.h"
#include "ui/form/frictionform.h"
#include "ui/form/windowtext.h"

#include <algorithm>
#include <optional>

namespace vendrel::form {
namespace {

constexpr char kSeriesSetting[] = "series"; // the key of the series last chosen

} // namespace

FrictionDlgBase::FrictionDlgBase()
    : m_library(files::LoadUserLibrary(files::UserDataFolder()))
{ }

std::string FrictionDlgBase::LibraryWarnings() const
{
    if (m_library.warnings.empty())
        return {};
    std::string text = kLibraryWarning;
    for (const messages::Message& warning : m_library.warnings)
        text += "\n" + WindowText(warning);
    return text;
}

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

FluidAid FrictionDlgBase::ApplyFluid(int fluid, std::string_view concentration, std::string_view celsius)
{
    FluidAid aid = FluidAidFor(fluid, concentration, celsius);
    if (aid.error.empty()) {
        SetEntry(IDC_VISCOSITY, aid.viscosity);
        m_aidViscosity = aid.viscosity;
        m_aidFluid = aid.at;
        CalculateWhenComplete();
    }
    return aid;
}

void FrictionDlgBase::ApplyMaterial(int material)
{
    SetEntry(IDC_ROUGHNESS, m_library.materials[material].roughness);
    CalculateWhenComplete();
}

void FrictionDlgBase::CalculateWhenComplete()
{
    const auto blank = [this](ControlId id) { return ControlText(id).find_first_not_of(" \t") == std::string::npos; };
    if (!blank(IDC_FLOW) && !blank(IDC_DIAMETER))
        CalculateFields();
}

int FrictionDlgBase::LastSeries() const
{
    return std::max(0, m_library.series.IndexOf(Setting(kSeriesSetting)));
}

SizeTable FrictionDlgBase::UseSeriesRoughness(int series)
{
    const design::Material* material = m_library.materials.Find(m_library.series[series].material);
    if (material != nullptr)
        SetEntry(IDC_ROUGHNESS, material->roughness);
    return StandardSizes(series);
}

SizeTable FrictionDlgBase::StandardSizes(int series)
{
    const design::PipeSeries& chosen = m_library.series[series];
    if (Setting(kSeriesSetting) != chosen.key)
        SaveSetting(kSeriesSetting, chosen.key);
    FrictionFields inputs;
    SetInputs(inputs, ControlText(IDC_FLOW), ControlText(IDC_DIAMETER), ControlText(IDC_ROUGHNESS),
        ControlText(IDC_VISCOSITY));
    // The fluid is known by the viscosity: the one the aid wrote, or the
    // default, which is that of water at 10 °C.
    std::optional<FluidAt> fluid;
    if (inputs.m_strViscosity == m_aidViscosity)
        fluid = m_aidFluid;
    else if (inputs.m_strViscosity == labels::kDefaultViscosity)
        fluid = FluidAt();
    return SizeTableFor(inputs, chosen, m_library.materials, fluid);
}

void FrictionDlgBase::ApplyStandardSize(const std::string& diameter)
{
    SetEntry(IDC_DIAMETER, diameter);
    CalculateFields();
}

} // namespace vendrel::form
