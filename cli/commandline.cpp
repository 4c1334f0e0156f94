#include "cli/commandline.h"

#include "calc/fieldlabels.h"

#include <string_view>

namespace vendrel::cli {

const char kUsage[] = R"(Usage:
  vendrel-calc --flow W --diameter D [--roughness K] [--viscosity NU]
  vendrel-calc --csv [FILE]

Friction loss of water flowing full in a round pipe.

  --flow W          water flow, m³/h
  --diameter D      clear inner diameter, mm
  --roughness K     absolute wall roughness, mm (default 0.2)
  --viscosity NU    kinematic viscosity, 10^-6 m²/s (default 1.306)
  --csv [FILE]      calculate every row of a CSV file (standard input when no
                    FILE or FILE is -). The header names the columns: flow and
                    diameter, optionally roughness and viscosity. The output is
                    CSV with the four inputs, then velocity, reynolds, lambda,
                    friction_rate, rough_reynolds and status.
  --help            show this help
  --version         show the version

Numbers use "." as the decimal point whatever the locale.
Exit status: 0 results shown; 1 invalid data, no convergence or malformed CSV;
2 wrong usage.
)";

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& result, std::string& error)
{
    result = CommandLine{};
    result.roughness = labels::kDefaultRoughness;
    result.viscosity = labels::kDefaultViscosity;
    bool haveFlow = false;
    bool haveDiameter = false;
    bool csv = false;
    bool single = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string_view name = arg;
        std::string value;
        bool inlineValue = false;
        if (const auto eq = arg.find('='); arg.substr(0, 2) == "--" && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = std::string(arg.substr(eq + 1));
            inlineValue = true;
        }

        if (name == "--help" || name == "-h") {
            result.mode = CommandLine::Mode::Help;
            return true;
        }
        if (name == "--version") {
            result.mode = CommandLine::Mode::Version;
            return true;
        }
        if (name == "--csv") {
            csv = true;
            if (inlineValue)
                result.csvFile = value;
            else if (i + 1 < args.size() && args[i + 1].substr(0, 2) != "--")
                result.csvFile = args[++i];
            continue;
        }

        std::string* target = nullptr;
        if (name == "--flow")
            target = &result.flow, haveFlow = true;
        else if (name == "--diameter")
            target = &result.diameter, haveDiameter = true;
        else if (name == "--roughness")
            target = &result.roughness;
        else if (name == "--viscosity")
            target = &result.viscosity;
        if (target == nullptr) {
            error = "unknown argument: " + std::string(arg);
            return false;
        }
        if (!inlineValue) {
            // The value may start with "-" (a negative number is the user's to type).
            if (i + 1 == args.size()) {
                error = std::string(name) + " needs a value";
                return false;
            }
            value = args[++i];
        }
        *target = value;
        single = true;
    }

    if (csv && single) {
        error = "--csv cannot be combined with --flow, --diameter, --roughness or --viscosity";
        return false;
    }
    if (csv) {
        result.mode = CommandLine::Mode::Csv;
        if (result.csvFile == "-")
            result.csvFile.clear();
        return true;
    }
    if (!haveFlow || !haveDiameter) {
        error = "--flow and --diameter are required";
        return false;
    }
    return true;
}

} // namespace vendrel::cli
