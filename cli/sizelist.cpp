#include "cli/sizelist.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "cli/csvreader.h"
#include "cli/designchoices.h"
#include "cli/exitcodes.h"
#include "cli/strictcalculation.h"
#include "design/pipeseries.h"
#include "design/sizing.h"
#include "design/water.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numeric>
#include <string>
#include <vector>

namespace vendrel::cli {
namespace {

constexpr double kDefaultCelsius = 10; // the water the default viscosity 1.306 is
constexpr char kRecommended[] = "*";

// Columns a terminal shows for a UTF-8 text: CJK characters take two.
std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // Three-byte sequences from U+1100 on: CJK, full-width forms.
        width += length >= 3 && !(length == 3 && lead == 0xE2) ? 2 : 1;
        i += length;
    }
    return width;
}

void WriteAligned(std::FILE* out, const std::vector<std::vector<std::string_view>>& rows)
{
    std::vector<std::size_t> cellWidths; // row by row
    std::vector<std::size_t> widths;
    std::size_t bytes = 0;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            cellWidths.push_back(DisplayWidth(row[i]));
            widths[i] = std::max(widths[i], cellWidths.back());
            bytes += row[i].size();
        }
    }
    std::string text;
    text.reserve(
        bytes + rows.size() * (widths.size() * 2 + 1) + std::accumulate(widths.begin(), widths.end(), 0) * rows.size());
    const std::size_t* width = cellWidths.data();
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i, ++width) {
            text += row[i];
            if (i + 1 < row.size())
                text.append(widths[i] - *width + 2, ' ');
        }
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), out);
}

// One CSV row, each cell quoted where it must be ("1/2\"" is a size).
void WriteCsvRow(std::FILE* out, std::initializer_list<std::string_view> cells)
{
    std::size_t room = 1;
    for (const std::string_view cell : cells)
        room += 2 * cell.size() + 3;
    std::string row(room, '\0');
    char* end = row.data();
    for (const std::string_view cell : cells) {
        if (end != row.data())
            *end++ = ',';
        end = WriteCsvCell(end, cell);
    }
    *end++ = '\n';
    std::fwrite(row.data(), 1, static_cast<std::size_t>(end - row.data()), out);
}

// The sizes that could not be calculated, each on a line of its own: the
// list is written all the same, but not as a success.
int ReportProblems(const std::vector<std::string>& problems, std::FILE* err)
{
    for (const std::string& problem : problems)
        std::fprintf(err, "vendrel-calc: %s\n", problem.c_str());
    return problems.empty() ? kExitSuccess : kExitDataError;
}

std::string SizeName(std::string_view nominal, std::string_view diameter)
{
    return std::string(nominal) + " (" + std::string(diameter) + " mm)";
}

// A limit given on the command line: a positive number, or a usage error.
bool ReadLimit(const std::optional<std::string>& text, std::string_view option, double& limit, std::FILE* err)
{
    if (!text)
        return true;
    if (ParseWholeNumber(*text, limit) && limit > 0 && std::isfinite(limit))
        return true;
    std::fprintf(err, "vendrel-calc: %.*s: %s must be a positive number\n", static_cast<int>(option.size()),
        option.data(), Quoted(*text).c_str());
    return false;
}

// What --size and --table share: the roughness, the water, the series, the
// limits and the format, read and checked, with usage errors reported.
struct SeriesRun {
    std::string roughness;
    std::string viscosity;
    double density = 0;
    const design::PipeSeries* series = nullptr;
    double minRate = 100;
    design::SizingLimits limits;
    bool csv = false;

