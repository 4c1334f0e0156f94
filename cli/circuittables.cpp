#include "cli/circuittables.h"

#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "cli/options.h"
#include "cli/tablewriter.h"
#include "design/circuitbalance.h"
#include "design/circuittexts.h"
#include "design/sizing.h"
#include "design/velocitylimits.h"

#include <algorithm>
#include <cmath>

namespace vendrel::cli {
namespace {

// The 平衡 table: each section that throttles at least 1 % of the pump
// head or needs balancing, with its valve's Kv and its orifice plate.
void WriteBalanceText(
    const files::CircuitTable& table, const design::CircuitResult& result, double maxImbalance, std::FILE* out)
{
    std::vector<std::vector<std::string>> cells;
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        const design::SectionResult& r = result.sections[s];
        if (!r.balance.throttles)
            continue;
        design::BalanceTexts t = design::BalanceTextsOf(r);
        cells.push_back(
            {table.sections[s].id, r.fields.m_strFlow, r.nominal, r.fields.m_strDiameter, std::move(t.excess),
                std::move(t.level), std::move(t.kv), std::move(t.orifice), r.balance.needed ? "是" : ""});
    }
    std::fprintf(out, "\n平衡\n");
    if (cells.empty()) {
        std::fprintf(out, "%s\n", design::kNothingToBalanceNote);
        return;
    }
    std::vector<std::vector<std::string_view>> rows = {{"管段", "流量(m³/h)", "公称直径", "内径(mm)", "富余压头(kPa)",
        "节流比例(%)", "所需Kv", "孔板孔径(mm)", "须调节"}};
    for (const auto& row : cells)
        rows.emplace_back(row.begin(), row.end());
    WriteAligned(out, rows);
    if (const std::string count = design::SectionsToBalanceText(result, maxImbalance); !count.empty())
        std::fprintf(out, "%s\n", count.c_str());
    std::fprintf(out, "%s\n", design::kBalanceNotes);
}

} // namespace

void WriteCircuitText(const std::string& file, const Options& options, const files::CircuitTable& table,
    const design::CircuitResult& result, std::FILE* out)
{
    std::fprintf(out, "管路水力计算 %s\n", file.c_str());
    std::string project;
    for (const files::ProjectLine& line : table.project) {
        if (!line.value.empty())
            project += (project.empty() ? "" : "，") + std::string(files::ProjectFieldTitle(line.field)) + "："
                + line.value;
    }
    if (!project.empty())
        std::fprintf(out, "%s\n", project.c_str());
    const std::string deltaT = options.deltaT > 0 ? "，供回水温差 " + ShortestText(options.deltaT) + " °C" : "";
    std::fprintf(out, "管道系列 %s (%s)，%s粗糙度 K %s mm，%s运动粘滞系数 %s ×10⁻⁶ m²/s，密度 %s kg/m³%s\n",
        options.series->name.c_str(), options.series->key.c_str(),
        options.material != nullptr ? ("管材 " + options.material->name + "，").c_str() : "", options.roughness.c_str(),
        FluidHeading(options).c_str(), options.viscosity.c_str(), FixedText(options.density, 1).c_str(),
        deltaT.c_str());
    std::fprintf(out, "限值：比摩阻不超过 %s Pa/m，%s\n\n", ShortestText(options.maxRate).c_str(),
        design::VelocityLimitsText(*options.series, options.seriesPlastic, options.maxVelocity).c_str());

    std::vector<std::vector<std::string>> cells;
    bool derived = false;
    bool ofLoads = false;
    bool sized = false;
    bool colebrook = false;
    bool over = false;
    // A column for the valves' losses where some section has a valve's Kv.
    const bool valves = std::any_of(table.sections.begin(), table.sections.end(),
        [](const design::CircuitSection& section) { return section.kv.has_value(); });
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        const design::SectionResult& r = result.sections[s];
        const design::CircuitSection& in = table.sections[s];
        derived = derived || r.flowDerived;
        ofLoads = ofLoads || r.flowFromLoad;
        sized = sized || r.sized;
        colebrook = colebrook || r.outcome.zone == CalculationOutcome::Zone::ColebrookWhite;
        design::SectionTexts t = design::SectionTextsOf(r);
        over = over || r.OverLimits();
        cells.push_back({in.id, in.from, in.to,
            r.fields.m_strFlow
                + (r.flowDerived         ? "*"
                        : r.flowFromLoad ? "#"
                                         : ""),
            r.nominal + (r.sized ? "*" : ""), r.fields.m_strDiameter, ShortestText(in.length),
            std::move(t.velocity) + (r.overVelocity ? "!" : ""), std::move(t.frictionRate),
            std::move(t.pascalsPerMetre) + (r.overRate ? "!" : ""),
            r.problem.Empty() ? std::string(ZoneName(r.outcome.zone)) : "", std::move(t.friction), std::move(t.zeta),
            std::move(t.local), std::move(t.device), std::move(t.total), r.onIndex ? "是" : ""});
        if (valves)
            cells.back().insert(cells.back().end() - 2, design::PascalsTenthsText(r.valveLoss));
    }
    std::vector<std::vector<std::string_view>> rows = {{"管段", "起点", "终点", "流量(m³/h)", "公称直径", "内径(mm)",
        "长度(m)", "流速(m/s)", design::FrictionRateTitle(result.water), "比摩阻(Pa/m)", "流区", "沿程阻力(Pa)", "Σζ",
        "局部阻力(Pa)", "设备阻力(Pa)", "总阻力(Pa)", "最不利环路"}};
    if (valves)
        rows[0].insert(rows[0].end() - 2, "阀门阻力(Pa)");
    for (const auto& row : cells)
        rows.emplace_back(row.begin(), row.end());
    WriteAligned(out, rows);
    if (derived)
        std::fprintf(out, "%s\n", design::kDerivedFlowNote);
    if (ofLoads)
        std::fprintf(out, "%s\n", design::kLoadFlowNote);
    if (sized)
        std::fprintf(out, "%s\n", design::kSizedNote);
    if (colebrook)
        std::fprintf(out, "%s\n", kColebrookWhiteNote);
    if (over)
        std::fprintf(out, "%s\n", design::kOverLimitsNote);

    std::vector<std::vector<std::string>> pathCells;
    for (const design::CircuitPath& path : result.paths)
        pathCells.push_back({design::PathName(path, result, table.sections), path.leaves, path.rejoins,
            design::KilopascalsText(path.total), design::PercentText(path.imbalance),
            design::PathNote(path, options.maxImbalance)});
    std::vector<std::vector<std::string_view>> pathRows
        = {{"环路", "分流点", "汇流点", "总阻力(kPa)", "不平衡率(%)", ""}};
    for (const auto& row : pathCells)
        pathRows.emplace_back(row.begin(), row.end());
    std::fprintf(out, "\n");
    WriteAligned(out, pathRows);
    if (!result.allPathsListed)
        std::fprintf(out, "（环路多于 %zu 条，未全部列出）\n", design::kMaxListedPaths);
    std::fprintf(out, "\n");
    if (std::isnan(result.indexTotal)) {
        std::fprintf(out, "%s\n", design::kNoIndexNote);
        return;
    }
    std::fprintf(out, "%s\n%s\n", design::IndexCircuitText(result, table.sections).c_str(),
        design::PumpHeadText(result, options.headMargin).c_str());
    WriteBalanceText(table, result, options.maxImbalance, out);
}

