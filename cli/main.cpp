#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "calc/messages.h"
#include "cli/commandline.h"
#include "cli/csvjob.h"
#include "cli/exitcodes.h"
#include "vendrel/version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using namespace vendrel;

void PrintResult(const char* label, const std::string& value)
{
    if (value.empty())
        std::printf("%s\n", label);
    else
        std::printf("%s %s\n", label, value.c_str());
}

int RunSingle(const cli::CommandLine& command)
{
    FrictionFields fields;
    fields.m_strFlow = command.flow;
    fields.m_strDiameter = command.diameter;
    fields.m_strRoughness = command.roughness;
    fields.m_strViscosity = command.viscosity;
    Calculate(fields);

    PrintResult(labels::kVelocity, fields.m_strVelocity);
    PrintResult(labels::kReynolds, fields.m_strReynolds);
    PrintResult(labels::kLambda, fields.m_strLambda);
    PrintResult(labels::kFrictionRate, fields.m_strFrictionRate);
    PrintResult(labels::kRoughReynolds, fields.m_strRoughReynolds);
    std::printf("%s\n", fields.m_strStatus.c_str());

    const bool noResult
        = fields.m_strReynolds == messages::kInvalidData || fields.m_strStatus == messages::kIterationFailed;
    return noResult ? cli::kExitDataError : cli::kExitSuccess;
}

int RunCsv(const cli::CommandLine& command)
{
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    if (command.csvFile.empty())
        return cli::RunCsvJob(stdin, "standard input", stdout, stderr);

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(command.csvFile.c_str(), "rb"), &std::fclose);
    if (!file) {
        std::fprintf(stderr, "vendrel-calc: cannot open %s: %s\n", command.csvFile.c_str(), std::strerror(errno));
        return cli::kExitDataError;
    }
    return cli::RunCsvJob(file.get(), command.csvFile.c_str(), stdout, stderr);
}

} // namespace

int main(int argc, char** argv)
{
    cli::CommandLine command;
    std::string error;
    if (!cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), command, error)) {
        std::fprintf(stderr, "vendrel-calc: %s\n\n%s", error.c_str(), cli::kUsage);
        return cli::kExitUsage;
    }
    switch (command.mode) {
    case cli::CommandLine::Mode::Help:
        std::fputs(cli::kUsage, stdout);
        return cli::kExitSuccess;
    case cli::CommandLine::Mode::Version:
        std::printf("vendrel-calc %s\n", VENDREL_VERSION);
        return cli::kExitSuccess;
    case cli::CommandLine::Mode::Csv:
        return RunCsv(command);
    case cli::CommandLine::Mode::Single:
        break;
    }
    return RunSingle(command);
}
