#include "cli/commandline.h"

#include "calc/fieldlabels.h"

#include <optional>
#include <string_view>

namespace vendrel::cli {

const char kUsage[] = R"(Usage:
  vendrel-calc --flow W --diameter D [--roughness K] [--viscosity NU | --temperature T]
  vendrel-calc --csv [FILE]

Friction loss of water flowing full in a round pipe.

  --flow W          water flow, m³/h
  --diameter D      clear inner diameter, mm
  --roughness K     absolute wall roughness, mm (default 0.2)
  --viscosity NU    kinematic viscosity, 10^-6 m²/s (default 1.306)
  --temperature T   water temperature, °C (0 to 100), instead of --viscosity:
                    the viscosity of water at T and 0.1 MPa (IAPWS 2008 with
                    Kell's density), with three decimals, is used and shown
  --csv [FILE]      calculate every row of a CSV file (standard input when no
                    FILE or FILE is -). The header names the columns, in any
                    case: flow and diameter, optionally roughness and
                    viscosity. The output is CSV with the four inputs, then
                    velocity, reynolds, lambda, friction_rate, rough_reynolds,
                    status, zone (laminar, critical, smooth, transition, rough,
                    failed or invalid) and residual (the number in the status).
                    Every row in gives one row out, in order.
  --help            show this help
  --version         show the version

Each value must be a number and nothing else: "." is the decimal point
whatever the locale, and units are not written ("10,5" and "50mm" are
refused). What cannot be calculated is reported on standard error.

Exit status:
  0  every result was calculated
  1  results were written, but some could not be calculated (a value that is
     not a number or below 0.000001, no friction law fitting its zone, or
     results that are not finite numbers)
  2  wrong usage
  3  results are missing: the input could not be read or is malformed CSV,
     or the output could not be written
)";

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& result, std::string& error)
{
    result = CommandLine{};
    result.roughness = labels::kDefaultRoughness;
    result.viscosity = labels::kDefaultViscosity;
    struct Option {
        std::string_view name;
        std::string* value;
        bool given;
    };
    std::string temperature;
    Option options[] = {{"--flow", &result.flow, false}, {"--diameter", &result.diameter, false},
        {"--roughness", &result.roughness, false}, {"--viscosity", &result.viscosity, false},
        {"--temperature", &temperature, false}};
    bool csv = false;
    bool single = false;

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

        if (name == "--help" || name == "-h") {
            result.mode = CommandLine::Mode::Help;
            return true;
        }
        if (name == "--version") {
            result.mode = CommandLine::Mode::Version;
            return true;
        }
        if (name == "--csv") {
            if (csv) {
                error = "--csv given twice";
                return false;
            }
            csv = true;
            if (inlineValue && inlineValue->empty()) {
                error = "--csv= needs a file name (or - for standard input)";
                return false;
            }
            if (inlineValue)
                result.csvFile = *inlineValue;
            else if (valueFollows)
                result.csvFile = args[++i];
            continue;
        }

        Option* option = nullptr;
        for (Option& candidate : options) {
            if (candidate.name == name)
                option = &candidate;
        }
        if (option == nullptr) {
            error = "unknown argument: " + std::string(arg);
            return false;
        }
        // The last of two values would win unseen; a script that repeats an
        // option has a mistake in it.
        if (option->given) {
            error = std::string(name) + " given twice";
            return false;
        }
        if (!inlineValue && !valueFollows) {
            error = std::string(name) + " needs a value";
            return false;
        }
        *option->value = inlineValue ? *inlineValue : args[++i];
        option->given = true;
        single = true;
    }

    if (csv && single) {
        error = "--csv cannot be combined with --flow, --diameter, --roughness, --viscosity or --temperature";
        return false;
    }
    if (options[3].given && options[4].given) {
        error = "--temperature and --viscosity cannot both be given (the temperature gives the viscosity)";
        return false;
    }
    if (options[4].given)
        result.temperature = temperature;
    if (csv) {
        result.mode = CommandLine::Mode::Csv;
        if (result.csvFile == "-")
            result.csvFile.clear();
        return true;
    }
    if (!options[0].given || !options[1].given) {
        error = "--flow and --diameter are required";
        return false;
    }
    return true;
}

} // namespace vendrel::cli
