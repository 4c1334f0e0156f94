#include "cli/sizelist.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "cli/exitcodes.h"
#include "cli/messageout.h"
#include "cli/options.h"
#include "cli/strictcalculation.h"
#include "cli/tablewriter.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "design/sizing.h"
#include "design/velocitylimits.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vendrel::cli {
namespace {

constexpr char kRecommended[] = "*";

// The footnotes a size list needs: a λ from Colebrook–White alone, a size
// whose loss passed the limit at a smaller flow.
void WriteNotes(std::FILE* out, const design::Sizing& sizing)
{
    const auto any = [&](auto&& what) { return std::any_of(sizing.pipes.begin(), sizing.pipes.end(), what); };
    if (any([](const design::SizedPipe& pipe) {
            return pipe.outcome.zone == CalculationOutcome::Zone::ColebrookWhite;
        }))
        std::fprintf(out, "%s\n", kColebrookWhiteNote);
    if (any([](const design::SizedPipe& pipe) { return pipe.exceededAtLowerFlow; }))
        std::fprintf(out, "%s\n", design::kExceededAtLowerFlowNote);
}

std::string SizeName(std::string_view nominal, std::string_view diameter)
{
    return std::string(nominal) + " (" + std::string(diameter) + " mm)";
}

// Sizing cannot start from an input it cannot calculate with: a usage error.
int ReportProblems(
    const std::vector<messages::Message>& problems, messages::Language language, std::FILE* err, int status)
{
    for (const messages::Message& problem : problems)
        Say(err, problem, language);
    return problems.empty() ? kExitSuccess : status;
}

// The series, what the roughness is of and the water, as a list's heading.
void WriteHeading(const Options& options, const std::string& first, std::FILE* out)
{
    std::fprintf(out, "%s (%s)\n", options.series->name.c_str(), options.series->key.c_str());
    const std::string material = options.material != nullptr ? "管材 " + options.material->name + "，" : "";
    std::fprintf(out, "%s，%s粗糙度 K %s mm，%s运动粘滞系数 %s ×10⁻⁶ m²/s，密度 %s kg/m³\n", first.c_str(),
        material.c_str(), options.roughness.c_str(), FluidHeading(options).c_str(), options.viscosity.c_str(),
        FixedText(options.density, 1).c_str());
}

} // namespace

int RunSizeList(const Options& options, std::FILE* out, std::FILE* err)
{
    if (!options.problems.empty())
        return ReportProblems(options.problems, options.language, err, kExitUsage);
    const std::vector<design::SizeChoice> sizes
        = design::SizeChoices(*options.series, options.seriesPlastic, options.maxVelocity);
    design::SizingLimits limits;
    limits.maxPascalsPerMetre = options.maxRate;
    const design::Sizing sizing
        = design::SizeForFlow(sizes, options.flow, options.roughness, options.viscosity, options.density, limits);
    std::vector<messages::Message> problems;
    for (const design::SizedPipe& pipe : sizing.pipes) {
        std::vector<messages::Message> own;
        ReportOutcome(pipe.outcome, own);
        for (messages::Message& problem : own)
            problems.push_back(messages::Named(SizeName(pipe.nominal, pipe.diameter), std::move(problem)));
    }

    if (options.csv) {
        CsvWriter csv(out, options.bom);
        csv.Row({"nominal", "inner_diameter", "velocity", "friction_rate", "friction_rate_pa", "zone", "recommended",
            "max_velocity"});
        for (std::size_t i = 0; i < sizing.pipes.size(); ++i) {
            const design::SizedPipe& pipe = sizing.pipes[i];
            const std::string maxVelocity = std::isinf(pipe.maxVelocity) ? "" : ShortestText(pipe.maxVelocity);
            csv.Row(
                {pipe.nominal, pipe.diameter, pipe.fields.m_strVelocity, pipe.fields.m_strFrictionRate, pipe.pascals,
                    ZoneKey(pipe.outcome.zone), static_cast<int>(i) == sizing.recommended ? "yes" : "no", maxVelocity});
        }
        return ReportProblems(problems, options.language, err, kExitDataError);
    }

    const std::string load = options.flowFromLoad
        ? "（负荷 " + ShortestText(options.load) + " kW，温差 " + ShortestText(options.deltaT) + " K）"
        : "";
    WriteHeading(options, "流量 " + options.flow + " m³/h" + load, out);
    const std::string velocity
        = design::VelocityLimitsText(*options.series, options.seriesPlastic, options.maxVelocity);
    std::fprintf(out, "比摩阻不超过 %s Pa/m，%s\n", ShortestText(options.maxRate).c_str(), velocity.c_str());
    std::vector<std::string> zones;
    for (const design::SizedPipe& pipe : sizing.pipes)
        zones.push_back(design::ZoneColumnText(pipe));
    // Views of the pipes' texts.
    std::vector<std::vector<std::string_view>> rows = {{""}};
    rows.reserve(sizing.pipes.size() + 1);
    const auto titles = design::SizeColumnTitles(options.fluid.kind == design::FluidKind::Water);
    rows[0].insert(rows[0].end(), titles.begin(), titles.end());
    for (std::size_t i = 0; i < sizing.pipes.size(); ++i) {
        const design::SizedPipe& pipe = sizing.pipes[i];
        rows.push_back({static_cast<int>(i) == sizing.recommended ? kRecommended : "", pipe.nominal, pipe.diameter,
            pipe.fields.m_strVelocity, pipe.fields.m_strFrictionRate, pipe.pascals, zones[i]});
    }
    WriteAligned(out, rows);
    if (sizing.recommended >= 0)
        std::fprintf(out, "* 推荐：比摩阻和流速都在限值内的最小管径\n");
    else
        std::fprintf(out, "没有管径能使比摩阻和流速都在限值内\n");
    WriteNotes(out, sizing);
    return ReportProblems(problems, options.language, err, kExitDataError);
}

