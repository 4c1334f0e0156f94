#include "cli/commandline.h"
#include "tests/messagetext.h"

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
    messages::Message error;
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
        ValidCall{"load_instead_of_flow", {"--load", "100", "--delta-t", "5", "--diameter", "50"}, Mode::Single, "",
            "50", "0.2", "1.306", ""},
        ValidCall{"csv_of_a_series", {"--csv", "pipes.csv", "--series", "gb3091"}, Mode::Csv, "", "", "0.2", "1.306",
            "pipes.csv"},
        ValidCall{"series_file_listed", {"--series-list", "--series-file", "s.csv"}, Mode::SeriesList, "", "", "0.2",
            "1.306", ""},
        ValidCall{"help_wins", {"--flow", "10", "--help"}, Mode::Help, "10", "", "0.2", "1.306", ""},
        ValidCall{"version", {"--version"}, Mode::Version, "", "", "0.2", "1.306", ""}),
    [](const testing::TestParamInfo<ValidCall>& info) { return std::string(info.param.name); });

struct InvalidCall {
    const char* name;
    std::vector<std::string> args;
    messages::MessageId id;
    const char* english; // in the message
    const char* chinese;
};

void PrintTo(const InvalidCall& row, std::ostream* os)
{
    *os << row.name;
}

class InvalidCommandLine : public testing::TestWithParam<InvalidCall> { };

TEST_P(InvalidCommandLine, IsRefusedWithAReason)
{
    CommandLine command;
    messages::Message error;
    const InvalidCall& call = GetParam();
    EXPECT_FALSE(ParseCommandLine(call.args, command, error));
    EXPECT_EQ(error.Id(), call.id) << error;
    EXPECT_NE(English(error).find(call.english), std::string::npos) << English(error);
    EXPECT_NE(Chinese(error).find(call.chinese), std::string::npos) << Chinese(error);
}

