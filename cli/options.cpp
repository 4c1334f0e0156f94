#include "cli/options.h"

#include "calc/numbertext.h"
#include "cli/strictcalculation.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "design/water.h"
#include "files/platform.h"
#include "messages/numbercheck.h"

#include <cmath>

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;
using messages::Named;
using messages::UserText;

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A number given on the command line as the rule wants it, or a usage error.
bool ReadNumber(const std::optional<std::string>& text, const char* option, const messages::NumberRule& rule,
    double& value, Message& error)
{
    if (!text)
        return true;
    double read = 0;
    Message wrong = messages::CheckNumber(*text, rule, read);
    if (!wrong.Empty()) {
        error = Named(option, std::move(wrong));
        return false;
    }
    value = read;
    return true;
}

// The series of --series-file, for sizing or to be listed.
bool ReadFileSeries(const std::string& path, Options& options, Message& error)
{
    design::PipeSeries series;
    if (!files::ReadSeriesFile(path, options.library.materials, series, error)) {
        error = Named("--series-file", std::move(error));
        return false;
    }
    options.fileSeries = std::move(series);
    return true;
}

bool ReadSeries(const CommandLine& command, Options& options, Message& error)
{
    if (options.fileSeries) {
        options.series = &*options.fileSeries;
    } else if (command.series) {
        options.series = options.library.series.Find(Trimmed(*command.series));
        if (options.series == nullptr) {
            error = Named("--series",
                Message(MessageId::UnknownSeriesOption,
                    {{"text", UserText(*command.series)}, {"keys", options.library.series.Keys()}}));
            return false;
        }
    } else {
        options.series = &options.library.series.Default();
    }
    // A series' material is checked when it is taken into the library.
    const design::Material* material = options.library.materials.Find(options.series->material);
    options.seriesPlastic = material != nullptr && material->plastic;
    if (!command.material && !command.roughnessGiven && material != nullptr) {
        options.material = material;
        options.roughness = material->roughness;
    }
    return true;
}

// --fluid and --concentration: a brine needs both and --temperature; water
// takes no concentration.
bool ReadFluid(const CommandLine& command, Options& options, Message& error)
{
    if (!command.fluid)
        return true;
    const std::optional<design::FluidKind> kind = design::FluidOfName(Trimmed(*command.fluid));
    if (!kind) {
        error = Named("--fluid", Message(MessageId::UnknownFluid, {{"text", UserText(*command.fluid)}}));
        return false;
    }
    options.fluid.kind = *kind;
    if (*kind == design::FluidKind::Water) {
        const bool share = command.concentration || command.volumeConcentration;
        if (share)
            error = Message(MessageId::WaterTakesNoConcentration);
        return !share;
    }
    const std::string_view key = design::FluidKey(*kind);
    // Its density and heat are of its temperature, which a viscosity would stand for.
    if (command.viscosityGiven) {
        error = Message(MessageId::BrineTakesNoViscosity, {{"fluid", key}});
        return false;
    }
    if (command.volumeConcentration && !command.temperature) {
        error = Message(MessageId::BrineNeedsTemperature, {{"fluid", key}});
        return false;
    }
    if (command.volumeConcentration) {
        double volume = 0;
        if (!ReadNumber(
                command.volumeConcentration, "--volume-concentration", messages::Between(0, 100, "%"), volume, error))
            return false;
        options.fluid.volumePercent = volume;
        options.fluid.massPercent = design::MassPercentOfVolume(*kind, volume);
        if (options.fluid.massPercent <= design::kMaxGlycolPercent)
            return true;
        error = Named("--volume-concentration",
            Message(MessageId::VolumeShareRange,
                {{"text", UserText(*command.volumeConcentration)},
                    {"percent", ShortestText(options.fluid.massPercent)}}));
        return false;
    }
    if (!command.concentration) {
        error = Message(MessageId::BrineNeedsConcentration, {{"fluid", key}});
        return false;
    }
    if (!command.temperature) {
        error = Message(MessageId::BrineNeedsTemperature, {{"fluid", key}});
        return false;
    }
    return ReadNumber(command.concentration, "--concentration", messages::Between(0, design::kMaxGlycolPercent, "%"),
        options.fluid.massPercent, error);
}

