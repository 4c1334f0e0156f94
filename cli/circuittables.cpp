#include "cli/circuittables.h"

#include "book/circuittables.h"
#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "cli/options.h"
#include "cli/tablewriter.h"
#include "design/circuitbalance.h"
#include "design/circuittexts.h"
#include "design/sizing.h"
#include "design/velocitylimits.h"

#include <cmath>

namespace vendrel::cli {
namespace {

// A book table as aligned text, with its notes under it.
void WriteTable(const book::BookTable& table, std::FILE* out)
{
    std::vector<std::vector<std::string>> cells;
    cells.reserve(table.rows.size());
    for (const book::BookRow& row : table.rows) {
        std::vector<std::string>& shown = cells.emplace_back();
        for (const book::BookCell& cell : row.cells)
            shown.push_back(cell.Shown());
    }
    std::vector<std::vector<std::string_view>> rows(1, {table.headings.begin(), table.headings.end()});
    for (const auto& row : cells)
        rows.emplace_back(row.begin(), row.end());
    WriteAligned(out, rows);
    for (const std::string& note : table.notes)
        std::fprintf(out, "%s\n", note.c_str());
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

    WriteTable(book::SectionTable(table, result), out);
    std::fprintf(out, "\n");
    WriteTable(book::PathTable(table, result, options.maxImbalance), out);
    std::fprintf(out, "\n");
    if (std::isnan(result.indexTotal)) {
        std::fprintf(out, "%s\n", design::kNoIndexNote);
        return;
    }
    std::fprintf(out, "%s\n%s\n", design::IndexCircuitText(result, table.sections).c_str(),
        design::PumpHeadText(result, options.headMargin).c_str());
    std::fprintf(out, "\n平衡\n");
    const book::BookTable balance = book::BalanceTable(table, result, options.maxImbalance);
    if (balance.rows.empty()) {
        for (const std::string& note : balance.notes)
            std::fprintf(out, "%s\n", note.c_str());
    } else {
        WriteTable(balance, out);
    }
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