using Id = messages::MessageId;
INSTANTIATE_TEST_SUITE_P(CommandLine, InvalidCommandLine,
    testing::Values(InvalidCall{"nothing", {}, Id::FlowAndDiameterRequired,
                        "--flow (or --load and --delta-t) and --diameter are required",
                        "须给出 --flow（或 --load 和 --delta-t）和 --diameter"},
        InvalidCall{"no_diameter", {"--flow", "10"}, Id::FlowAndDiameterRequired,
            "--flow (or --load and --delta-t) and --diameter are required",
            "须给出 --flow（或 --load 和 --delta-t）和 --diameter"},
        InvalidCall{"missing_value", {"--diameter", "50", "--flow"}, Id::NeedsValue, "--flow needs a value",
            "--flow 须带参数值"},
        InvalidCall{"unknown_option", {"--flwo", "10"}, Id::UnknownArgument, "unknown argument: --flwo",
            "无法识别的参数：--flwo"},
        InvalidCall{"stray_word", {"10", "50"}, Id::UnknownArgument, "unknown argument: 10", "无法识别的参数：10"},
        InvalidCall{"csv_with_single_inputs", {"--csv", "--flow", "10"}, Id::CsvOptions, "--csv takes no other options",
            "--csv 只能再带 --series、--series-file、--material-file、--bom，以及用于空白单元格的 --fluid"},
        InvalidCall{"two_modes", {"--csv", "--size", "--flow", "10"}, Id::CannotCombine,
            "--csv and --size cannot be combined", "--csv 与 --size 不能同时使用"},
        InvalidCall{"list_with_options", {"--material-list", "--flow", "10"}, Id::MaterialListOptions,
            "--material-list takes no other options", "--material-list 只能再带 --material-file"},
        InvalidCall{"series_list_with_options", {"--series-list", "--flow", "10"}, Id::SeriesListOptions,
            "--series-list takes no other options than --series-file and --material-file",
            "--series-list 只能再带 --series-file 和 --material-file"},
        InvalidCall{"material_and_roughness",
            {"--flow", "1", "--diameter", "5", "--material", "copper", "--roughness", "0.1"}, Id::MaterialOrRoughness,
            "--material and --roughness cannot both be given", "--material 与 --roughness 只能给一个"},
        InvalidCall{"fluid_and_viscosity",
            {"--flow", "1", "--diameter", "5", "--fluid", "eg", "--viscosity", "3", "--concentration", "30"},
            Id::FluidOrViscosity, "--fluid and --viscosity cannot both be given", "--fluid 与 --viscosity 只能给一个"},
        InvalidCall{"concentration_without_fluid", {"--flow", "1", "--diameter", "5", "--concentration", "30"},
            Id::ConcentrationNeedsFluid, "--concentration (or --volume-concentration) goes with --fluid eg",
            "--concentration（或 --volume-concentration）须与 --fluid eg"},
        InvalidCall{"load_in_a_circuit", {"--circuit", "c.csv", "--load", "100", "--delta-t", "5"},
            Id::LoadInCircuitRows, "a circuit's loads are in its load column", "管路的负荷在“负荷(kW)”列中给出"},
        InvalidCall{"mass_and_volume",
            {"--flow", "1", "--diameter", "5", "--fluid", "eg", "--concentration", "30", "--volume-concentration",
                "30"},
            Id::MassOrVolumeConcentration, "--concentration and --volume-concentration cannot both be given",
            "--concentration 与 --volume-concentration 只能给一个"},
        InvalidCall{"load_without_delta_t", {"--load", "100", "--diameter", "50"}, Id::LoadNeedsDeltaT,
            "--load and --delta-t go together", "--load 与 --delta-t 须一起给出"},
        InvalidCall{"load_and_flow", {"--load", "100", "--delta-t", "5", "--flow", "3", "--diameter", "50"},
            Id::LoadOrFlow, "--load and --flow cannot both be given", "--load 与 --flow 只能给一个"},
        InvalidCall{"load_in_a_table", {"--table", "--load", "100", "--delta-t", "5"}, Id::LoadForOnePipe,
            "go with the single calculation and --size", "用于单管计算和 --size"},
        InvalidCall{"size_with_diameter", {"--size", "--flow", "10", "--diameter", "50"}, Id::SizeChoosesDiameter,
            "--size chooses the diameter", "--size 自行选择管径"},
        InvalidCall{"size_without_flow", {"--size"}, Id::SizeNeedsFlow, "--size needs --flow", "--size 须给出 --flow"},
        InvalidCall{"table_with_flow", {"--table", "--flow", "10"}, Id::TableListsFlows,
            "--flow, --diameter and --max-velocity cannot", "不能再给 --flow、--diameter 或 --max-velocity"},
        InvalidCall{"min_rate_with_size", {"--size", "--flow", "10", "--min-rate", "50"}, Id::MinRateGoesWithTable,
            "--min-rate goes with --table", "--min-rate 只能与 --table 一起使用"},
        InvalidCall{"circuit_with_flow", {"--circuit", "c.csv", "--flow", "10"}, Id::CircuitReadsFlows,
            "--flow, --diameter and --min-rate cannot be given", "不能再给 --flow、--diameter 或 --min-rate"},
        InvalidCall{"circuit_without_file", {"--circuit"}, Id::CircuitNeedsFile, "--circuit needs a file",
            "--circuit 须给出文件"},
        InvalidCall{"series_without_size", {"--flow", "10", "--diameter", "50", "--series", "sch40"}, Id::SizingOptions,
            "go with --size or --table", "只能与 --size 或 --table 一起使用"},
        // The last of two values would otherwise win unseen.
        InvalidCall{"repeated_option", {"--flow", "10", "--diameter", "50", "--flow=12"}, Id::GivenTwice,
            "--flow given twice", "--flow 重复指定"},
        InvalidCall{"repeated_csv", {"--csv", "a.csv", "--csv", "b.csv"}, Id::GivenTwice, "--csv given twice",
            "--csv 重复指定"},
        InvalidCall{"option_taken_for_a_value", {"--flow", "--diameter", "50"}, Id::NeedsValue, "--flow needs a value",
            "--flow 须带参数值"},
        InvalidCall{
            "empty_csv_name", {"--csv="}, Id::CsvNeedsFileName, "--csv= needs a file name", "--csv= 须给出文件名"},
        InvalidCall{
            "value_for_a_mode", {"--table=gb3091"}, Id::TakesNoValue, "--table takes no value", "--table 不带参数值"},
        InvalidCall{"value_for_help", {"--help=all"}, Id::TakesNoValue, "--help takes no value", "--help 不带参数值"},
        InvalidCall{"bom_without_csv", {"--size", "--flow", "10", "--bom"}, Id::BomNeedsCsv,
            "--bom goes with CSV output", "--bom 只用于 CSV 输出"},
        InvalidCall{"paths_without_circuit_csv", {"--circuit", "c.csv", "--paths"}, Id::PathsNeedCircuitCsv,
            "--paths goes with --circuit and --format csv", "--paths 只能与 --circuit 和 --format csv 一起使用"},
        InvalidCall{"workbook_without_circuit", {"--size", "--flow", "10", "--format", "xlsx"},
            Id::WorkbookNeedsCircuit, "--format xlsx goes with --circuit", "--format xlsx 只能与 --circuit 一起使用"},
        InvalidCall{"output_without_workbook", {"--circuit", "c.csv", "--output", "c.xlsx"}, Id::OutputNeedsWorkbook,
            "--output goes with --circuit and --format xlsx", "--output 只能与 --circuit 和 --format xlsx"},
        InvalidCall{"margin_without_circuit", {"--size", "--flow", "10", "--head-margin", "5"}, Id::CircuitOnlyOptions,
            "--head-margin, --static-head and --max-imbalance go with --circuit", "只能与 --circuit 一起使用"},
        InvalidCall{"static_head_without_circuit", {"--size", "--flow", "10", "--static-head", "5"},
            Id::CircuitOnlyOptions, "--head-margin, --static-head", "只能与 --circuit 一起使用"},
        InvalidCall{"series_and_its_file", {"--size", "--flow", "10", "--series", "sch40", "--series-file", "s.csv"},
            Id::SeriesOrSeriesFile, "--series and --series-file cannot both be given",
            "--series 与 --series-file 只能给一个"},
        InvalidCall{"series_file_with_a_single_calculation", {"--flow", "10", "--diameter", "50", "--series-file", "s"},
            Id::SizingOptions, "go with --size or --table", "只能与 --size 或 --table 一起使用"},
        InvalidCall{"temperature_and_viscosity",
            {"--flow", "10", "--diameter", "50", "--temperature", "7", "--viscosity", "1.4"},
            Id::TemperatureOrViscosity, "--temperature and --viscosity cannot both be given",
            "--temperature 与 --viscosity 只能给一个（运动粘滞系数由水温求得）"}),
    [](const testing::TestParamInfo<InvalidCall>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vendrel::cli