// A brine at --temperature: its viscosity, density and freezing point, or
// the problem with the temperature.
void ReadBrine(const std::string& temperature, Options& options)
{
    double celsius = 0;
    Message problem = messages::CheckNumber(temperature, messages::AnyNumber("°C"), celsius);
    Message warning;
    std::optional<design::FluidProperties> properties;
    if (problem.Empty())
        properties = design::PropertiesAt(options.fluid, celsius, problem, &warning);
    options.freezingPoint = design::FreezingPoint(options.fluid);
    if (!properties) {
        options.problems.push_back(Named("--temperature", std::move(problem)));
        options.viscosity.clear();
        options.density = 1000; // what a Pa/m is never shown with
        return;
    }
    if (!warning.Empty())
        options.warnings.push_back(std::move(warning));
    options.celsius = celsius;
    options.viscosity = design::ViscosityText(*properties);
    options.density = properties->density;
    options.specificHeat = properties->specificHeat;
}

// The flow of --load at --delta-t, with the fluid's ρ and c_p at its
// temperature (10 °C for a viscosity typed); none where the temperature
// gave no properties, whose problem is reported already.
bool ReadLoad(const CommandLine& command, Options& options, Message& error)
{
    if (!ReadNumber(command.load, "--load", messages::Positive("kW"), options.load, error)
        || !ReadNumber(command.deltaT, "--delta-t", messages::Positive("K"), options.deltaT, error))
        return false;
    Message problem;
    const std::optional<design::FluidProperties> properties
        = design::PropertiesAt(options.fluid, options.celsius.value_or(design::kDefaultCelsius), problem);
    options.flowFromLoad = true;
    if (properties && !(command.temperature && !options.celsius))
        options.flow = FixedText(design::FlowOfLoad(options.load, options.deltaT, *properties), 3);
    return true;
}

} // namespace

std::string FluidHeading(const Options& options)
{
    if (!options.celsius)
        return {};
    std::string text = design::FluidTitle(options.fluid) + " " + ShortestText(*options.celsius) + " °C，";
    if (options.fluid.kind != design::FluidKind::Water)
        text += "冰点 " + FixedText(options.freezingPoint, 1) + " °C，";
    return text;
}

