#include "cli/commandline.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace vendrel::cli {
namespace {

using Mode = CommandLine::Mode;

struct ValidCall {
    const char* name;
    std::vector<std::string> args;
    Mode mode;
    const char* flow;
    const char* diameter;
    const char* roughness;
    const char* viscosity;
    const char* csvFile;
};

void PrintTo(const ValidCall& row, std::ostream* os)
{
    *os << row.name;
}

class ValidCommandLine : public testing::TestWithParam<ValidCall> { };

TEST_P(ValidCommandLine, IsUnderstood)
{
    const ValidCall& c = GetParam();
    CommandLine command;
    std::string error;
    ASSERT_TRUE(ParseCommandLine(c.args, command, error)) << error;
    EXPECT_EQ(command.mode, c.mode);
    EXPECT_EQ(command.flow, c.flow);
    EXPECT_EQ(command.diameter, c.diameter);
    EXPECT_EQ(command.roughness, c.roughness);
    EXPECT_EQ(command.viscosity, c.viscosity);
    EXPECT_EQ(command.csvFile, c.csvFile);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, ValidCommandLine,
    testing::Values(
        ValidCall{"defaults", {"--flow", "10", "--diameter", "50"}, Mode::Single, "10", "50", "0.2", "1.306", ""},
        ValidCall{"all_inputs_with_equals", {"--flow=10", "--diameter=50", "--roughness=0.001", "--viscosity=1.0"},
            Mode::Single, "10", "50", "0.001", "1.0", ""},
        // Values are passed on as typed, even when they are not numbers.
        ValidCall{"texts_kept_as_typed", {"--diameter", " 50mm", "--flow", "-1"}, Mode::Single, "-1", " 50mm", "0.2",
            "1.306", ""},
        ValidCall{"csv_from_stdin", {"--csv"}, Mode::Csv, "", "", "0.2", "1.306", ""},
        ValidCall{"csv_dash_is_stdin", {"--csv", "-"}, Mode::Csv, "", "", "0.2", "1.306", ""},
        ValidCall{"csv_file", {"--csv", "pipes.csv"}, Mode::Csv, "", "", "0.2", "1.306", "pipes.csv"},
        ValidCall{"csv_for_excel_with_own_materials", {"--csv", "pipes.csv", "--bom", "--material-file", "m.csv"},
            Mode::Csv, "", "", "0.2", "1.306", "pipes.csv"},
        ValidCall{"series_file_listed", {"--series-list", "--series-file", "s.csv"}, Mode::SeriesList, "", "", "0.2",
            "1.306", ""},
        ValidCall{"help_wins", {"--flow", "10", "--help"}, Mode::Help, "10", "", "0.2", "1.306", ""},
        ValidCall{"version", {"--version"}, Mode::Version, "", "", "0.2", "1.306", ""}),
    [](const testing::TestParamInfo<ValidCall>& info) { return std::string(info.param.name); });

struct InvalidCall {
    const char* name;
    std::vector<std::string> args;
    const char* error;
};

void PrintTo(const InvalidCall& row, std::ostream* os)
{
    *os << row.name;
}

class InvalidCommandLine : public testing::TestWithParam<InvalidCall> { };

TEST_P(InvalidCommandLine, IsRefusedWithAReason)
{
    CommandLine command;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(GetParam().args, command, error));
    EXPECT_NE(error.find(GetParam().error), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(CommandLine, InvalidCommandLine,
    testing::Values(InvalidCall{"nothing", {}, "--flow and --diameter are required"},
        InvalidCall{"no_diameter", {"--flow", "10"}, "--flow and --diameter are required"},
        InvalidCall{"missing_value", {"--diameter", "50", "--flow"}, "--flow needs a value"},
        InvalidCall{"unknown_option", {"--flwo", "10"}, "unknown argument: --flwo"},
        InvalidCall{"stray_word", {"10", "50"}, "unknown argument: 10"},
        InvalidCall{"csv_with_single_inputs", {"--csv", "--flow", "10"}, "--csv takes no other options"},
        InvalidCall{"two_modes", {"--csv", "--size", "--flow", "10"}, "--csv and --size cannot be combined"},
        InvalidCall{"list_with_options", {"--material-list", "--flow", "10"}, "--material-list takes no other options"},
        InvalidCall{"material_and_roughness",
            {"--flow", "1", "--diameter", "5", "--material", "copper", "--roughness", "0.1"},
            "--material and --roughness cannot both be given"},
        InvalidCall{
            "size_with_diameter", {"--size", "--flow", "10", "--diameter", "50"}, "--size chooses the diameter"},
        InvalidCall{"size_without_flow", {"--size"}, "--size needs --flow"},
        InvalidCall{"table_with_flow", {"--table", "--flow", "10"}, "--flow, --diameter and --max-velocity cannot"},
        InvalidCall{"series_without_size", {"--flow", "10", "--diameter", "50", "--series", "sch40"},
            "go with --size or --table"},
        // The last of two values would otherwise win unseen.
        InvalidCall{"repeated_option", {"--flow", "10", "--diameter", "50", "--flow=12"}, "--flow given twice"},
        InvalidCall{"repeated_csv", {"--csv", "a.csv", "--csv", "b.csv"}, "--csv given twice"},
        InvalidCall{"option_taken_for_a_value", {"--flow", "--diameter", "50"}, "--flow needs a value"},
        InvalidCall{"empty_csv_name", {"--csv="}, "--csv= needs a file name"},
        InvalidCall{"value_for_a_mode", {"--table=gb3091"}, "--table takes no value"},
        InvalidCall{"value_for_help", {"--help=all"}, "--help takes no value"},
        InvalidCall{"bom_without_csv", {"--size", "--flow", "10", "--bom"}, "--bom goes with CSV output"},
        InvalidCall{"series_and_its_file", {"--size", "--flow", "10", "--series", "sch40", "--series-file", "s.csv"},
            "--series and --series-file cannot both be given"},
        InvalidCall{"series_file_with_a_single_calculation", {"--flow", "10", "--diameter", "50", "--series-file", "s"},
            "go with --size or --table"},
        InvalidCall{"temperature_and_viscosity",
            {"--flow", "10", "--diameter", "50", "--temperature", "7", "--viscosity", "1.4"},
            "--temperature and --viscosity cannot both be given"}),
    [](const testing::TestParamInfo<InvalidCall>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vendrel::cli
