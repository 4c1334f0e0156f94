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

namespace {

using messages::Message;
using messages::MessageId;

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
    kStaticHead,
    kMaxImbalance,
    kFluid,
    kConcentration,
    kVolumeConcentration,
    kLoad,
    kDeltaT,
    kOutput,
    kValueCount
};
constexpr std::string_view kValueNames[] = {"--flow", "--diameter", "--roughness", "--viscosity", "--temperature",
    "--material", "--series", "--min-rate", "--max-rate", "--max-velocity", "--format", "--series-file",
    "--material-file", "--head-margin", "--static-head", "--max-imbalance", "--fluid", "--concentration",
    "--volume-concentration", "--load", "--delta-t", "--output"};
static_assert(std::size(kValueNames) == kValueCount, "a name for every value option, in the order of Value");
constexpr std::array<std::string_view, 5> kModeNames
    = {"--size", "--table", "--material-list", "--series-list", "--fittings-list"};
constexpr CommandLine::Mode kModes[] = {CommandLine::Mode::Size, CommandLine::Mode::Table,
    CommandLine::Mode::MaterialList, CommandLine::Mode::SeriesList, CommandLine::Mode::FittingsList};

} // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& result, Message& error)
{
    result = CommandLine{};
    std::array<std::optional<std::string>, kValueCount> values;
    std::optional<std::string_view> mode; // --csv, --size or a list
    const auto fail = [&](Message message) {
        error = std::move(message);
        return false;
    };
    const auto failWith = [&](MessageId id) { return fail(Message(id)); };
    const auto optionFault = [&](MessageId id, std::string_view option) {
        return fail(Message(id, {{"option", option}}));
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
        result.staticHead = values[kStaticHead];
        result.maxImbalance = values[kMaxImbalance];
        result.fluid = values[kFluid];
        result.concentration = values[kConcentration];
        result.volumeConcentration = values[kVolumeConcentration];
        result.load = values[kLoad];
        result.deltaT = values[kDeltaT];
        result.output = values[kOutput];
    };
    bool bom = false;
    bool paths = false;
    const auto setMode = [&](std::string_view name) {
        if (mode)
            return *mode == name ? optionFault(MessageId::GivenTwice, name)
                                 : fail(Message(MessageId::CannotCombine, {{"first", *mode}, {"second", name}}));
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
            return optionFault(MessageId::TakesNoValue, name);
        if (name == "--help" || name == "-h" || name == "--version") {
            fill();
            result.mode = name == "--version" ? CommandLine::Mode::Version : CommandLine::Mode::Help;
            return true;
        }
        if (name == "--bom" || name == "--paths") {
            bool& flag = name == "--bom" ? bom : paths;
            if (flag)
                return optionFault(MessageId::GivenTwice, name);
            flag = true;
            continue;
        }
        if (name == "--circuit") {
            if (!setMode(name))
                return false;
            if (!inlineValue && !valueFollows)
                return failWith(MessageId::CircuitNeedsFile);
            result.csvFile = inlineValue ? *inlineValue : args[++i];
            if (result.csvFile.empty())
                return failWith(MessageId::CircuitNeedsFile);
            continue;
        }
        if (name == "--csv") {
            if (!setMode(name))
                return false;
            if (inlineValue && inlineValue->empty())
                return failWith(MessageId::CsvNeedsFileName);
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
            return fail(Message(MessageId::UnknownArgument, {{"argument", messages::UserText(arg)}}));
        std::optional<std::string>& value = values[static_cast<std::size_t>(found - std::begin(kValueNames))];
        // The last of two values would win unseen; a script that repeats an
        // option has a mistake in it.
        if (value)
            return optionFault(MessageId::GivenTwice, name);
        if (!inlineValue && !valueFollows)
            return optionFault(MessageId::NeedsValue, name);
        value = inlineValue ? *inlineValue : args[++i];
    }

    const auto given = [&](Value v) { return values[v].has_value(); };
    const auto anyGiven
        = [&](std::initializer_list<Value> which) { return std::any_of(which.begin(), which.end(), given); };
    if (given(kTemperature) && given(kViscosity))
        return failWith(MessageId::TemperatureOrViscosity);
    if (given(kMaterial) && given(kRoughness))
        return failWith(MessageId::MaterialOrRoughness);
    if (given(kSeries) && given(kSeriesFile))
        return failWith(MessageId::SeriesOrSeriesFile);
    if (given(kFluid) && given(kViscosity))
        return failWith(MessageId::FluidOrViscosity);
    if (given(kConcentration) && given(kVolumeConcentration))
        return failWith(MessageId::MassOrVolumeConcentration);
    if ((given(kConcentration) || given(kVolumeConcentration)) && !given(kFluid))
        return failWith(MessageId::ConcentrationNeedsFluid);
    // A circuit's or a schedule's loads are in its rows; --delta-t is then their supply–return difference.
    if (given(kLoad) != given(kDeltaT) && !((mode == "--circuit" || mode == "--csv") && given(kDeltaT)))
        return failWith(MessageId::LoadNeedsDeltaT);
    if (given(kLoad) && given(kFlow))
        return failWith(MessageId::LoadOrFlow);

    fill();
    result.bom = bom;
    result.paths = paths;
    const bool designMode = mode == "--size" || mode == "--table" || mode == "--circuit";
    const bool csvOut = mode == "--csv" || (designMode && values[kFormat] == "csv");
    if (bom && !csvOut)
        return failWith(MessageId::BomNeedsCsv);
    if (paths && !(mode == "--circuit" && values[kFormat] == "csv"))
        return failWith(MessageId::PathsNeedCircuitCsv);
    const bool fileFormat = values[kFormat] == "xlsx" || values[kFormat] == "pdf";
    if (fileFormat && mode != "--circuit")
        return fail(Message(MessageId::WorkbookNeedsCircuit, {{"format", *values[kFormat]}}));
    if (given(kOutput) && !(mode == "--circuit" && fileFormat))
        return failWith(MessageId::OutputNeedsWorkbook);
    if (anyGiven({kHeadMargin, kStaticHead, kMaxImbalance}) && mode != "--circuit")
        return failWith(MessageId::CircuitOnlyOptions);
    if (given(kLoad) && mode == "--table")
        return failWith(MessageId::LoadForOnePipe);
    if (given(kLoad) && mode == "--circuit")
        return failWith(MessageId::LoadInCircuitRows);

    const bool sizeOptions = anyGiven({kSeries, kSeriesFile, kMaxRate, kMaxVelocity, kFormat});
    if (mode == "--fittings-list") {
        for (int v = 0; v < kValueCount; ++v) {
            if (values[static_cast<std::size_t>(v)])
                return failWith(MessageId::FittingsListOptions);
        }
        return true;
    }
    if (mode == "--csv" || mode == "--material-list" || mode == "--series-list") {
        // The user's own materials and series may be read in, to use or to see.
        const auto allowed = [&](int v) {
            return v == kMaterialFile || (mode == "--series-list" && v == kSeriesFile)
                || (mode == "--csv"
                    && (v == kSeries || v == kSeriesFile || v == kFluid || v == kConcentration
                        || v == kVolumeConcentration || v == kTemperature || v == kDeltaT));
        };
        for (int v = 0; v < kValueCount; ++v) {
            if (values[static_cast<std::size_t>(v)] && !allowed(v))
                return failWith(mode == "--csv"   ? MessageId::CsvOptions
                        : mode == "--series-list" ? MessageId::SeriesListOptions
                                                  : MessageId::MaterialListOptions);
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
            return failWith(MessageId::SizeChoosesDiameter);
        if (given(kMinRate))
            return failWith(MessageId::MinRateGoesWithTable);
        if (!given(kFlow) && !given(kLoad))
            return failWith(MessageId::SizeNeedsFlow);
        return true;
    }
    if (mode == "--circuit") {
        result.mode = CommandLine::Mode::Circuit;
        if (result.csvFile == "-")
            result.csvFile.clear();
        if (anyGiven({kFlow, kDiameter, kMinRate}))
            return failWith(MessageId::CircuitReadsFlows);
        return true;
    }
    if (mode == "--table") {
        if (anyGiven({kFlow, kDiameter, kMaxVelocity}))
            return failWith(MessageId::TableListsFlows);
        return true;
    }
    if (sizeOptions || given(kMinRate))
        return failWith(MessageId::SizingOptions);
    if ((!given(kFlow) && !given(kLoad)) || !given(kDiameter))
        return failWith(MessageId::FlowAndDiameterRequired);
    return true;
}

} // namespace vendrel::cli