    // Returns the exit status to stop with, or -1 to go on.
    int Read(const CommandLine& command, std::FILE* err)
    {
        std::string error;
        const std::optional<std::string> roughnessText = RoughnessFor(command, error);
        series = SeriesFor(command, error);
        const std::string format = command.format.value_or("text");
        if (!roughnessText || series == nullptr) {
            std::fprintf(err, "vendrel-calc: %s\n", error.c_str());
            return kExitUsage;
        }
        roughness = *roughnessText;
        if (!ReadLimit(command.minRate, "--min-rate", minRate, err)
            || !ReadLimit(command.maxRate, "--max-rate", limits.maxPascalsPerMetre, err)
            || !ReadLimit(command.maxVelocity, "--max-velocity", limits.maxVelocity, err))
            return kExitUsage;
        // --size has no lower limit: any --max-rate will do there.
        if (command.mode == CommandLine::Mode::Table && minRate >= limits.maxPascalsPerMetre) {
            std::fprintf(err, "vendrel-calc: --min-rate %s is not below --max-rate %s\n", ShortestText(minRate).c_str(),
                ShortestText(limits.maxPascalsPerMetre).c_str());
            return kExitUsage;
        }
        if (format != "text" && format != "csv") {
            std::fprintf(err, "vendrel-calc: --format: %s is not text or csv\n", Quoted(format).c_str());
            return kExitUsage;
        }
        csv = format == "csv";

        // The viscosity and, for Pa/m, the density of the water: at the
        // temperature given, else at 10 °C, the water of the default viscosity.
        std::vector<std::string> problems;
        double celsius = kDefaultCelsius;
        std::optional<std::string> viscosityText = command.viscosity;
        if (command.temperature) {
            viscosityText = ViscosityFromTemperature(*command.temperature, "--temperature", problems);
            ParseWholeNumber(*command.temperature, celsius);
        }
        double value = 0;
        if (!ParseWholeNumber(roughness, value) || !IsAcceptedInput(value))
            problems.push_back("--roughness: " + Quoted(roughness) + " is not a roughness of at least 0.000001 mm");
        if (viscosityText && (!ParseWholeNumber(*viscosityText, value) || !IsAcceptedInput(value)))
            problems.push_back("--viscosity: " + Quoted(*viscosityText) + " is not a viscosity of at least 0.000001");
        if (!problems.empty()) {
            for (const std::string& problem : problems)
                std::fprintf(err, "vendrel-calc: %s\n", problem.c_str());
            return kExitDataError;
        }
        viscosity = *viscosityText;
        density = design::WaterDensity(celsius);
        return -1;
    }

    void WriteHeading(std::FILE* out, const std::string& first) const
    {
        std::fprintf(out, "%s (%s)\n", series->name, series->key);
        std::fprintf(out, "%s，粗糙度 K %s mm，运动粘滞系数 %s ×10⁻⁶ m²/s，密度 %s kg/m³\n", first.c_str(),
            roughness.c_str(), viscosity.c_str(), FixedText(density, 1).c_str());
    }
};

} // namespace

int RunSizeList(const CommandLine& command, std::FILE* out, std::FILE* err)
{
    SeriesRun run;
    if (const int status = run.Read(command, err); status >= 0)
        return status;
    double flow = 0;
    if (!ParseWholeNumber(command.flow, flow) || !IsAcceptedInput(flow)) {
        std::fprintf(
            err, "vendrel-calc: --flow: %s is not a flow of at least 0.000001 m³/h\n", Quoted(command.flow).c_str());
        return kExitDataError;
    }

    std::vector<design::SizeChoice> sizes;
    for (const design::PipeSize& size : *run.series)
        sizes.push_back({size.nominal, size.Inside()});
    const design::Sizing sizing
        = design::SizeForFlow(sizes, command.flow, run.roughness, run.viscosity, run.density, run.limits);
    std::vector<std::string> problems;
    for (const design::SizedPipe& pipe : sizing.pipes) {
        std::vector<std::string> own;
        ReportOutcome(pipe.outcome, own);
        for (const std::string& problem : own)
            problems.push_back(SizeName(pipe.nominal, pipe.diameter) + ": " + problem);
    }

    if (run.csv) {
        std::fputs("nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended\n", out);
        for (std::size_t i = 0; i < sizing.pipes.size(); ++i) {
            const design::SizedPipe& pipe = sizing.pipes[i];
            WriteCsvRow(out,
                {pipe.nominal, pipe.diameter, pipe.fields.m_strVelocity, pipe.fields.m_strFrictionRate, pipe.pascals,
                    ZoneKey(pipe.outcome.zone), static_cast<int>(i) == sizing.recommended ? "yes" : "no"});
        }
        return ReportProblems(problems, err);
    }

    run.WriteHeading(out, "流量 " + command.flow + " m³/h");
    // Views of the pipes' texts.
    std::vector<std::vector<std::string_view>> rows = {{""}};
    rows.reserve(sizing.pipes.size() + 1);
    rows[0].insert(rows[0].end(), design::kSizeColumnTitles.begin(), design::kSizeColumnTitles.end());
    for (std::size_t i = 0; i < sizing.pipes.size(); ++i) {
        const design::SizedPipe& pipe = sizing.pipes[i];
        rows.push_back({static_cast<int>(i) == sizing.recommended ? kRecommended : "", pipe.nominal, pipe.diameter,
            pipe.fields.m_strVelocity, pipe.fields.m_strFrictionRate, pipe.pascals, ZoneName(pipe.outcome.zone)});
    }
    WriteAligned(out, rows);
    const std::string limitsText = ShortestText(run.limits.maxPascalsPerMetre) + " Pa/m"
        + (std::isinf(run.limits.maxVelocity) ? "" : "，流速不超过 " + ShortestText(run.limits.maxVelocity) + " m/s");
    if (sizing.recommended >= 0)
        std::fprintf(out, "* 推荐：比摩阻不超过 %s 的最小管径\n", limitsText.c_str());
    else
        std::fprintf(out, "没有管径能使比摩阻不超过 %s\n", limitsText.c_str());
    return ReportProblems(problems, err);
}

