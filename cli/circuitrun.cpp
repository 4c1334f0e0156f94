#include "cli/circuitrun.h"

#include "book/bookpdf.h"
#include "book/circuitbook.h"
#include "book/circuitworkbook.h"
#include "calc/numbertext.h"
#include "cli/circuittables.h"
#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "cli/messageout.h"
#include "cli/options.h"
#include "design/circuit.h"
#include "design/circuittexts.h"
#include "files/circuitreader.h"
#include "files/platform.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;

// The circuit's workbook or PDF book, to --output or to out.
bool WriteCircuitFile(const Options& options, const files::CircuitTable& table, const design::CircuitSettings& settings,
    const design::CircuitResult& result, std::FILE* out, std::FILE* err)
{
    book::BookSettings more;
    more.material = options.material;
    more.celsius = options.celsius;
    const book::CalculationBook book = book::CircuitBook(table, result, settings, more);
    const std::string target = options.output.empty() ? "-" : options.output;
    const auto fail = [&](const messages::Argument& reason) {
        Message message(
            options.book ? MessageId::BookNotWritten : MessageId::WorkbookNotWritten, {{"file", target}, reason});
        Say(err, message, options.language);
        return false;
    };
    std::string bytes;
    if (options.book) {
        Message error;
        if (!book::BookPdfBytes(book, files::BookFontFiles(), bytes, error))
            return fail({"reason", error});
    } else {
        std::string error;
        if (!book::CircuitWorkbookBytes(book, bytes, error))
            return fail({"reason", error});
    }
    std::string error;
    if (!options.output.empty())
        return files::WriteFileReplacing(options.output, bytes, error) || fail({"reason", error});
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fflush(out) != 0)
        return fail({"reason", std::strerror(errno)});
    return true;
}

// A problem of a section, where it is in the file.
Message InSection(const std::string& file, const files::CircuitTable& table, int section, const Message& problem)
{
    return Message(MessageId::InFileAt,
        {{"file", file},
            {"problem",
                Message(MessageId::AtSection,
                    {{"line", table.lines[static_cast<std::size_t>(section)]},
                        {"section", messages::UserText(table.sections[static_cast<std::size_t>(section)].id)},
                        {"problem", problem}})}});
}

// A problem the reader names a line for, in the file.
Message InFileAt(const std::string& file, const Message& problem)
{
    return Message(MessageId::InFileAt, {{"file", file}, {"problem", problem}});
}

} // namespace

bool ReadCircuitInput(CommandLine& command, CircuitInput& input, std::FILE* err, messages::Language language)
{
    const std::string& file = command.csvFile;
    input.name = file.empty() ? Message(MessageId::StandardInput).Text(language) : file;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> opened(nullptr, &std::fclose);
    if (!file.empty()) {
        opened.reset(files::OpenForReading(file));
        if (!opened) {
            Say(err, Message(MessageId::CannotOpen, {{"file", file}, {"reason", std::strerror(errno)}}), language);
            return false;
        }
    }
    std::vector<Message> problems;
    if (!files::ReadCircuitText(file.empty() ? stdin : opened.get(), input.table, problems)) {
        for (const Message& problem : problems)
            Say(err, InFileAt(input.name, problem), language);
        return false;
    }
    using Key = files::CircuitSettingKey;
    // The command line's roughness or material overrides the file's either, as does its water.
    const bool roughnessGiven = command.material || command.roughnessGiven;
    const bool waterGiven = command.temperature || command.viscosityGiven;
    // A fluid given, or a viscosity typed, stands for the file's fluid and its concentration together.
    const bool fluidGiven = command.fluid || command.viscosityGiven;
    for (const files::CircuitSetting& setting : input.table.settings) {
        if (setting.value.empty())
            continue; // the default
        const char* option = nullptr;
        const auto take = [&](std::optional<std::string>& field, const char* name) {
            if (!field) {
                field = setting.value;
                option = name;
            }
        };
        switch (setting.key) {
        case Key::Series:
            if (!command.seriesFile)
                take(command.series, "--series");
            break;
        case Key::Material:
            if (!roughnessGiven)
                take(command.material, "--material");
            break;
        case Key::Roughness:
            if (!roughnessGiven) {
                command.roughness = setting.value;
                command.roughnessGiven = true;
                option = "--roughness";
            }
            break;
        case Key::Fluid:
            if (!fluidGiven)
                take(command.fluid, "--fluid");
            break;
        case Key::Concentration:
            if (!fluidGiven)
                take(command.concentration, "--concentration");
            break;
        case Key::DeltaT:
            take(command.deltaT, "--delta-t");
            break;
        case Key::Temperature:
            if (!waterGiven)
                take(command.temperature, "--temperature");
            break;
        case Key::Viscosity:
            if (!waterGiven) {
                command.viscosity = setting.value;
                command.viscosityGiven = true;
                option = "--viscosity";
            }
            break;
        case Key::MaxRate:
            take(command.maxRate, "--max-rate");
            break;
        case Key::MaxVelocity:
            take(command.maxVelocity, "--max-velocity");
            break;
        case Key::HeadMargin:
            take(command.headMargin, "--head-margin");
            break;
        case Key::StaticHead:
            take(command.staticHead, "--static-head");
            break;
        case Key::MaxImbalance:
            take(command.maxImbalance, "--max-imbalance");
            break;
        }
        if (option != nullptr)
            input.fromFile.push_back({option, setting.line, files::CircuitSettingTitle(setting.key)});
    }
    return true;
}

