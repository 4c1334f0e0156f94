// Runs the built vendrel-calc as a user's script would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProcessResult {
    int status = -1;
    long maxResidentKiB = 0;
    std::string out;
    std::string err;
};

std::string TempPath(const std::string& name)
{
    return testing::TempDir() + "vendrel_" + std::to_string(::getpid()) + "_" + name;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Where the program's standard streams lead, besides the defaults.
constexpr char kClosed[] = "(closed)";          // no descriptor at all
constexpr char kBrokenPipe[] = "(broken pipe)"; // a pipe nobody reads, SIGPIPE ignored

// The test's environment without its locale, and with locale's variables
// ("LANG=zh_CN.UTF-8") instead.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& locale)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string entry = *variable;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "LANGUAGE" && name != "LC_ALL" && name != "LC_MESSAGES" && name != "LANG")
            variables.push_back(entry);
    }
    variables.insert(variables.end(), locale.begin(), locale.end());
    return variables;
}

// Starts vendrel-calc with args, stdin from input and stdout to output (a
// temporary file when empty), and collects its exit status, both outputs
// and peak memory; in the test's environment, or with a locale of its own.
ProcessResult RunCalc(std::vector<std::string> args, const std::string& input = "/dev/null", std::string output = "",
    const std::vector<std::string>* locale = nullptr)
{
    const std::string errPath = TempPath("stderr");
    const bool captureOut = output.empty();
    if (captureOut)
        output = TempPath("stdout");
    args.insert(args.begin(), VENDREL_CALC_EXE);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (input == kClosed)
        posix_spawn_file_actions_addclose(&actions, 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    int pipeEnds[2] = {-1, -1};
    if (output == kBrokenPipe) {
        if (::pipe(pipeEnds) != 0)
            return {};
        ::close(pipeEnds[0]);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // An ignored signal stays ignored across exec, as for a child of Python.
    const auto previousSigpipe = std::signal(SIGPIPE, output == kBrokenPipe ? SIG_IGN : SIG_DFL);
    std::vector<std::string> variables;
    std::vector<char*> envp;
    if (locale != nullptr) {
        variables = EnvironmentWith(*locale);
        for (std::string& variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
    }
    pid_t pid = 0;
    ProcessResult result;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), locale != nullptr ? envp.data() : environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
            result.status = WEXITSTATUS(status);
        result.maxResidentKiB = usage.ru_maxrss;
    }
    std::signal(SIGPIPE, previousSigpipe);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeEnds[1] >= 0)
        ::close(pipeEnds[1]);
    if (captureOut) {
        result.out = ReadFile(output);
        std::remove(output.c_str());
    }
    result.err = ReadFile(errPath);
    std::remove(errPath.c_str());
    return result;
}

TEST(VendrelCalc, PrintsTheWorkedExampleWithTheDialogLabels)
{
    const ProcessResult result = RunCalc({"--flow", "10", "--diameter", "50"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
        "实际流速(V:m/s) 1.414711\n"
        "雷诺数(Re) 54161\n"
        "摩擦阻力系数(λ) 0.030320\n"
        "比摩阻(Rf:mm水柱/m) 61.875887\n"
        "粗糙雷诺数(Re*) 13.337383\n"
        "过渡区：λ误差为-0.029784^-6\n");
}

// The examples in --help are lines of what the commands really print.
TEST(VendrelCalc, HelpExamplesAreRealOutput)
{
    std::istringstream help(RunCalc({"--help"}).out);
    std::string line;
    std::string output;
    int checked = 0;
    while (std::getline(help, line)) {
        if (line.rfind("  $ vendrel-calc ", 0) == 0) {
            std::vector<std::string> args;
            std::istringstream words(line.substr(17));
            for (std::string word; words >> word;)
                args.push_back(word);
            output = RunCalc(args).out;
        } else if (!output.empty() && line.rfind("  ", 0) == 0) {
            EXPECT_NE(output.find(line.substr(2) + "\n"), std::string::npos) << line;
            ++checked;
        } else {
            output.clear();
        }
    }
    EXPECT_EQ(checked, 4);
}

// What the manual says each exit status means, as plain text: the
// paragraph under ".B N" of its EXIT STATUS section, roff markup taken out.
std::string DocumentedStatus(int status)
{
    std::istringstream manual(ReadFile(VENDREL_MANUAL));
    std::string line;
    std::string text;
    bool inSection = false;
    bool inStatus = false;
    while (std::getline(manual, line)) {
        if (line.rfind(".SH", 0) == 0)
            inSection = line == ".SH EXIT STATUS";
        else if (inSection && line.rfind(".B ", 0) == 0 && line.size() == 4 && std::isdigit(line[3]))
            inStatus = line[3] - '0' == status;
        else if (inSection && inStatus && line != ".TP")
            text += (line.rfind(".B ", 0) == 0 ? line.substr(3) : line) + " ";
    }
    for (std::size_t at = 0; (at = text.find("\\-", at)) != std::string::npos;)
        text.replace(at, 2, "-");
    for (std::size_t at = 0; (at = text.find("\\(deC", at)) != std::string::npos;)
        text.replace(at, 5, "°C");
    return text;
}

struct ExitCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* outStart;
    const char* errStart = "";
    // What the manual's entry for the status names this case by.
    const char* documented = "";
    const char* input = "/dev/null";
    const char* output = ""; // captured
};

void PrintTo(const ExitCase& row, std::ostream* os)
{
    *os << row.name;
}

class ExitStatus : public testing::TestWithParam<ExitCase> { };

// Each mode through each status it can end in, and the manual says so.
TEST_P(ExitStatus, TellsScriptsWhatHappenedAsTheManualSays)
{
    const ExitCase& c = GetParam();
    const ProcessResult result = RunCalc(c.args, c.input, c.output);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out.rfind(c.outStart, 0), 0u) << result.out;
    EXPECT_EQ(result.err.rfind(c.errStart, 0), 0u) << result.err;
    if (*c.errStart == '\0') {
        EXPECT_EQ(result.err, "");
    }
    if (c.status == 2) {
        EXPECT_EQ(result.out, "") << "nothing is written";
    }
    const std::string documented = DocumentedStatus(c.status);
    EXPECT_NE(documented.find(c.documented), std::string::npos) << c.documented << "\nnot in: " << documented;
}

const char kSizeCsvHeader[] = "nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended,"
                              "max_velocity\n";
const char kTableCsvHeader[] = "nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\n";