void WriteCircuitCsv(
    const Options& options, const files::CircuitTable& table, const design::CircuitResult& result, std::FILE* out)
{
    CsvWriter csv(out, options.bom);
    if (options.paths) {
        csv.Row({"path", "total_loss", "imbalance", "index", "leaves", "rejoins"});
        for (const design::CircuitPath& path : result.paths) {
            csv.Row({design::PathText(design::SectionsOf(path, result.indexPath), table.sections),
                design::PascalsTenthsText(path.total), design::PercentText(path.imbalance), path.index ? "yes" : "no",
                path.leaves, path.rejoins});
        }
        return;
    }
    std::vector<std::string_view> header(table.header.begin(), table.header.end());
    for (const char* name : {"flow", "nominal", "inner_diameter", "velocity", "friction_rate", "pascals_per_metre",
             "zone", "friction_loss", "zeta_total", "local_loss", "device_loss", "total_loss", "on_index", "viscosity",
             "density", "over_limits", "valve_loss", "excess_pressure", "balance_level", "kv_required",
             "orifice_diameter", "needs_balancing", "orifice_approximate", "orifice_impractical"})
        header.push_back(name);
    csv.Row(header);
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        const design::SectionResult& r = result.sections[s];
        const design::SectionTexts t = design::SectionTextsOf(r);
        // The water each row used, as the heading names the circuit's.
        const std::string density = std::isnan(r.density) ? std::string() : FixedText(r.density, 1);
        const design::SectionBalance& b = r.balance;
        const design::Throttle throttle = design::ThrottleOf(r);
        const bool balanced = !std::isnan(b.excess);
        const bool orifice = !std::isnan(throttle.orifice);
        const std::string balance[] = {design::PascalsTenthsText(r.valveLoss), design::PascalsTenthsText(b.excess),
            design::PercentText(b.level), design::SignificantText(throttle.kv, 3),
            orifice ? FixedText(throttle.orifice, 1) : std::string(), balanced ? (b.needed ? "yes" : "no") : "",
            orifice ? (throttle.approximate ? "yes" : "no") : "", orifice ? (throttle.impractical ? "yes" : "no") : ""};
        std::vector<std::string_view> row(table.cells[s].begin(), table.cells[s].end());
        for (const std::string_view cell : {std::string_view(r.fields.m_strFlow), std::string_view(r.nominal),
                 std::string_view(r.fields.m_strDiameter), std::string_view(t.velocity),
                 std::string_view(t.frictionRate), std::string_view(t.pascalsPerMetre),
                 r.problem.Empty() ? ZoneKey(r.outcome.zone) : std::string_view(), std::string_view(t.friction),
                 std::string_view(t.zeta), std::string_view(t.local), std::string_view(t.device),
                 std::string_view(t.total), std::string_view(r.onIndex ? "yes" : "no"),
                 std::string_view(r.fields.m_strViscosity), std::string_view(density),
                 std::string_view(r.OverLimits() ? "yes" : "no")})
            row.push_back(cell);
        row.insert(row.end(), std::begin(balance), std::end(balance));
        csv.Row(row);
    }
}

} // namespace vendrel::cli
