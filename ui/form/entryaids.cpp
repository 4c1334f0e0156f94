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
        return EntryAid::Fluid;
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

FluidAid FluidAidFor(int fluid, std::string_view concentration, std::string_view celsius)
{
    using messages::Message;
    using messages::MessageId;
    FluidAid aid;
    aid.at.fluid.kind
        = static_cast<design::FluidKind>(std::clamp(fluid, 0, static_cast<int>(kFluidChoices.size()) - 1));
    const bool water = aid.at.fluid.kind == design::FluidKind::Water;
    if (!water
        && !(ParseWholeNumber(concentration, aid.at.fluid.massPercent) && aid.at.fluid.massPercent >= 0
            && aid.at.fluid.massPercent <= design::kMaxGlycolPercent)) {
        aid.error = WindowText(Message(MessageId::ConcentrationAid));
        aid.wrong = IDC_CONCENTRATION;
        return aid;
    }
    if (!ParseWholeNumber(celsius, aid.at.celsius)) {
        aid.error = WindowText(Message(water ? MessageId::TemperatureAid : MessageId::BrineTemperatureAid));
        return aid;
    }
    Message problem;
    Message warning;
    const std::optional<design::FluidProperties> properties
        = design::PropertiesAt(aid.at.fluid, aid.at.celsius, problem, &warning);
    if (!properties) {
        aid.error = water ? WindowText(Message(MessageId::TemperatureAid)) : WindowText(problem);
        return aid;
    }
    aid.viscosity = design::ViscosityText(*properties);
    aid.properties = "运动粘滞系数 " + aid.viscosity + "×10^-6 m^2/s，密度 " + FixedText(properties->density, 1)
        + " kg/m³\n比热 " + FixedText(properties->specificHeat, 3) + " kJ/(kg·K)，冰点 "
        + FixedText(properties->freezingPoint, 1) + " ℃";
    if (!warning.Empty())
        aid.properties += "\n" + WindowText(warning);
    return aid;
}

SizeTable SizeTableFor(const FrictionFields& inputs, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, const std::optional<FluidAt>& fluid)
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
    messages::Message unused;
    const FluidAt at = fluid.value_or(FluidAt());
    table.water = at.fluid.kind == design::FluidKind::Water;
    const std::optional<design::FluidProperties> properties = design::PropertiesAt(at.fluid, at.celsius, unused);
    const double density = properties ? properties->density : design::WaterDensity(design::kDefaultCelsius);
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
        + (!fluid ? std::string("密度按 10 ℃ 水取 ")
                : fluid->fluid.kind == design::FluidKind::Water
                ? "水温 " + ShortestText(fluid->celsius) + " ℃，密度 "
                : design::FluidTitle(fluid->fluid) + " " + ShortestText(fluid->celsius) + " ℃，密度 ")
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