INSTANTIATE_TEST_SUITE_P(VendrelCalc, ExitStatus,
    testing::Values(
        // A single calculation.
        ExitCase{"single", {"--flow", "10", "--diameter", "50"}, 0, "实际流速(V:m/s) 1.414711\n", "",
            "every result was calculated"},
        ExitCase{"invalid_data", {"--flow", "0", "--diameter", "50"}, 1, "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --flow: \"0\" is below 0.000001 m³/h\n", "is below 0.000001"},
        ExitCase{"below_the_range", {"--flow", "1e-7", "--diameter", "50"}, 1, "实际流速(V:m/s)\n",
            "vendrel-calc: --flow: \"1e-7\" is below 0.000001 m³/h\n", "is below 0.000001"},
        // The calculator fails here; the hint is what the design aids show.
        ExitCase{"iteration_failed", {"--flow", "3.2", "--diameter", "50", "--roughness", "2"}, 1,
            "实际流速(V:m/s) 0.452707\n",
            "vendrel-calc: no friction law's solution lies in its own zone (迭代失败); by the Colebrook–White law "
            "alone λ is 0.066072 and Rf 13.807461 mm/m\n",
            "no friction law fitting its zone"},
        ExitCase{"not_a_number", {"--flow", "10,5", "--diameter", "50"}, 1, "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --flow: \"10,5\" is not a number (use \".\" as the decimal point)\n", "not a number"},
        ExitCase{"not_finite", {"--flow", "10", "--diameter", "1e200"}, 1, "实际流速(V:m/s) 0.000000\n",
            "vendrel-calc: the results are not finite numbers: check the units", "not finite numbers"},
        ExitCase{"usage_error", {"--flow", "10"}, 2, "",
            "vendrel-calc: --flow (or --load and --delta-t) and --diameter are required\nTry 'vendrel-calc --help'.\n",
            "wrong usage"},
        // The viscosity of water at 10 °C is the default, and is shown.
        ExitCase{"temperature", {"--temperature", "10", "--flow", "10", "--diameter", "50"}, 0,
            "运动粘滞系数υ(10^-6m^2/s) 1.306\n实际流速(V:m/s) 1.414711\n雷诺数(Re) 54161\n", "",
            "every result was calculated"},
        ExitCase{"temperature_out_of_range", {"--temperature", "101", "--flow", "10", "--diameter", "50"}, 1,
            "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --temperature: \"101\" is outside 0 to 100 °C, the range of liquid water at 0.1 MPa\n",
            "a temperature outside 0 to 100 °C"},
        // A temperature that gives no viscosity hides no other mistake.
        ExitCase{"temperature_and_flow_wrong", {"--temperature", "200", "--flow", "abc", "--diameter", "50"}, 1,
            "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --temperature: \"200\" is outside 0 to 100 °C, the range of liquid water at 0.1 MPa\n"
            "vendrel-calc: --flow: \"abc\" is not a number\n",
            "a temperature outside 0 to 100 °C"},
        // A brine at its temperature gives its viscosity; near freezing, a warning.
        ExitCase{"brine",
            {"--flow", "10", "--diameter", "50", "--fluid", "eg", "--concentration", "30", "--temperature", "-5"}, 0,
            "运动粘滞系数υ(10^-6m^2/s) 5.022\n实际流速(V:m/s) 1.414711\n雷诺数(Re) 14085\n", "",
            "every result was calculated"},
        ExitCase{"brine_near_freezing",
            {"--flow", "10", "--diameter", "50", "--fluid", "乙二醇", "--concentration", "30", "--temperature", "-13"},
            0, "运动粘滞系数υ(10^-6m^2/s) 7.105\n",
            "vendrel-calc: ethylene glycol brine of 30 % by mass freezes at -14.6 °C, less than 3 K below \"-13\" "
            "°C\n",
            "every result was calculated"},
        // A load at a temperature difference gives the flow: 100 kW at 5 K is 17.166 m³/h of water at 10 °C.
        ExitCase{"load", {"--load", "100", "--delta-t", "5", "--diameter", "50"}, 0,
            "水流量(W:立方米/小时) 17.166\n实际流速(V:m/s) 2.428492\n", "", "every result was calculated"},
        ExitCase{"size_load_of_a_brine",
            {"--size", "--load", "100", "--delta-t", "5", "--fluid", "eg", "--concentration", "30", "--temperature",
                "0"},
            0,
            "钢管 Schedule 40（ASME B36.10M） (sch40)\n流量 18.835 m³/h（负荷 100 kW，温差 5 K），管材 "
            "钢管（闭式水系统），"
            "粗糙度 K 0.2 mm，乙二醇水溶液 30%（质量） 0 °C，冰点 -14.6 °C，运动粘滞系数 4.113 ×10⁻⁶ m²/s，"
            "密度 1045.0 kg/m³\n",
            "", "every result was calculated"},
        ExitCase{"brine_without_temperature",
            {"--flow", "10", "--diameter", "50", "--fluid", "pg", "--concentration", "30"}, 2, "",
            "vendrel-calc: --fluid pg needs --temperature, the brine's, in °C\n", "wrong usage"},
        ExitCase{"unknown_fluid", {"--flow", "10", "--diameter", "50", "--fluid", "brine", "--temperature", "5"}, 2, "",
            "vendrel-calc: --fluid: unknown fluid \"brine\" (water, eg or pg; 水, 乙二醇 or 丙二醇)\n", "wrong usage"},
        ExitCase{"material", {"--flow", "10", "--diameter", "50", "--material", "Steel-New"}, 0,
            "实际流速(V:m/s) 1.414711\n雷诺数(Re) 54161\n摩擦阻力系数(λ) 0.023473\n", "", "every result"},
        ExitCase{"unknown_material", {"--flow", "10", "--diameter", "50", "--material", "gold"}, 2, "",
            "vendrel-calc: --material: unknown material \"gold\" (one of steel-closed, steel-open, steel-new",
            "an unknown material or series"},
        ExitCase{"single_to_full_disk", {"--flow", "10", "--diameter", "50"}, 3, "",
            "vendrel-calc: cannot write the results: No space left on device\n", "the output could not be written",
            "/dev/null", "/dev/full"},
        // A schedule.
        ExitCase{
            "csv", {"--csv", VENDREL_EXAMPLES "/schedule.csv"}, 0, "管段,flow,diameter,roughness", "", "every result"},
        ExitCase{"csv_row_not_calculated", {"--csv"}, 1, "flow,diameter,roughness",
            "vendrel-calc: standard input, line 3: no friction law", "no friction law fitting its zone",
            VENDREL_EXAMPLES "/../../fuzz/corpus/csvreader/schedule.csv"},
        ExitCase{"csv_for_excel", {"--csv", VENDREL_EXAMPLES "/../../fuzz/corpus/csvreader/crlf.csv", "--bom"}, 1,
            "\xEF\xBB\xBF"
            "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,"
            "status,zone,residual\r\n\"1,0\",50,0.2,1.306,,数据有误,,,,,invalid,\r\n",
            "vendrel-calc: ", "a value that is not a number"},
        // The command line's fluid for the cells left blank: 30 % glycol at the row's 7 °C.
        ExitCase{"csv_of_the_command_lines_fluid",
            {"--csv", VENDREL_EXAMPLES "/schedule.csv", "--fluid", "eg", "--concentration", "30", "--temperature",
                "-5"},
            0,
            "管段,flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status,zone,"
            "residual,备注\nL1,40,102.26,0.2,3.176,",
            "", "every result was calculated"},
        ExitCase{"csv_empty", {"--csv"}, 3, "", "vendrel-calc: standard input, line 1: no header line",
            "the CSV file is malformed"},
        ExitCase{"csv_with_single_options", {"--csv", "--flow", "10"}, 2, "",
            "vendrel-calc: --csv takes no other options than --series, --series-file, --material-file, --bom, and "
            "--fluid",
            "an unknown or repeated option"},
        ExitCase{"missing_file", {"--csv", "/nonexistent/pipes.csv"}, 3, "",
            "vendrel-calc: cannot open /nonexistent/pipes.csv: No such file or directory\n",
            "the input could not be opened or read"},
        ExitCase{"directory", {"--csv", "/"}, 3, "", "vendrel-calc: cannot read /: Is a directory\n",
            "the input could not be opened or read"},
        ExitCase{"stdin_closed", {"--csv"}, 3, "", "vendrel-calc: cannot read standard input: Bad file descriptor\n",
            "the input could not be opened or read", kClosed},
        ExitCase{"bad_materials_file", {"--csv", "--material-file", "/nonexistent/m.csv"}, 2, "",
            "vendrel-calc: --material-file: cannot open /nonexistent/m.csv", "a series or materials file that cannot"},
        // --size.
        ExitCase{"size_list", {"--size", "--flow", "40"}, 0,
            "钢管 Schedule 40（ASME B36.10M） (sch40)\n流量 40 m³/h，管材 钢管（闭式水系统），粗糙度 K 0.2 mm", "",
            "every result was calculated"},
        ExitCase{"size_csv", {"--size", "--flow", "40", "--format", "csv", "--max-velocity", "1.5"}, 0,
            "nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended,max_velocity\n"
            "DN15,15.76,56.958059,387479.834184,3798873.3,rough,no,1.5\n",
            "", "every result"},
        // --size has no lower limit, so a low --max-rate is no usage error.
        ExitCase{"size_low_max_rate", {"--size", "--flow", "10", "--max-rate", "80"}, 0, "钢管 Schedule 40", "",
            "every result"},
        ExitCase{"size_not_finite", {"--size", "--flow", "1e300", "--format", "csv"}, 1, kSizeCsvHeader,
            "vendrel-calc: DN15 (15.76 mm): the results are not finite numbers", "a size of --size without a loss"},
        ExitCase{"size_flow_not_a_number", {"--size", "--flow", "abc"}, 2, "",
            "vendrel-calc: --flow: \"abc\" is not a number\n", "cannot calculate with"},
        ExitCase{"size_temperature_out_of_range", {"--size", "--flow", "40", "--temperature", "101"}, 2, "",
            "vendrel-calc: --temperature: \"101\" is outside 0 to 100 °C", "cannot calculate with"},
        ExitCase{"size_brine",
            {"--size", "--flow", "30", "--fluid", "eg", "--concentration", "30", "--temperature", "-5"}, 0,
            "钢管 Schedule 40（ASME B36.10M） (sch40)\n流量 30 m³/h，管材 钢管（闭式水系统），粗糙度 K 0.2 mm，"
            "乙二醇水溶液 30%（质量） -5 °C，冰点 -14.6 °C，运动粘滞系数 5.022 ×10⁻⁶ m²/s，密度 1046.3 kg/m³\n"
            "比摩阻不超过 300 Pa/m，流速：内径 50 mm 及以下不超过 1.2 m/s，以上不超过 3 m/s\n"
            "   公称直径  内径(mm)  流速(m/s)  比摩阻(mm液柱/m)  ",
            "", "every result was calculated"},
        // By volume, mixed at 20 °C: 30 % of ethylene glycol is 32.3 % by mass.
        ExitCase{"size_brine_by_volume",
            {"--size", "--flow", "30", "--fluid", "eg", "--volume-concentration", "30", "--temperature", "-5"}, 0,
            "钢管 Schedule 40（ASME B36.10M） (sch40)\n流量 30 m³/h，管材 钢管（闭式水系统），粗糙度 K 0.2 mm，"
            "乙二醇水溶液 30%（体积，质量 32.3%） -5 °C，冰点 -16.5 °C，",
            "", "every result was calculated"},
        ExitCase{"brine_by_volume_beyond_the_correlations",
            {"--flow", "10", "--diameter", "50", "--fluid", "eg", "--volume-concentration", "60", "--temperature",
                "-5"},
            2, "",
            "vendrel-calc: --volume-concentration: \"60\" % by volume is 62.6 % by mass, above the 60 % the "
            "correlations hold for\n",
            "wrong usage"},
        ExitCase{"size_brine_frozen",
            {"--size", "--flow", "30", "--fluid", "eg", "--concentration", "40", "--temperature", "-30"}, 2, "",
            "vendrel-calc: --temperature: \"-30\" °C is outside -23.8 to 100 °C: ethylene glycol brine of 40 % by "
            "mass freezes at -23.8 °C\n",
            "cannot calculate with"},
        ExitCase{"size_limit_not_positive", {"--size", "--flow", "40", "--max-rate", "-1"}, 2, "",
            "vendrel-calc: --max-rate: \"-1\" must be a positive number\n", "a limit that is not a positive number"},
        ExitCase{"size_unknown_series", {"--size", "--flow", "40", "--series", "none"}, 2, "",
            "vendrel-calc: --series: unknown series \"none\"", "an unknown material or series"},
        ExitCase{"size_bad_series_file", {"--size", "--flow", "40", "--series-file", "/nonexistent/s.csv"}, 2, "",
            "vendrel-calc: --series-file: cannot open /nonexistent/s.csv", "a series or materials file that cannot"},
        ExitCase{"size_to_full_disk", {"--size", "--flow", "40"}, 3, "", "vendrel-calc: cannot write the results",
            "the output could not be written", "/dev/null", "/dev/full"},
        // Sizes named 1/2" are quoted in CSV; copper is sized as copper.
        ExitCase{"size_csv_quoted", {"--size", "--flow", "10", "--series", "copper-l", "--format", "csv"}, 0,
            "nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended,max_velocity\n"
            "\"1/2\"\"\",13.84,18.464410,20755.775966,203490.8,transition,no,1.2\n",
            "", "every result"},
        // --table.
        ExitCase{"table_csv", {"--table", "--format", "csv"}, 0,
            "nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\n"
            "DN15,15.76,0.203,0.308,0.289062,0.438577\n",
            "", "every result"},
        ExitCase{"table_not_found", {"--table", "--max-rate", "1e9", "--format", "csv"}, 1, kTableCsvHeader,
            "vendrel-calc: DN300 (303.18 mm): no flow from 0.000001 to 1000000 m³/h at which the loss exceeds "
            "1000000000 Pa/m\n",
            "a flow of --table not found"},
        // Small flows keep their digits.
        ExitCase{"table_small_flows",
            {"--table", "--min-rate", "0.01", "--max-rate", "0.1", "--series", "ppr-s3.2", "--format", "csv"}, 0,
            "nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\n"
            "dn20,14.4,0.000145,0.000436,0.000247,0.000744\n",
            "", "every result"},
        ExitCase{"table_limits_reversed", {"--table", "--min-rate", "300", "--max-rate", "100"}, 2, "",
            "vendrel-calc: --min-rate 300 is not below --max-rate 100\n", "wrong usage"},
        ExitCase{"table_roughness_not_a_number", {"--table", "--roughness", "0,2"}, 2, "",
            "vendrel-calc: --roughness: \"0,2\" is not a number", "cannot calculate with"},
        ExitCase{"table_to_full_disk", {"--table"}, 3, "", "vendrel-calc: cannot write the results",
            "the output could not be written", "/dev/null", "/dev/full"},
        // --circuit: the example's first terminal is out of balance, beyond
        // the file's 15 % but within the command line's 30 %.
        ExitCase{"circuit",
            {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--max-imbalance", "30", "--max-rate", "400"}, 0,
            "管路水力计算 " VENDREL_EXAMPLES "/circuit.csv\n", "", "every result"},
        ExitCase{"circuit_unbalanced",
            {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--format", "csv", "--paths", "--max-rate", "400"}, 1,
            "path,total_loss,imbalance,index,leaves,rejoins\nG1 S1 S2 S3 T4 R3 R2 R1 R0,161755.7,,yes,,\n"
            "G1 S1 S2 T3 R2 R1 R0,153235.3,11.0,no,N3,M3\n",
            "vendrel-calc: " VENDREL_EXAMPLES "/circuit.csv: path G1 T1 R0 is ", "a path out of balance"},
        ExitCase{"circuit_with_a_flow", {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--flow", "10"}, 2, "",
            "vendrel-calc: --circuit reads flows and sizes from its file", "wrong usage"},
        ExitCase{"head_margin_without_circuit", {"--size", "--flow", "10", "--head-margin", "5"}, 2, "",
            "vendrel-calc: --head-margin, --static-head and --max-imbalance go with --circuit", "wrong usage"},
        ExitCase{"circuit_empty", {"--circuit", "-"}, 3, "", "vendrel-calc: standard input, line 1: no header line",
            "a circuit file that cannot be read"},
        ExitCase{"circuit_missing", {"--circuit", "/nonexistent/c.csv"}, 3, "",
            "vendrel-calc: cannot open /nonexistent/c.csv", "the input could not be opened"},
        // The workbook: a file it cannot make, and a full disk on its way to standard output.
        ExitCase{"workbook_unwritable",
            {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--max-rate", "400", "--max-imbalance", "30", "--format",
                "xlsx", "--output", "/nonexistent/c.xlsx"},
            3, "",
            "vendrel-calc: the workbook /nonexistent/c.xlsx could not be written: ", "the output could not be written"},
        ExitCase{"workbook_to_full_disk",
            {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--max-rate", "400", "--max-imbalance", "30", "--format",
                "xlsx"},
            3, "", "vendrel-calc: the workbook - could not be written: ", "the output could not be written",
            "/dev/null", "/dev/full"},
        // The book: a file it cannot make, and as the workbook, refused on a terminal (a pty's master).
        ExitCase{"book_unwritable",
            {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--max-rate", "400", "--max-imbalance", "30", "--format",
                "pdf", "--output", "/nonexistent/c.pdf"},
            3, "",
            "vendrel-calc: the book /nonexistent/c.pdf could not be written: ", "the output could not be written"},
        ExitCase{"book_to_terminal", {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--format", "pdf"}, 2, "",
            "vendrel-calc: a PDF book is not written to a terminal: give --output FILE, or redirect the output to a "
            "file\n",
            "wrong usage", "/dev/null", "/dev/ptmx"},
        ExitCase{"workbook_to_terminal", {"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--format", "xlsx"}, 2, "",
            "vendrel-calc: an Excel workbook is not written to a terminal: ", "wrong usage", "/dev/null", "/dev/ptmx"},
        // The lists, help and version.
        ExitCase{"material_list", {"--material-list"}, 0, "steel-closed", "", "every result"},
        ExitCase{"fittings_list", {"--fittings-list"}, 0,
            "elbow90              标准弯头90°、弯头、90°弯头、90度弯头\n  HVAC Pump Handbook, 2nd ed., Table 3.8\n  "
            "DN15 2.1 "
            "DN20 1.7 ",
            "", "every result"},
        ExitCase{"fittings_list_with_options", {"--fittings-list", "--series", "sch40"}, 2, "",
            "vendrel-calc: --fittings-list takes no other options", "wrong usage"},
        ExitCase{"series_list_with_options", {"--series-list", "--flow", "10"}, 2, "",
            "vendrel-calc: --series-list takes no other options", "an unknown or repeated option"},
        ExitCase{"series_list_to_full_disk", {"--series-list"}, 3, "", "vendrel-calc: cannot write the results",
            "the output could not be written", "/dev/null", "/dev/full"},
        ExitCase{"fittings_list_to_full_disk", {"--fittings-list"}, 3, "", "vendrel-calc: cannot write the results",
            "the output could not be written", "/dev/null", "/dev/full"},
        ExitCase{"help", {"--help"}, 0, "Usage:", "", "every result"},
        ExitCase{"version", {"--version"}, 0, "vendrel-calc 1.0.0.1\n", "", "every result"},
        ExitCase{"value_for_a_mode", {"--table=gb3091"}, 2, "", "vendrel-calc: --table takes no value",
            "a value for an option that takes none"},
        ExitCase{"help_to_full_disk", {"--help"}, 3, "", "vendrel-calc: cannot write the results",
            "the output could not be written", "/dev/null", "/dev/full"}),
    [](const testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

// What each section must throttle for every path to lose what the index
// circuit loses: the 平衡 table, the CSV's columns, a riser's base told from
// its floors; valves given by their Kv.
TEST(VendrelCalc, SaysWhatEachSectionMustThrottle)
{
    const std::string example = VENDREL_EXAMPLES "/circuit.csv";
    const std::pair<std::vector<std::string>, std::vector<const char*>> runs[] = {
        {{"--circuit", example},
            {"\n平衡\n管段  流量(m³/h)  公称直径  内径(mm)  富余压头(kPa)  节流比例(%)  所需Kv  孔板孔径(mm)  须调节\n"
             "T1    25          DN80      77.92     23.18          25.1         51.9    41.7          是\n"
             "T2    25          DN80      77.92     7.20           8.3          93.2    51.4          \n",
                "（Idelchik《Handbook of Hydraulic Resistance》第 3 版，图 4-14，孔内 Re ≥ 10⁵）"}},
        {{"--circuit", example, "--format", "csv"},
            {",needs_balancing,orifice_approximate,orifice_impractical\n",
                ",yes,0.0,23175.3,25.1,51.9,41.7,yes,no,no\nT2,", ",yes,1.306,999.7,yes,0.0,0.0,0.0,,,no,,\n"}},
        {{"--circuit", example, "--max-imbalance", "7"}, {"\n3 个管段须调节平衡（节流比例超过 7%）\n"}},
        // The near riser's base throttles the riser; its floors, a little each, only against its top floor.
        {{"--circuit", VENDREL_EXAMPLES "/circuit-two-risers.csv"},
            {"\nL1    30          DN100     102.26    10.63          91.8         92.0    55.3          是\n"
             "K11   10          DN65      62.68     2.99           6.3          57.9    40.8≈         \n"
             "K21   10          DN65      62.68     2.99           6.3          57.9    40.8≈         \n"}},
        {{"--circuit", VENDREL_EXAMPLES "/circuit-two-risers.csv", "--format", "csv"}, {",57.9,40.8,no,yes,no\n"}},
    };
    for (const auto& [args, shown] : runs) {
        const ProcessResult run = RunCalc(args);
        EXPECT_EQ(run.status, 1) << run.err;
        for (const char* text : shown)
            EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
    }

    // A valve's Kv is its loss: Kv 51.9 takes a little more than T1 had to
    // throttle, so T1's path is the index circuit and T2 throttles instead.
    const std::string file = TempPath("valved.csv");
    std::ofstream(file, std::ios::binary) << "管段,起点,终点,流量,长度,管径,设备阻力,阀门Kv\nG,P,N,,10,102.26,,\n"
                                             "T1,N,M,25,16,77.92,60,51.9\nT2,N,M,25,16,77.92,80,\nR,M,Q,,10,102.26,,\n";
    const ProcessResult valved = RunCalc({"--circuit", file, "--max-rate", "400"});
    std::filesystem::remove(file);
    EXPECT_NE(valved.out.find("设备阻力(Pa)  阀门阻力(Pa)  总阻力(Pa)"), std::string::npos) << valved.out;
    EXPECT_NE(valved.out.find("60000.0       23196.1       89003.6     是"), std::string::npos) << valved.out;
    EXPECT_NE(valved.out.find("\nT2 ", valved.out.find("\n平衡\n")), std::string::npos) << valved.out;
}

// A circuit file's settings stand where the command line gives none; one it
// cannot take is named by its line, not as an option never typed.
TEST(VendrelCalc, TakesTheCircuitFilesSettings)
{
    const std::string example = ReadFile(VENDREL_EXAMPLES "/circuit.csv");
    const auto runWith
        = [&](const std::string& setting, const std::string& value, const std::vector<std::string>& options) {
              std::string text = example;
              const std::size_t line = text.find(setting + ",");
              const std::size_t end = text.find('\n', line);
              text.replace(line, end - line, setting + "," + value);
              const std::string path = TempPath("circuit.csv");
              std::ofstream(path, std::ios::binary) << text;
              std::vector<std::string> args = {"--circuit", path};
              args.insert(args.end(), options.begin(), options.end());
              ProcessResult run = RunCalc(args);
              std::filesystem::remove(path);
              return run;
          };
    const ProcessResult margin = runWith("扬程余量(%)", "20", {});
    EXPECT_NE(margin.out.find("水泵扬程：194.11 kPa（19.80 m 水柱），含 20% 余量；"), std::string::npos) << margin.out;
    // An open system's lift is added after the margin, from the file or the option.
    const std::pair<std::vector<std::string>, const char*> lifts[] = {
        {{}, "水泵扬程：207.34 kPa（21.15 m 水柱），含 10% 余量的管路阻力 177.93 kPa 加静水高差 3 m；"},
        {{"--static-head", "0"}, "水泵扬程：177.93 kPa（18.15 m 水柱），含 10% 余量；"},
        {{"--static-head", "12.5", "--head-margin", "0"},
            "水泵扬程：284.31 kPa（29.00 m 水柱），含 0% 余量的管路阻力 161.76 kPa 加静水高差 12.5 m；"},
    };
    for (const auto& [options, head] : lifts) {
        const ProcessResult lifted = runWith("扬程余量(%)", "10\n静水高差(m),3", options);
        EXPECT_NE(lifted.out.find(head), std::string::npos) << lifted.out;
    }
    // Figures a designer must look at again: named with their limits, marked
    // in the table and the CSV, and the status says so.
    struct Warned {
        const char* name;
        std::vector<std::string> options;
        const char* rows;
        const char* err; // after "vendrel-calc: FILE, line "
        const char* out;
    };
    const Warned warned[] = {
        {"implausible velocity", {}, "A,P,X,10,5,80,\nB,X,Q,10,5,15,\n",
            "3 (section \"B\"): its velocity of 15.719007 m/s is more than water pipes carry (10 m/s): check its flow "
            "and size\n",
            "15.719007!"},
        {"given size over the Pa/m limit", {}, "A,P,Q,45,10,,DN80\n",
            "2 (section \"A\"): its friction loss of 1145.5 Pa/m is over the limit of 300 Pa/m\n", "1145.5!"},
        {"over the velocity limit of its bore", {"--max-velocity", "0.6"}, "A,P,Q,3,10,40,\n",
            "2 (section \"A\"): its velocity of 0.663146 m/s is over the limit of 0.6 m/s for its size\n", "0.663146!"},
        {"beyond the series: its largest taken", {"--series", "gb3091"}, "A,P,Q,230,10,,\n",
            "2 (section \"A\"): no size of the series keeps within the limits: the largest, DN150, is taken; give a "
            "size such as D219×6, or choose a series with larger sizes\n",
            "DN150*"},
    };
    for (const Warned& w : warned) {
        const std::string file = TempPath("warned.csv");
        std::ofstream(file, std::ios::binary) << "管段,起点,终点,流量,长度,管径,公称直径\n" << w.rows;
        std::vector<std::string> args = {"--circuit", file};
        args.insert(args.end(), w.options.begin(), w.options.end());
        const ProcessResult text = RunCalc(args);
        args.insert(args.end(), {"--format", "csv"});
        const ProcessResult csv = RunCalc(args);
        std::filesystem::remove(file);
        EXPECT_EQ(text.status, 1) << w.name;
        EXPECT_EQ(text.err.substr(0, text.err.find('\n') + 1), "vendrel-calc: " + file + ", line " + w.err) << w.name;
        EXPECT_NE(text.out.find(w.out), std::string::npos) << w.name << text.out;
        EXPECT_NE(text.out.find("流速或比摩阻带 ! 者超过限值"), std::string::npos) << w.name;
        EXPECT_NE(csv.out.find(",yes,0.0,0.0,0.0,,,no,,\n"), std::string::npos) << w.name << csv.out;
    }
    // Each row's water, its own where it gives a temperature, in the CSV.
    const std::string water = TempPath("water.csv");
    std::ofstream(water, std::ios::binary) << "管段,起点,终点,流量,长度,管径,水温\nA,P,X,3,5,50,60\nB,X,Q,3,5,50,\n";
    const ProcessResult byRow = RunCalc({"--circuit", water, "--format", "csv"});
    std::filesystem::remove(water);
    EXPECT_NE(byRow.out.find(",on_index,viscosity,density,over_limits,valve_loss,excess_pressure,balance_level,"
                             "kv_required,orifice_diameter,needs_balancing,orifice_approximate,orifice_impractical\n"),
        std::string::npos)
        << byRow.out;
    EXPECT_NE(byRow.out.find(",yes,0.474,983.2,no,0.0,0.0,0.0,,,no,,\nB,"), std::string::npos) << byRow.out;
    EXPECT_NE(byRow.out.find(",yes,1.306,999.7,no,0.0,0.0,0.0,,,no,,\n"), std::string::npos) << byRow.out;
    // The project's lines head the calculation.
    const ProcessResult project = runWith("管道系列", "sch40\n工程名称,某某大厦\n设计,张三", {});
    EXPECT_EQ(
        project.out.rfind("管路水力计算 " + TempPath("circuit.csv") + "\n工程名称：某某大厦，设计：张三\n管道系列 ", 0),
        0u)
        << project.out;
    // A brine from the file or the command line: its heading, its head in
    // metres of the brine; the terminals' flows from their loads.
    const std::string loads = TempPath("loads.csv");
    const std::string loadsText
        = "介质,乙二醇\n浓度(%),30\n水温(°C),0\n供回水温差(°C),5\n管段,起点,终点,流量,负荷(kW),长度,管径\n"
          "G,P,N,,,10,102.26\nT1,N,M,,135,10,77.92\nT2,N,M,,100,10,77.92\nR,M,Q,,,10,102.26\n";
    std::ofstream(loads, std::ios::binary) << loadsText;
    const struct {
        std::vector<std::string> options;
        const char* heading;
        const char* terminal;
        const char* head;
    } fluids[] = {
        {{},
            "乙二醇水溶液 30%（质量） 0 °C，冰点 -14.6 °C，运动粘滞系数 4.113 ×10⁻⁶ m²/s，密度 1045.0 "
            "kg/m³，供回水温差 5 °C\n",
            "T1    N     M     25.428#", "m 液柱），含 10% 余量；水泵流量：44.263 m³/h"},
        {{"--fluid", "pg", "--concentration", "40", "--delta-t", "6"}, "丙二醇水溶液 40%（质量） 0 °C，冰点 -20.6 °C，",
            "", "m 液柱），"},
        {{"--fluid", "water", "--temperature", "7"},
            "水 7 °C，运动粘滞系数 1.427 ×10⁻⁶ m²/s，密度 999.9 kg/m³，供回水温差 5 °C\n", "", "m 水柱），"},
    };
    for (const auto& fluid : fluids) {
        std::vector<std::string> args = {"--circuit", loads};
        args.insert(args.end(), fluid.options.begin(), fluid.options.end());
        const ProcessResult run = RunCalc(args);
        EXPECT_NE(run.out.find(fluid.heading), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(fluid.terminal), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(fluid.head), std::string::npos) << run.out;
        const bool brine = std::string_view(fluid.head).find("液柱") != std::string_view::npos;
        EXPECT_NE(run.out.find(brine ? "比摩阻(mm液柱/m)" : "比摩阻(mm水柱/m)"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("流量带 # 者按负荷和供回水温差求得"), std::string::npos) << run.out;
    }
    // Settings of the fluid that do not go together are named at their
    // lines, as the window names them; a row's own temperature near
    // freezing is calculated, and named at its cell.
    const struct {
        const char* from;
        const char* to;
        int status;
        const char* message;
    } brines[] = {
        {"水温(°C),0\n", "", 2, "loads.csv, line 1 (介质): a glycol brine needs its temperature, °C, in 水温(°C)\n"},
        {"水温(°C),0\n", "运动粘滞系数(10⁻⁶ m²/s),4\n", 2,
            "loads.csv, line 3 (运动粘滞系数(10⁻⁶ m²/s)): a glycol brine's viscosity, density and heat are those of "
            "its temperature"},
        {"介质,乙二醇\n", "介质,水\n", 2,
            "loads.csv, line 2 (浓度(%)): a concentration goes with a glycol brine (fluid eg or pg), not with water"},
        {"浓度(%),30\n", "", 2, "loads.csv, line 1 (介质): a glycol brine needs its glycol, % by mass, in 浓度(%)"},
        {"管径\nG,P,N,,,10,102.26\nT1,N,M,,135,10,77.92\nT2,N,M,,100,10,77.92\nR,M,Q,,,10,102.26\n",
            "管径,温度\nG,P,N,,,10,102.26,-12\nT1,N,M,,135,10,77.92,\nT2,N,M,,100,10,77.92,\nR,M,Q,,,10,102.26,\n", 0,
            "loads.csv, line 6, column 8 (温度): ethylene glycol brine of 30 % by mass freezes at -14.6 °C, less than "
            "3 K below \"-12\" °C\n"},
    };
    for (const auto& brine : brines) {
        std::string text = loadsText;
        text.replace(text.find(brine.from), std::string_view(brine.from).size(), brine.to);
        std::ofstream(loads, std::ios::binary) << text;
        const ProcessResult run = RunCalc({"--circuit", loads, "--max-rate", "1000", "--max-imbalance", "50"});
        EXPECT_EQ(run.status, brine.status) << brine.to << run.err;
        EXPECT_NE(run.err.find(brine.message), std::string::npos) << run.err;
    }
    std::filesystem::remove(loads);
    const ProcessResult overridden = runWith("扬程余量(%)", "20", {"--head-margin", "10"});
    EXPECT_NE(overridden.out.find("177.93 kPa"), std::string::npos) << overridden.out;
    const ProcessResult unknown = runWith("管道系列", "none", {});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("circuit.csv, line 1 (管道系列): unknown series \"none\""), std::string::npos)
        << unknown.err;
    const ProcessResult hot = runWith("水温(°C)", "150", {});
    EXPECT_EQ(hot.status, 2);
    EXPECT_NE(hot.err.find("circuit.csv, line 3 (水温(°C)): \"150\" is outside 0 to 100 °C"), std::string::npos)
        << hot.err;
}

// Messages in the locale's language, as gettext programs choose it; the
// tables are Chinese either way.
TEST(VendrelCalc, SpeaksTheLocalesLanguage)
{
    const std::string schedule = TempPath("schedule.csv");
    std::ofstream(schedule, std::ios::binary) << "flow,diameter\n10,50\n10,5o\n";
    const std::string circuit = TempPath("circuit.csv");
    std::ofstream(circuit, std::ios::binary)
        << "管段,起点,终点,流量,长度,管径\nA,P,X,3,5,50\nB,X,Q,1,5,50\nC,X,Q,1,5,50\n";
    const std::string englishSchedule = "vendrel-calc: standard input, line 3: diameter: \"5o\" is not a number (give "
                                        "the number alone, in mm)\nvendrel-calc: standard input: 1 row could not be "
                                        "calculated\n";
    const std::string chineseSchedule = "vendrel-calc: 标准输入，第 3 行：diameter：“5o”不是数字（只填数值，单位为 "
                                        "mm）\nvendrel-calc: 标准输入：有 1 "
                                        "行未能计算\n";
    const std::string englishCircuit = "vendrel-calc: " + circuit
        + ": node \"X\" does not balance: 3 m³/h enter it (A 3) and 2 m³/h leave it (B 1, C 1)\n";
    const std::string chineseCircuit
        = "vendrel-calc: " + circuit + "：节点“X”流量不平衡：流入 3 m³/h（A 3），流出 2 m³/h（B 1、C 1）\n";
    struct Case {
        const char* name;
        std::vector<std::string> locale;
        bool chinese;
    };
    const Case cases[] = {
        {"lang_chinese", {"LANG=zh_CN.UTF-8"}, true},
        {"lang_c", {"LANG=C"}, false},
        {"no_locale", {}, false},
        {"lang_taiwan", {"LANG=zh_TW.UTF-8"}, true},
        {"lc_messages_over_lang", {"LANG=zh_CN.UTF-8", "LC_MESSAGES=en_US.UTF-8"}, false},
        {"lc_all_over_all", {"LC_MESSAGES=en_US.UTF-8", "LC_ALL=zh_CN.UTF-8"}, true},
        {"language_list", {"LANGUAGE=fr:zh_CN:en", "LANG=de_DE.UTF-8"}, true},
        {"language_english_first", {"LANGUAGE=en:zh", "LANG=zh_CN.UTF-8"}, false},
        // The C locale wants ASCII: LANGUAGE is not looked at, as gettext does.
        {"language_under_c", {"LANGUAGE=zh_CN", "LANG=C.UTF-8"}, false},
    };
    for (const Case& c : cases) {
        const ProcessResult bySchedule = RunCalc({"--csv"}, schedule, "", &c.locale);
        EXPECT_EQ(bySchedule.status, 1) << c.name;
        EXPECT_EQ(bySchedule.err, c.chinese ? chineseSchedule : englishSchedule) << c.name;
        EXPECT_NE(bySchedule.out.find("10,5o,0.2,1.306,,数据有误"), std::string::npos) << c.name;
        const ProcessResult byCircuit = RunCalc({"--circuit", circuit}, "/dev/null", "", &c.locale);
        EXPECT_EQ(byCircuit.status, 3) << c.name;
        EXPECT_EQ(byCircuit.err, c.chinese ? chineseCircuit : englishCircuit) << c.name;
    }
    // The options' and the program's own messages, in Chinese.
    const std::vector<std::string> chinese = {"LANG=zh_CN.UTF-8"};
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--flow", "10"},
            "vendrel-calc: 须给出 --flow（或 --load 和 --delta-t）和 --diameter\n用法见 vendrel-calc --help。\n"},
        {{"--flow", "10", "--diameter", "50", "--material", "gold"},
            "vendrel-calc: --material：没有管材“gold”（可选：steel-closed, "},
        {{"--size", "--flow", "40", "--series", "none"}, "vendrel-calc: --series：没有管道系列“none”（可选：sch40, "},
        {{"--size", "--flow", "40", "--max-rate", "-1"}, "vendrel-calc: --max-rate：“-1”须为正数\n"},
        {{"--circuit", circuit, "--head-margin", "2000"}, "vendrel-calc: --head-margin：“2000”不在 0～1000 % 范围内\n"},
        {{"--table", "--min-rate", "300", "--max-rate", "100"}, "vendrel-calc: --min-rate 300 须小于 --max-rate 100\n"},
        {{"--size", "--flow", "40", "--format", "xml"}, "vendrel-calc: --format：“xml”既不是 text 也不是 csv\n"},
        {{"--flow", "10", "--diameter", "50", "--temperature", "101"},
            "vendrel-calc: --temperature：“101”不在 0～100 °C 范围内（常压下液态水的温度）\n"},
        {{"--csv", "/nonexistent/pipes.csv"}, "vendrel-calc: 无法打开 /nonexistent/pipes.csv："},
        {{"--circuit", VENDREL_EXAMPLES "/circuit.csv", "--max-rate", "400"},
            "vendrel-calc: " VENDREL_EXAMPLES
            "/circuit.csv：环路 G1 T1 R0 与最不利环路的不平衡率为 25.1%，超过限值 15%\n"},
    };
    for (const auto& [args, err] : refused) {
        const std::string shown = RunCalc(args, "/dev/null", "", &chinese).err;
        EXPECT_EQ(shown.rfind(err, 0), 0u) << shown;
    }
    // A setting the circuit file gives is named by its line.
    std::ofstream(circuit, std::ios::binary) << "水温(°C),150\n管段,起点,终点,流量,长度,管径\nA,P,Q,3,5,50\n";
    EXPECT_EQ(RunCalc({"--circuit", circuit}, "/dev/null", "", &chinese).err,
        "vendrel-calc: " + circuit + "，第 1 行（水温(°C)）：“150”不在 0～100 °C 范围内（常压下液态水的温度）\n");
    std::filesystem::remove(schedule);
    std::filesystem::remove(circuit);
}

// A series of the user's own, DN200–DN600 (ASME B36.10M Schedule 40's
// diameters and walls, for the test), in the data folder or given as a file.
TEST(VendrelCalc, UsesTheUsersOwnSeries)
{
    const std::string folder = TempPath("data");
    std::filesystem::create_directories(folder + "/vendrel/series");
    const std::string series = "标题,本院无缝钢管\n管材,steel-closed\n公称直径,外径,壁厚\nDN200,219.1,8.18\n"
                               "DN250,273.0,9.27\nDN300,323.8,10.31\nDN400,406.4,12.70\nDN500,508.0,15.09\n"
                               "DN600,610.0,17.48\n";
    std::ofstream(folder + "/vendrel/series/institute.csv", std::ios::binary) << series;
    std::ofstream(folder + "/vendrel/series/broken.csv", std::ios::binary) << "标题,坏\n公称直径,内径\nA,x\n";
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    const ProcessResult bySeries = RunCalc({"--size", "--flow", "800", "--series", "institute"});
    const ProcessResult listed = RunCalc({"--series-list"});
    const std::vector<std::string> chinese = {"LANG=zh_CN.UTF-8"};
    const ProcessResult inChinese = RunCalc({"--series-list"}, "/dev/null", "", &chinese);
    ::unsetenv("XDG_DATA_HOME");
    const ProcessResult byFile
        = RunCalc({"--size", "--flow", "800", "--series-file", folder + "/vendrel/series/institute.csv"});
    std::filesystem::remove_all(folder);
    EXPECT_EQ(bySeries.status, 0) << bySeries.err;
    EXPECT_EQ(bySeries.out.rfind("本院无缝钢管 (institute)\n", 0), 0u) << bySeries.out;
    // DN300 keeps within 300 Pa/m, but at 3.08 m/s not within 3 m/s.
    EXPECT_NE(bySeries.out.find("*  DN400     381"), std::string::npos) << bySeries.out;
    EXPECT_EQ(byFile.out, bySeries.out);
    // A file that cannot be taken is left out, and said so.
    EXPECT_EQ(bySeries.err.rfind("vendrel-calc: warning: " + folder
                      + "/vendrel/series/broken.csv, line 3, column 2: "
                        "inner diameter: \"x\" is not a number (the file is left out)\n",
                  0),
        0u)
        << bySeries.err;
    EXPECT_EQ(inChinese.err,
        "vendrel-calc: 警告：" + folder
            + "/vendrel/series/broken.csv，第 3 行第 2 列：内径：“x”不是数字（已忽略此文件）\n");
    EXPECT_NE(listed.out.find("institute  本院无缝钢管"), std::string::npos) << listed.out;
}

std::string WriteSchedule(const std::string& name, int rows)
{
    const std::string path = TempPath(name);
    std::ofstream out(path, std::ios::binary);
    out << "flow,diameter,roughness,viscosity\n";
    std::mt19937 random(42);
    std::uniform_real_distribution<double> flow(0.01, 500);
    std::uniform_int_distribution<int> diameter(15, 400);
    for (int i = 0; i < rows; ++i)
        out << flow(random) << ',' << diameter(random) << ",0.2,1.306\n";
    return path;
}

TEST(VendrelCalc, CsvFromStdinAndFromFileAgree)
{
    const std::string path = WriteSchedule("agree.csv", 50);
    const ProcessResult fromStdin = RunCalc({"--csv"}, path);
    const ProcessResult fromFile = RunCalc({"--csv", path});
    std::remove(path.c_str());
    EXPECT_EQ(fromStdin.status, 0);
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromStdin.out, fromFile.out);
    EXPECT_EQ(std::count(fromFile.out.begin(), fromFile.out.end(), '\n'), 51);
}

TEST(VendrelCalc, CsvIntoABrokenPipeFailsLoudly)
{
    const std::string path = WriteSchedule("pipe.csv", 1000);
    const ProcessResult result = RunCalc({"--csv", path}, "/dev/null", kBrokenPipe);
    std::remove(path.c_str());
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "vendrel-calc: cannot write the results: Broken pipe\n");
}

// Streaming: thirty times the rows must not need noticeably more memory.
TEST(VendrelCalc, CsvMemoryStaysFlat)
{
#ifdef VENDREL_SANITIZED
    GTEST_SKIP() << "sanitizer runtimes keep memory of their own; measured in the plain build";
#endif
    const std::string small = WriteSchedule("small.csv", 10000);
    const std::string large = WriteSchedule("large.csv", 300000);
    const ProcessResult smallRun = RunCalc({"--csv"}, small);
    const ProcessResult largeRun = RunCalc({"--csv"}, large);
    std::remove(small.c_str());
    std::remove(large.c_str());
    // Some rows fail to iterate near the rough-zone boundary; none may be lost.
    ASSERT_LE(smallRun.status, 1);
    ASSERT_LE(largeRun.status, 1);
    // Flat, not equal: the allocator's pages vary by a megabyte or so under
    // load, where keeping even 8 bytes a row would add 2.3 MB.
    EXPECT_LT(largeRun.maxResidentKiB - smallRun.maxResidentKiB, 2048)
        << smallRun.maxResidentKiB << " KiB for 10,000 rows, " << largeRun.maxResidentKiB << " KiB for 300,000";
}

} // namespace
