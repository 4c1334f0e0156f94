#include "ui/form/entryaids.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "design/sizing.h"
#include "design/water.h"

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

int MaterialCount()
{
    return design::Materials().size();
}

std::string MaterialItemText(int material)
{
    const design::Material& row = design::Materials()[material];
    return std::string(row.name) + "  K=" + row.roughness + " mm";
}

std::string MaterialRoughness(int material)
{
    return design::Materials()[material].roughness;
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
        result.error = "水温须为0～100℃之间的数（常压下的液态水）。";
    return result;
}

int SeriesCount()
{
    return design::AllPipeSeries().size();
}

const design::PipeSeries& SeriesAt(int index)
{
    return design::AllPipeSeries()[index];
}

SizeTable SizeTableFor(const FrictionFields& inputs, const design::PipeSeries& series, std::optional<double> celsius)
{
    SizeTable table;
    const std::pair<const std::string&, const char*> needed[] = {{inputs.m_strFlow, labels::kFlow},
        {inputs.m_strRoughness, labels::kRoughness}, {inputs.m_strViscosity, labels::kViscosity}};
    for (const auto& [text, label] : needed) {
        if (!Usable(text)) {
            table.error = std::string("请先在“") + label + "”中输入不小于0.000001的数。";
            return table;
        }
    }

    const double density = design::WaterDensity(celsius.value_or(10));
    std::vector<design::SizeChoice> sizes;
    for (const design::PipeSize& size : series)
        sizes.push_back({size.nominal, size.Inside()});
    design::SizingLimits limits;
    limits.maxPascalsPerMetre = kMaxPascalsPerMetre;
    const design::Sizing sizing
        = design::SizeForFlow(sizes, inputs.m_strFlow, inputs.m_strRoughness, inputs.m_strViscosity, density, limits);

    for (const design::SizedPipe& pipe : sizing.pipes) {
        table.rows.push_back({pipe.nominal, pipe.diameter, pipe.fields.m_strVelocity, pipe.fields.m_strFrictionRate,
            pipe.pascals, std::string(ZoneName(pipe.outcome.zone))});
        table.diameters.push_back(pipe.diameter);
    }
    table.recommended = sizing.recommended;
    table.inputs = "流量 " + inputs.m_strFlow + " m³/h，粗糙度 K " + inputs.m_strRoughness + " mm，运动粘滞系数 "
        + inputs.m_strViscosity + "×10^-6 m^2/s\n"
        + (celsius ? "水温 " + ShortestText(*celsius) + " ℃，密度 " : std::string("密度按 10 ℃ 水取 "))
        + FixedText(density, 1) + " kg/m³\n";
    table.inputs += table.recommended >= 0 ? "推荐：比摩阻不超过 " + ShortestText(kMaxPascalsPerMetre)
            + " Pa/m 的最小管径 " + table.rows[table.recommended][0]
                                           : "各管径的比摩阻均超过 " + ShortestText(kMaxPascalsPerMetre) + " Pa/m";
    return table;
}

} // namespace vendrel::form
