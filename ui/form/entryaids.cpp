#include "ui/form/entryaids.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "design/sizing.h"
#include "design/velocitylimits.h"
#include "design/water.h"
#include "ui/form/windowtext.h"

#include <algorithm>

namespace vendrel::form {
namespace {

// The size window recommends as vendrel-calc --size does by default.
constexpr double kMaxPascalsPerMetre = 300;

bool Usable(const std::string& text)
{
    return IsAcceptedInput(ParseNumber(text));
}

} // namespace

EntryAid AidFor(ControlId entry)
{
    switch (entry) {
    case IDC_VISCOSITY:
        return EntryAid::WaterTemperature;
    case IDC_ROUGHNESS:
        return EntryAid::Materials;
    case IDC_DIAMETER:
        return EntryAid::StandardSize;
    default:
        return EntryAid::None;
    }
}

std::string MaterialItemText(const design::MaterialCatalog& materials, int material)
{
    const design::Material& row = materials[material];
    return row.name + "  K=" + row.roughness + " mm";
}

WaterTemperature ViscosityForTemperature(std::string_view celsiusText)
{
    WaterTemperature result;
    std::optional<std::string> viscosity;
    if (ParseWholeNumber(celsiusText, result.celsius))
        viscosity = design::KinematicViscosityText(result.celsius);
    if (viscosity)
        result.viscosity = *viscosity;
    else
        result.error = WindowText(messages::Message(messages::MessageId::TemperatureAid));
    return result;
}

SizeTable SizeTableFor(const FrictionFields& inputs, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, std::optional<double> celsius)
{
    SizeTable table;
    const std::pair<const std::string&, const char*> needed[] = {{inputs.m_strFlow, labels::kFlow},
        {inputs.m_strRoughness, labels::kRoughness}, {inputs.m_strViscosity, labels::kViscosity}};
    for (const auto& [text, label] : needed) {
        if (!Usable(text)) {
            table.error = WindowText(messages::Message(messages::MessageId::TypeNumberFirst, {{"label", label}}));
            return table;
        }
    }

    const design::Material* material = materials.Find(series.material);
    const bool plastic = material != nullptr && material->plastic;
    const double density = design::WaterDensity(celsius.value_or(10));
    design::SizingLimits limits;
    limits.maxPascalsPerMetre = kMaxPascalsPerMetre;
    const design::Sizing sizing = design::SizeForFlow(design::SizeChoices(series, plastic, std::nullopt),
        inputs.m_strFlow, inputs.m_strRoughness, inputs.m_strViscosity, density, limits);

    for (const design::SizedPipe& pipe : sizing.pipes) {
        table.rows.push_back({pipe.nominal, pipe.diameter, pipe.fields.m_strVelocity, pipe.fields.m_strFrictionRate,
            pipe.pascals, design::ZoneColumnText(pipe)});
        table.diameters.push_back(pipe.diameter);
    }
    table.recommended = sizing.recommended;
    table.inputs = "流量 " + inputs.m_strFlow + " m³/h，粗糙度 K " + inputs.m_strRoughness + " mm，运动粘滞系数 "
        + inputs.m_strViscosity + "×10^-6 m^2/s\n"
        + (celsius ? "水温 " + ShortestText(*celsius) + " ℃，密度 " : std::string("密度按 10 ℃ 水取 "))
        + FixedText(density, 1) + " kg/m³\n" + "比摩阻不超过 " + ShortestText(kMaxPascalsPerMetre) + " Pa/m，"
        + design::VelocityLimitsText(series, plastic, std::nullopt);
    table.notes = table.recommended >= 0 ? "推荐：比摩阻和流速都在限值内的最小管径 " + table.rows[table.recommended][0]
                                         : std::string("各管径的比摩阻或流速均超过限值");
    const auto any = [&](auto&& what) { return std::any_of(sizing.pipes.begin(), sizing.pipes.end(), what); };
    if (any([](const design::SizedPipe& p) { return p.outcome.zone == CalculationOutcome::Zone::ColebrookWhite; }))
        table.notes += std::string("\n") + kColebrookWhiteNote;
    if (any([](const design::SizedPipe& p) { return p.exceededAtLowerFlow; }))
        table.notes += std::string("\n") + design::kExceededAtLowerFlowNote;
    // The K typed holds; where it is no K of the series' pipe, the window
    // says so and offers the series' own.
    if (material != nullptr) {
        table.materialNote = "此系列管材：" + material->name + "，K " + material->roughness + " mm";
        if (!materials.FamilyHasRoughness(material->family, ParseNumber(inputs.m_strRoughness))) {
            table.materialNote += "；列表按计算器中的 K " + inputs.m_strRoughness + " mm";
            table.seriesRoughness = material->roughness;
            table.roughnessButton = "改用 K=" + material->roughness + "(&K)";
        }
    }
    return table;
}

} // namespace vendrel::form