bool ReadOptions(const CommandLine& command, Options& options, Message& error)
{
    using Mode = CommandLine::Mode;
    const bool sizing = command.mode == Mode::Size || command.mode == Mode::Table || command.mode == Mode::Circuit;
    options.library = files::LoadUserLibrary(files::UserDataFolder());
    if (command.materialFile && !files::AddMaterialsFile(*command.materialFile, options.library, error)) {
        error = Named("--material-file", std::move(error));
        return false;
    }

    options.flow = command.flow;
    options.diameter = command.diameter;
    options.roughness = command.roughness;
    if (command.material) {
        options.material = options.library.materials.Find(Trimmed(*command.material));
        if (options.material == nullptr) {
            error = Named("--material",
                Message(MessageId::UnknownMaterialOption,
                    {{"text", UserText(*command.material)}, {"keys", options.library.materials.Keys()}}));
            return false;
        }
        options.roughness = options.material->roughness;
    }
    if (command.seriesFile && !ReadFileSeries(*command.seriesFile, options, error))
        return false;
    // A schedule's nominal sizes are of a series too.
    if ((sizing || command.mode == Mode::Csv) && !ReadSeries(command, options, error))
        return false;
    options.bom = command.bom;

    // The water: at the temperature given, else at 10 °C for the default
    // viscosity; a viscosity typed is of water of unknown temperature.
    options.viscosity = command.viscosity;
    options.temperatureGiven = command.temperature.has_value();
    if (!ReadFluid(command, options, error))
        return false;
    if (options.fluid.kind != design::FluidKind::Water) {
        ReadBrine(*command.temperature, options);
    } else if (command.temperature) {
        std::optional<std::string> viscosity
            = ViscosityFromTemperature(*command.temperature, "--temperature", options.problems);
        options.viscosity = viscosity.value_or("");
        if (viscosity)
            options.celsius = ParseNumber(Trimmed(*command.temperature));
    } else if (!command.viscosityGiven) {
        options.celsius = design::kDefaultCelsius;
    }
    if (options.fluid.kind == design::FluidKind::Water) {
        Message unused;
        // A viscosity typed is of water of unknown temperature: its density and heat at 10 °C.
        const std::optional<design::FluidProperties> water
            = design::PropertiesAt(options.fluid, options.celsius.value_or(design::kDefaultCelsius), unused);
        options.density = water->density;
        options.specificHeat = water->specificHeat;
    }
    if (command.load && !ReadLoad(command, options, error))
        return false;
    if ((command.mode == Mode::Circuit || command.mode == Mode::Csv) && command.deltaT
        && !ReadNumber(command.deltaT, "--delta-t", messages::Positive("K"), options.deltaT, error))
        return false;

    if (!sizing)
        return true;
    // Sizing needs its inputs as numbers, checked as a calculation checks them.
    if (command.mode == Mode::Size)
        CheckInput(options.flow, "--flow", "m³/h", options.flowValue, options.problems);
    double value = 0;
    CheckInput(options.roughness, "--roughness", "mm", value, options.problems);
    if (!command.temperature || !options.viscosity.empty())
        CheckInput(options.viscosity, "--viscosity", "10^-6 m²/s", value, options.problems);

    double maxVelocity = 0;
    double headMargin = 10;
    double maxImbalance = 15;
    // Percentages; a margin of 0 is the user's to choose.
    if (!ReadNumber(command.headMargin, "--head-margin", messages::Between(0, 1000, "%"), headMargin, error)
        || !ReadNumber(command.staticHead, "--static-head", messages::Between(0, 1000, "m"), options.staticHead, error)
        || !ReadNumber(command.maxImbalance, "--max-imbalance", messages::Positive(), maxImbalance, error))
        return false;
    options.headMargin = headMargin / 100;
    options.maxImbalance = maxImbalance / 100;
    options.paths = command.paths;
    if (!ReadNumber(command.minRate, "--min-rate", messages::Positive(), options.minRate, error)
        || !ReadNumber(command.maxRate, "--max-rate", messages::Positive(), options.maxRate, error)
        || !ReadNumber(command.maxVelocity, "--max-velocity", messages::Positive(), maxVelocity, error))
        return false;
    if (command.maxVelocity)
        options.maxVelocity = maxVelocity;
    // --size has no lower limit: any --max-rate will do there.
    if (command.mode == Mode::Table && options.minRate >= options.maxRate) {
        error = Message(MessageId::MinRateNotBelowMaxRate,
            {{"minimum", ShortestText(options.minRate)}, {"maximum", ShortestText(options.maxRate)}});
        return false;
    }
    const std::string format = command.format.value_or("text");
    if (format != "text" && format != "csv"
        && !(command.mode == Mode::Circuit && (format == "xlsx" || format == "pdf"))) {
        error = Named("--format",
            Message(command.mode == Mode::Circuit ? MessageId::NotACircuitFormat : MessageId::NotTextOrCsv,
                {{"text", UserText(format)}}));
        return false;
    }
    options.csv = format == "csv";
    options.workbook = format == "xlsx";
    options.book = format == "pdf";
    options.output = command.output.value_or("");
    return true;
}

} // namespace vendrel::cli