Message OptionFromFile(const CircuitInput& input, const Message& message)
{
    const auto atSetting = [&](const std::string& option, const messages::Argument& problem) {
        for (const CircuitInput::Origin& origin : input.fromFile) {
            if (option == origin.option)
                return InFileAt(input.name,
                    Message(MessageId::AtSetting, {{"line", origin.line}, {"setting", origin.setting}, problem}));
        }
        return message;
    };
    if (message.Empty())
        return message;
    // What the fluid settings lack or should not have, as the window says it of them.
    struct Wording {
        MessageId option;
        const char* name;
        MessageId setting;
    };
    static constexpr Wording kWordings[] = {
        {MessageId::BrineNeedsConcentration, "--fluid", MessageId::BrineSettingNeedsConcentration},
        {MessageId::BrineNeedsTemperature, "--fluid", MessageId::BrineSettingNeedsTemperature},
        {MessageId::BrineTakesNoViscosity, "--viscosity", MessageId::BrineSettingTakesNoViscosity},
        {MessageId::WaterTakesNoConcentration, "--concentration", MessageId::ConcentrationWithoutGlycol},
    };
    for (const Wording& wording : kWordings) {
        if (message.Id() == wording.option)
            return atSetting(wording.name, {"problem", Message(wording.setting)});
    }
    const messages::Argument* name = message.Find("name");
    if (message.Id() != MessageId::Named || name == nullptr)
        return message;
    return atSetting(name->text, *message.Find("problem"));
}

int RunCircuit(CircuitInput& input, const Options& options, std::FILE* out, std::FILE* err)
{
    const std::string& name = input.name;
    files::CircuitTable& table = input.table;
    const messages::Language language = options.language;
    if (!options.problems.empty()) {
        for (const Message& problem : options.problems)
            Say(err, OptionFromFile(input, problem), language);
        return kExitUsage;
    }
    std::vector<Message> problems;
    if (!files::ReadCircuitRows(
            table, table.headerLine, *options.series, options.library.materials, options.fluid, problems)) {
        for (const Message& problem : problems)
            Say(err, InFileAt(name, problem), language);
        return kExitIncomplete;
    }
    // Calculated all the same, as a brine near freezing in the settings is.
    for (const files::CellProblem& warning : table.cellWarnings)
        Say(err, InFileAt(name, files::AtCellOf(table, warning)), language);
    design::CircuitSettings settings;
    settings.series = options.series;
    settings.plastic = options.seriesPlastic;
    settings.roughness = options.roughness;
    settings.viscosity = options.viscosity;
    settings.fluid = options.fluid;
    settings.density = options.density;
    settings.specificHeat = options.specificHeat;
    if (options.deltaT > 0)
        settings.deltaT = options.deltaT;
    settings.maxPascalsPerMetre = options.maxRate;
    settings.maxVelocity = options.maxVelocity;
    settings.headMargin = options.headMargin;
    settings.staticHead = options.staticHead;
    settings.maxImbalance = options.maxImbalance;
    const design::CircuitResult result = design::CalculateCircuit(table.sections, settings);
    if (!result.errors.empty()) {
        for (const design::NetworkProblem& problem : result.errors) {
            Say(err,
                problem.section >= 0 ? InSection(name, table, problem.section, problem.message)
                                     : Message(MessageId::InFile, {{"file", name}, {"problem", problem.message}}),
                language);
        }
        return kExitIncomplete;
    }
    if (options.workbook || options.book) {
        if (!WriteCircuitFile(options, table, settings, result, out, err))
            return kExitIncomplete;
    } else if (options.csv) {
        WriteCircuitCsv(options, table, result, out);
    } else {
        WriteCircuitText(name, options, table, result, out);
    }

    int status = kExitSuccess;
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        if (!result.sections[s].problem.Empty()) {
            Say(err, InSection(name, table, static_cast<int>(s), result.sections[s].problem), language);
            status = kExitDataError;
        }
        for (const Message& warning : result.sections[s].Warnings()) {
            Say(err, InSection(name, table, static_cast<int>(s), warning), language);
            status = kExitDataError;
        }
    }
    // A large network can have thousands: the first few here, all in the path table.
    constexpr std::size_t kNamedPaths = 10;
    std::size_t unbalanced = 0;
    for (const design::CircuitPath& path : result.paths) {
        if (path.unbalanced && ++unbalanced <= kNamedPaths)
            Say(err,
                Message(MessageId::InFile,
                    {{"file", name},
                        {"problem",
                            Message(MessageId::PathOutOfBalance,
                                {{"path", design::PathName(path, result, table.sections)},
                                    {"imbalance", design::PercentText(path.imbalance)},
                                    {"limit", design::LimitText(options.maxImbalance)}})}}),
                language);
    }
    if (unbalanced > kNamedPaths)
        Say(err,
            Message(MessageId::InFile,
                {{"file", name},
                    {"problem", Message(MessageId::MorePathsOutOfBalance, {{"count", unbalanced - kNamedPaths}})}}),
            language);
    if (unbalanced > 0)
        status = kExitDataError;
    return status;
}

} // namespace vendrel::cli
