#include "cli/commandline.h"

#include "calc/fieldlabels.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace vendrel::cli {

const char kUsage[] = R"(Usage:
  vendrel-calc --flow W --diameter D [--roughness K | --material NAME]
               [--viscosity NU | --temperature T]
  vendrel-calc --size --flow W [--series NAME | --series-file FILE]
               [--max-rate PA] [--max-velocity V]
               [--roughness K | --material NAME] [--viscosity NU | --temperature T]
               [--format text|csv] [--bom]
  vendrel-calc --table [--series NAME | --series-file FILE] [--min-rate PA]
               [--max-rate PA] [--roughness K | --material NAME]
               [--viscosity NU | --temperature T] [--format text|csv] [--bom]
  vendrel-calc --csv [FILE] [--bom]
  vendrel-calc --circuit FILE [--series NAME | --series-file FILE]
               [--max-rate PA] [--max-velocity V] [--head-margin PERCENT]
               [--max-imbalance PERCENT] [--roughness K | --material NAME]
               [--viscosity NU | --temperature T] [--format text|csv [--paths]]
  vendrel-calc --material-list | --series-list [--series-file FILE]
Each form also takes --material-file FILE.

Friction loss of water flowing full in a round pipe.

  --flow W          water flow, m³/h
  --diameter D      clear inner diameter, mm
  --roughness K     absolute wall roughness, mm (default 0.2; for --size and
                    --table, that of the series' material)
  --material NAME   the roughness of a pipe material instead, by its key in
                    any case or its Chinese name (--material-list)
  --viscosity NU    kinematic viscosity, 10^-6 m²/s (default 1.306)
  --temperature T   water temperature, °C (0 to 100), instead of --viscosity:
                    the viscosity of water at T and 0.1 MPa (IAPWS 2008 with
                    Kell's density), with three decimals, is used and shown
  --size            every size of a pipe series for the flow: inner diameter,
                    velocity, loss in mm of water column and in Pa per metre
                    (ρ·g·Rf/1000, g = 9.807, ρ of water at the temperature,
                    10 °C when a viscosity is given), flow zone; "*" marks the
                    smallest size within the limits. Where the calculator
                    finds no friction law in its zone (迭代失败), λ is that of
                    the Colebrook–White law, marked "过渡区*".
  --table           the selection chart: for every size of a series, the flows
                    (m³/h) at which the loss reaches --min-rate and passes
                    --max-rate, and the velocities there
  --series NAME     the series for --size and --table (default sch40;
                    --series-list); its pipes' material gives the roughness
                    unless --roughness or --material does
  --series-file FILE  a series of your own from a CSV file (see the manual)
  --material-file FILE  materials of your own from a CSV file
  --min-rate PA     the smallest loss for --table, Pa/m (default 100)
  --max-rate PA     the largest loss for --size and --table, Pa/m (default
                    300); losses are judged as listed, to 0.1 Pa/m
  --max-velocity V  the largest velocity for --size, m/s, for every size
                    (default by size: 1.2 m/s up to 50 mm bore, then 3 m/s, or
                    1.5 m/s for plastic pipe)
  --format FORMAT   text (aligned, the default) or csv, for --size and --table
  --csv [FILE]      calculate every row of a CSV file (standard input when no
                    FILE or FILE is -), in UTF-8, UTF-16 with a byte-order mark
                    (tab-separated as Excel's "Unicode text") or GBK/GB18030
                    (Excel's "CSV" on a Chinese Windows). The header names the
                    columns in English in any case or in Chinese: flow (流量)
                    and diameter (管径), optionally roughness (粗糙度) or
                    material (管材), and viscosity (运动粘滞系数) or
                    temperature (水温); a unit in brackets after a name is
                    allowed, an empty optional cell takes the default, other
                    columns are your own and carried through. The output is
                    CSV with the four inputs, then velocity, reynolds, lambda,
                    friction_rate, rough_reynolds, status, zone (laminar,
                    critical, smooth, transition, rough, failed or invalid)
                    and residual (the number in the status); your columns
                    before the first of ours come first, the others last.
                    Every row in gives one row out, in order.
  --circuit FILE    the hydraulic calculation of a circuit: a CSV file of one
                    row per section with section (管段), from (起点), to (终点),
                    length (长度, m), and optionally flow (流量, blank to derive
                    it at the nodes), diameter (管径) or nominal (公称直径; with
                    neither, sized), zeta (局部阻力系数), fittings (管件, e.g.
                    "elbow90*4 gate*2 tee-branch"), device (设备阻力, kPa).
                    Prints every section's losses, every path from the pump's
                    outlet to its inlet with its total and its imbalance, the
                    index circuit (最不利环路) and the pump head (see the manual)
  --head-margin P   the margin on the index circuit for the pump head, %
                    (default 10)
  --max-imbalance P the imbalance allowed between parallel paths, % (15)
  --paths           with --circuit --format csv: one row per path
  --bom             CSV output with a UTF-8 byte-order mark and CRLF line
                    ends, so that Excel on a Chinese Windows shows it right
  --material-list   the pipe materials and their roughness, with sources
  --series-list     the pipe series and their sizes, with sources
  --help            show this help
  --version         show the version

Each value must be a number and nothing else: "." is the decimal point
whatever the locale, and units are not written ("10,5" and "50mm" are
refused). What cannot be calculated is reported on standard error. Your own
series and materials are also read from the data folder: series/*.csv and
materials.csv in $XDG_DATA_HOME/vendrel (~/.local/share/vendrel), on Windows
%APPDATA%\Vendrel.

Examples (lines of the output):
  $ vendrel-calc --size --flow 40
     公称直径  内径(mm)  流速(m/s)  比摩阻(mm水柱/m)  比摩阻(Pa/m)  流区
  *  DN100     102.26    1.352870   22.713579         222.7         过渡区
  $ vendrel-calc --table
  公称直径  内径(mm)  流量下限(m³/h)  流量上限(m³/h)  流速下限(m/s)  流速上限(m/s)
  DN100     102.26    26.418          46.630          0.893503       1.577108

Exit status:
  0  every result was calculated
  1  results were written, but some could not be calculated (a value that is
     not a number or below 0.000001, a temperature outside 0 to 100 °C, an
     unknown material in a CSV row, no friction law fitting its zone, results
     that are not finite numbers, a size of --size without a loss or a flow of
     --table not found, a section of --circuit not calculated or a path out
     of balance beyond the limit); each is named on standard error
  2  wrong usage, nothing written (an unknown or repeated option, a value for
     an option that takes none, an unknown material or series, a series or
     materials file that cannot be taken, a limit that is not a positive
     number, a value --size or --table cannot calculate with)
  3  results are missing: the input could not be read, is malformed CSV or in
     no encoding it can be read in, a circuit file is no circuit (a cycle,
     flows that do not balance), or the output could not be written
)";

namespace {

enum Value {
    kFlow,
    kDiameter,
    kRoughness,
    kViscosity,
    kTemperature,
    kMaterial,
    kSeries,
    kMinRate,
    kMaxRate,
    kMaxVelocity,
    kFormat,
    kSeriesFile,
    kMaterialFile,
    kHeadMargin,
    kMaxImbalance,
    kValueCount
};
constexpr std::string_view kValueNames[] = {"--flow", "--diameter", "--roughness", "--viscosity", "--temperature",
    "--material", "--series", "--min-rate", "--max-rate", "--max-velocity", "--format", "--series-file",
    "--material-file", "--head-margin", "--max-imbalance"};
static_assert(std::size(kValueNames) == kValueCount, "a name for every value option, in the order of Value");
constexpr std::array<std::string_view, 4> kModeNames = {"--size", "--table", "--material-list", "--series-list"};
constexpr CommandLine::Mode kModes[] = {
    CommandLine::Mode::Size, CommandLine::Mode::Table, CommandLine::Mode::MaterialList, CommandLine::Mode::SeriesList};

} // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& result, std::string& error)
{
    result = CommandLine{};
    std::array<std::optional<std::string>, kValueCount> values;
    std::optional<std::string_view> mode; // --csv, --size or a list
    const auto fail = [&](std::string message) {
        error = std::move(message);
        return false;
    };
    // The texts as given so far, the defaults where none.
    const auto fill = [&] {
        result.flow = values[kFlow].value_or("");
        result.diameter = values[kDiameter].value_or("");
        result.roughness = values[kRoughness].value_or(labels::kDefaultRoughness);
        result.viscosity = values[kViscosity].value_or(labels::kDefaultViscosity);
        result.roughnessGiven = values[kRoughness].has_value();
        result.viscosityGiven = values[kViscosity].has_value();
        result.temperature = values[kTemperature];
        result.material = values[kMaterial];
        result.series = values[kSeries];
        result.minRate = values[kMinRate];
        result.maxRate = values[kMaxRate];
        result.maxVelocity = values[kMaxVelocity];
        result.format = values[kFormat];
        result.seriesFile = values[kSeriesFile];
        result.materialFile = values[kMaterialFile];
        result.headMargin = values[kHeadMargin];
        result.maxImbalance = values[kMaxImbalance];
    };
    bool bom = false;
    bool paths = false;
    const auto setMode = [&](std::string_view name) {
        if (mode)
            return fail(*mode == name ? std::string(name) + " given twice"
                                      : std::string(*mode) + " and " + std::string(name) + " cannot be combined");
        mode = name;
        return true;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); arg.substr(0, 2) == "--" && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = std::string(arg.substr(eq + 1));
        }
        // A following argument is a value unless it is the next option; a
        // negative number is the user's to type.
        const bool valueFollows = i + 1 < args.size() && args[i + 1].substr(0, 2) != "--";

        // A value given to an option that takes none would be dropped unseen.
        const bool takesNoValue = name == "--help" || name == "-h" || name == "--version" || name == "--bom"
            || name == "--paths" || std::find(kModeNames.begin(), kModeNames.end(), name) != kModeNames.end();
        if (takesNoValue && inlineValue)
            return fail(std::string(name) + " takes no value");
        if (name == "--help" || name == "-h" || name == "--version") {
            fill();
            result.mode = name == "--version" ? CommandLine::Mode::Version : CommandLine::Mode::Help;
            return true;
        }
        if (name == "--bom" || name == "--paths") {
            bool& flag = name == "--bom" ? bom : paths;
            if (flag)
                return fail(std::string(name) + " given twice");
            flag = true;
            continue;
        }
        if (name == "--circuit") {
            if (!setMode(name))
                return false;
            if (!inlineValue && !valueFollows)
                return fail("--circuit needs a file (or - for standard input)");
            result.csvFile = inlineValue ? *inlineValue : args[++i];
            if (result.csvFile.empty())
                return fail("--circuit needs a file (or - for standard input)");
            continue;
        }
        if (name == "--csv") {
            if (!setMode(name))
                return false;
            if (inlineValue && inlineValue->empty())
                return fail("--csv= needs a file name (or - for standard input)");
            if (inlineValue)
                result.csvFile = *inlineValue;
            else if (valueFollows)
                result.csvFile = args[++i];
            continue;
        }
        if (const auto found = std::find(kModeNames.begin(), kModeNames.end(), name); found != kModeNames.end()) {
            if (!setMode(name))
                return false;
            result.mode = kModes[found - kModeNames.begin()];
            continue;
        }

        const auto found = std::find(std::begin(kValueNames), std::end(kValueNames), name);
        if (found == std::end(kValueNames))
            return fail("unknown argument: " + std::string(arg));
        std::optional<std::string>& value = values[static_cast<std::size_t>(found - std::begin(kValueNames))];
        // The last of two values would win unseen; a script that repeats an
        // option has a mistake in it.
        if (value)
            return fail(std::string(name) + " given twice");
        if (!inlineValue && !valueFollows)
            return fail(std::string(name) + " needs a value");
        value = inlineValue ? *inlineValue : args[++i];
    }

    const auto given = [&](Value v) { return values[v].has_value(); };
    const auto anyGiven
        = [&](std::initializer_list<Value> which) { return std::any_of(which.begin(), which.end(), given); };
    if (given(kTemperature) && given(kViscosity))
        return fail("--temperature and --viscosity cannot both be given (the temperature gives the viscosity)");
    if (given(kMaterial) && given(kRoughness))
        return fail("--material and --roughness cannot both be given (the material gives the roughness)");
    if (given(kSeries) && given(kSeriesFile))
        return fail("--series and --series-file cannot both be given (the file gives the series)");

    fill();
    result.bom = bom;
    result.paths = paths;
    const bool designMode = mode == "--size" || mode == "--table" || mode == "--circuit";
    const bool csvOut = mode == "--csv" || (designMode && values[kFormat] == "csv");
    if (bom && !csvOut)
        return fail("--bom goes with CSV output: --csv, or --size, --table or --circuit with --format csv");
    if (paths && !(mode == "--circuit" && values[kFormat] == "csv"))
        return fail("--paths goes with --circuit and --format csv");
    if ((given(kHeadMargin) || given(kMaxImbalance)) && mode != "--circuit")
        return fail("--head-margin and --max-imbalance go with --circuit");

    const bool sizeOptions = anyGiven({kSeries, kSeriesFile, kMaxRate, kMaxVelocity, kFormat});
    if (mode == "--csv" || mode == "--material-list" || mode == "--series-list") {
        // The user's own materials and series may be read in, to use or to see.
        const auto allowed = [&](int v) { return v == kMaterialFile || (mode == "--series-list" && v == kSeriesFile); };
        for (int v = 0; v < kValueCount; ++v) {
            if (values[static_cast<std::size_t>(v)] && !allowed(v))
                return fail(std::string(*mode) + " takes no other options than "
                    + (mode == "--series-list" ? "--series-file and --material-file" : "--material-file")
                    + (mode == "--csv" ? " and --bom" : ""));
        }
        if (mode == "--csv") {
            result.mode = CommandLine::Mode::Csv;
            if (result.csvFile == "-")
                result.csvFile.clear();
        }
        return true;
    }
    if (mode == "--size") {
        if (given(kDiameter))
            return fail("--size chooses the diameter: --diameter cannot be given with it");
        if (given(kMinRate))
            return fail("--min-rate goes with --table");
        if (!given(kFlow))
            return fail("--size needs --flow");
        return true;
    }
    if (mode == "--circuit") {
        result.mode = CommandLine::Mode::Circuit;
        if (result.csvFile == "-")
            result.csvFile.clear();
        if (anyGiven({kFlow, kDiameter, kMinRate}))
            return fail("--circuit reads flows and sizes from its file: --flow, --diameter and --min-rate cannot be "
                        "given");
        return true;
    }
    if (mode == "--table") {
        if (anyGiven({kFlow, kDiameter, kMaxVelocity}))
            return fail("--table lists flows for every size: --flow, --diameter and --max-velocity cannot be given");
        return true;
    }
    if (sizeOptions || given(kMinRate))
        return fail("--series, --series-file, --min-rate, --max-rate, --max-velocity and --format go with --size or "
                    "--table");
    if (!given(kFlow) || !given(kDiameter))
        return fail("--flow and --diameter are required");
    return true;
}

} // namespace vendrel::cli
