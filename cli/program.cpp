#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "cli/circuitrun.h"
#include "cli/commandline.h"
#include "cli/csvjob.h"
#include "cli/designchoices.h"
#include "cli/exitcodes.h"
#include "cli/messageout.h"
#include "cli/options.h"
#include "cli/platform.h"
#include "cli/sizelist.h"
#include "cli/strictcalculation.h"
#include "cli/usage.h"
#include "files/platform.h"
#include "vendrel/version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

using namespace vendrel;
using messages::Message;
using messages::MessageId;

void PrintResult(const char* label, const std::string& value)
{
    if (value.empty())
        std::printf("%s\n", label);
    else
        std::printf("%s %s\n", label, value.c_str());
}

int RunSingle(const cli::Options& options)
{
    FrictionFields fields;
    std::vector<Message> problems = options.problems;
    SetInputs(fields, options.flow, options.diameter, options.roughness, options.viscosity);
    // A temperature that gave no viscosity is reported; the other inputs are still checked.
    const bool viscosityKnown = !(options.temperatureGiven && options.viscosity.empty());
    const CalculationOutcome outcome = cli::CalculateStrictly(
        fields, {"--flow", "--diameter", "--roughness", viscosityKnown ? "--viscosity" : ""}, problems);

    // The flow the load gave and the viscosity the temperature gave, so the
    // user sees what was used.
    if (options.flowFromLoad && !options.flow.empty())
        PrintResult(labels::kFlow, options.flow);
    if (options.temperatureGiven && !options.viscosity.empty())
        PrintResult(labels::kViscosity, options.viscosity);
    PrintResult(labels::kVelocity, fields.m_strVelocity);
    PrintResult(labels::kReynolds, fields.m_strReynolds);
    PrintResult(labels::kLambda, fields.m_strLambda);
    PrintResult(labels::kFrictionRate, fields.m_strFrictionRate);
    PrintResult(labels::kRoughReynolds, fields.m_strRoughReynolds);
    std::printf("%s\n", fields.m_strStatus.c_str());

    for (const Message& problem : problems)
        cli::Say(stderr, problem, options.language);
    const bool calculated = outcome.zone != CalculationOutcome::Zone::Invalid
        && outcome.zone != CalculationOutcome::Zone::Failed && outcome.finite;
    return calculated ? cli::kExitSuccess : cli::kExitDataError;
}

int RunCsv(const cli::CommandLine& command, const cli::Options& options)
{
    // Someone watching a terminal sees each row as it is calculated. Else
    // the job writes blocks of its own, which a buffer would only copy.
    const bool rowByRow = cli::StandardOutputIsTerminal();
    if (!rowByRow)
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    // The command line's fluid, for the cells that leave theirs blank.
    for (const Message& problem : options.problems)
        cli::Say(stderr, problem, options.language);
    if (!options.problems.empty())
        return cli::kExitUsage;
    cli::CsvJobSettings settings;
    settings.materials = &options.library.materials;
    settings.series = options.series;
    settings.bom = options.bom;
    settings.rowByRow = rowByRow;
    settings.language = options.language;
    if (command.fluid) {
        settings.fluid = design::FluidKey(options.fluid.kind);
        if (options.fluid.kind != design::FluidKind::Water)
            settings.concentration = ShortestText(options.fluid.massPercent);
    }
    settings.temperature = command.temperature.value_or("");
    settings.deltaT = command.deltaT.value_or("");
    if (command.csvFile.empty()) {
        const std::string name = Message(MessageId::StandardInput).Text(options.language);
        return cli::RunCsvJob(stdin, name.c_str(), stdout, stderr, settings);
    }

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(files::OpenForReading(command.csvFile), &std::fclose);
    if (!file) {
        cli::Say(stderr, Message(MessageId::CannotOpen, {{"file", command.csvFile}, {"reason", std::strerror(errno)}}),
            options.language);
        return cli::kExitIncomplete;
    }
    return cli::RunCsvJob(file.get(), command.csvFile.c_str(), stdout, stderr, settings);
}

int Run(const std::vector<std::string>& args, messages::Language language)
{
    cli::CommandLine command;
    Message error;
    if (!cli::ParseCommandLine(args, command, error)) {
        cli::Say(stderr, error, language);
        std::fprintf(stderr, "%s\n", Message(MessageId::TryHelp).Text(language).c_str());
        return cli::kExitUsage;
    }
    switch (command.mode) {
    case cli::CommandLine::Mode::Help:
        std::fputs(cli::kUsage, stdout);
        return cli::kExitSuccess;
    case cli::CommandLine::Mode::Version:
        std::printf("vendrel-calc %s\n", VENDREL_VERSION);
        return cli::kExitSuccess;
    default:
        break;
    }
    // A circuit file's own settings count as options the command line does not give.
    cli::CircuitInput circuit;
    if (command.mode == cli::CommandLine::Mode::Circuit && !cli::ReadCircuitInput(command, circuit, stderr, language))
        return cli::kExitIncomplete;
    cli::Options options;
    options.language = language;
    const bool read = cli::ReadOptions(command, options, error);
    for (const Message& warning : options.library.warnings)
        cli::Say(stderr, Message(MessageId::LibraryFileLeftOut, {{"problem", warning}}), language);
    for (const Message& warning : options.warnings)
        cli::Say(stderr, warning, language);
    if (!read) {
        cli::Say(stderr, cli::OptionFromFile(circuit, error), language);
        return cli::kExitUsage;
    }
    switch (command.mode) {
    case cli::CommandLine::Mode::Csv:
        return RunCsv(command, options);
    case cli::CommandLine::Mode::Size:
        return cli::RunSizeList(options, stdout, stderr);
    case cli::CommandLine::Mode::Table:
        return cli::RunFlowTable(options, stdout, stderr);
    case cli::CommandLine::Mode::Circuit:
        // A workbook or a PDF on a terminal is bytes the user cannot read.
        if ((options.workbook || options.book) && options.output.empty() && cli::StandardOutputIsTerminal()) {
            cli::Say(
                stderr, Message(options.book ? MessageId::BookToTerminal : MessageId::WorkbookToTerminal), language);
            return cli::kExitUsage;
        }
        return cli::RunCircuit(circuit, options, stdout, stderr);
    case cli::CommandLine::Mode::MaterialList:
        cli::PrintMaterialList(options.library.materials, stdout);
        return cli::kExitSuccess;
    case cli::CommandLine::Mode::FittingsList:
        cli::PrintFittingsList(stdout);
        return cli::kExitSuccess;
    case cli::CommandLine::Mode::SeriesList:
        cli::PrintSeriesList(options.library.series, options.fileSeries ? &*options.fileSeries : nullptr, stdout);
        return cli::kExitSuccess;
    default:
        return RunSingle(options);
    }
}

} // namespace

int vendrel::cli::RunProgram(const std::vector<std::string>& args)
{
    const messages::Language language = MessageLanguage();
    const int status = Run(args, language);
    // Results that never reached their file are no results: a full disk or a
    // closed pipe must not end in success, whatever the mode.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || std::fclose(stdout) != 0) {
        if (status != cli::kExitIncomplete)
            cli::Say(stderr,
                Message(MessageId::CannotWriteResults, {{"reason", std::strerror(errno != 0 ? errno : EIO)}}),
                language);
        return cli::kExitIncomplete;
    }
    return status;
}