int RunFlowTable(const CommandLine& command, std::FILE* out, std::FILE* err)
{
    SeriesRun run;
    if (const int status = run.Read(command, err); status >= 0)
        return status;
    const double roughness = ParseNumber(run.roughness);
    const double viscosity = ParseNumber(run.viscosity);

    // The flow at each limit, as the text a user would type (three
    // decimals, up to six below 0.1 m³/h so that small flows keep their
    // digits), and the velocity the calculation gives for that text.
    std::vector<std::string> problems;
    const auto end = [&](const design::PipeSize& size, double rate, std::string& flow, std::string& velocity) {
        const double found = design::FlowForRate(size.Inside(), roughness, viscosity, run.density, rate);
        if (std::isnan(found)) {
            problems.push_back(SizeName(size.nominal, design::DiameterText(size.Inside()))
                + ": no flow found at which the loss is " + ShortestText(rate)
                + " Pa/m (not reached, or only next to flows where no friction law fits its zone)");
            return;
        }
        // found lies within the search's bracket, 1e-6 to 1e6 m³/h.
        flow = FixedText(found, std::max(3, 2 - static_cast<int>(std::floor(std::log10(found)))));
        FrictionFields fields;
        SetInputs(fields, flow, design::DiameterText(size.Inside()), run.roughness, run.viscosity);
        Calculate(fields);
        velocity = fields.m_strVelocity;
    };
    std::vector<std::vector<std::string>> rows;
    for (const design::PipeSize& size : *run.series) {
        std::string flowMin, flowMax, velocityMin, velocityMax;
        end(size, run.minRate, flowMin, velocityMin);
        end(size, run.limits.maxPascalsPerMetre, flowMax, velocityMax);
        rows.push_back({size.nominal, design::DiameterText(size.Inside()), flowMin, flowMax, velocityMin, velocityMax});
    }

    if (run.csv) {
        std::fputs("nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\n", out);
        for (const auto& row : rows)
            WriteCsvRow(out, {row[0], row[1], row[2], row[3], row[4], row[5]});
        return ReportProblems(problems, err);
    }
    run.WriteHeading(
        out, "比摩阻 " + ShortestText(run.minRate) + " 至 " + ShortestText(run.limits.maxPascalsPerMetre) + " Pa/m");
    const bool gaps
        = std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row[2].empty() || row[3].empty(); });
    std::vector<std::vector<std::string_view>> lines
        = {{"公称直径", "内径(mm)", "流量下限(m³/h)", "流量上限(m³/h)", "流速下限(m/s)", "流速上限(m/s)"}};
    for (const auto& row : rows)
        lines.emplace_back(row.begin(), row.end());
    WriteAligned(out, lines);
    if (gaps)
        std::fprintf(out, "空白：未达到该比摩阻，或其附近没有符合流区的摩擦定律（迭代失败）\n");
    return ReportProblems(problems, err);
}

} // namespace vendrel::cli