int RunFlowTable(const Options& options, std::FILE* out, std::FILE* err)
{
    if (!options.problems.empty())
        return ReportProblems(options.problems, options.language, err, kExitUsage);
    const double roughness = ParseNumber(options.roughness);
    const double viscosity = ParseNumber(options.viscosity);

    // The flow at each limit, as the text a user would type (three
    // decimals, up to six below 0.1 m³/h so that small flows keep their
    // digits), and the velocity the calculation gives for that text.
    std::vector<messages::Message> problems;
    const auto end = [&](const design::PipeSize& size, double rate, design::Passing passing, std::string& flow,
                         std::string& velocity) {
        const double found = design::FlowForRate(size.Inside(), roughness, viscosity, options.density, rate, passing);
        if (std::isnan(found)) {
            using messages::MessageId;
            problems.push_back(messages::Named(SizeName(size.nominal, design::DiameterText(size.Inside())),
                messages::Message(
                    passing == design::Passing::Exceeds ? MessageId::NoFlowExceeds : MessageId::NoFlowReaches,
                    {{"rate", ShortestText(rate)}})));
            return;
        }
        // found lies within the search's bracket, 1e-6 to 1e6 m³/h.
        flow = FixedText(found, std::max(3, 2 - static_cast<int>(std::floor(std::log10(found)))));
        FrictionFields fields;
        SetInputs(fields, flow, design::DiameterText(size.Inside()), options.roughness, options.viscosity);
        Calculate(fields);
        velocity = fields.m_strVelocity;
    };
    std::vector<std::vector<std::string>> rows;
    for (const design::PipeSize& size : *options.series) {
        std::string flowMin, flowMax, velocityMin, velocityMax;
        end(size, options.minRate, design::Passing::Reaches, flowMin, velocityMin);
        end(size, options.maxRate, design::Passing::Exceeds, flowMax, velocityMax);
        rows.push_back({size.nominal, design::DiameterText(size.Inside()), flowMin, flowMax, velocityMin, velocityMax});
    }

    if (options.csv) {
        CsvWriter csv(out, options.bom);
        csv.Row({"nominal", "inner_diameter", "flow_min", "flow_max", "velocity_min", "velocity_max"});
        for (const auto& row : rows)
            csv.Row({row[0], row[1], row[2], row[3], row[4], row[5]});
        return ReportProblems(problems, options.language, err, kExitDataError);
    }
    WriteHeading(
        options, "比摩阻 " + ShortestText(options.minRate) + " 至 " + ShortestText(options.maxRate) + " Pa/m", out);
    const bool gaps
        = std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row[2].empty() || row[3].empty(); });
    std::vector<std::vector<std::string_view>> lines
        = {{"公称直径", "内径(mm)", "流量下限(m³/h)", "流量上限(m³/h)", "流速下限(m/s)", "流速上限(m/s)"}};
    for (const auto& row : rows)
        lines.emplace_back(row.begin(), row.end());
    WriteAligned(out, lines);
    if (gaps)
        std::fprintf(out, "空白：流量在 0.000001 至 1000000 m³/h 之间时比摩阻未达到该值\n");
    return ReportProblems(problems, options.language, err, kExitDataError);
}

} // namespace vendrel::cli
