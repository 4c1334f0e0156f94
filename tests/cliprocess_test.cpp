// Runs the built vendrel-calc as a user's script would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
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

// Starts vendrel-calc with args, stdin from input and stdout to output (a
// temporary file when empty), and collects its exit status, both outputs
// and peak memory.
ProcessResult RunCalc(std::vector<std::string> args, const std::string& input = "/dev/null", std::string output = "")
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
    pid_t pid = 0;
    ProcessResult result;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
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

struct ExitCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* outStart;
    const char* errStart = "";
    const char* input = "/dev/null";
    const char* output = ""; // captured
};

void PrintTo(const ExitCase& row, std::ostream* os)
{
    *os << row.name;
}

class ExitStatus : public testing::TestWithParam<ExitCase> { };

TEST_P(ExitStatus, TellsScriptsWhatHappened)
{
    const ExitCase& c = GetParam();
    const ProcessResult result = RunCalc(c.args, c.input, c.output);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out.rfind(c.outStart, 0), 0u) << result.out;
    EXPECT_EQ(result.err.rfind(c.errStart, 0), 0u) << result.err;
    if (*c.errStart == '\0') {
        EXPECT_EQ(result.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(VendrelCalc, ExitStatus,
    testing::Values(
        ExitCase{"invalid_data", {"--flow", "0", "--diameter", "50"}, 1, "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --flow: \"0\" is below the smallest accepted value, 0.000001\n"},
        ExitCase{"iteration_failed", {"--flow", "3.2", "--diameter", "50", "--roughness", "2"}, 1,
            "实际流速(V:m/s) 0.452707\n", "vendrel-calc: no friction law's solution"},
        ExitCase{"not_a_number", {"--flow", "10,5", "--diameter", "50"}, 1, "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --flow: \"10,5\" is not a number (use \".\" as the decimal point)\n"},
        ExitCase{"not_finite", {"--flow", "10", "--diameter", "1e200"}, 1, "实际流速(V:m/s) 0.000000\n",
            "vendrel-calc: the results are not finite numbers: check the units"},
        ExitCase{"usage_error", {"--flow", "10"}, 2, "",
            "vendrel-calc: --flow and --diameter are required\nTry 'vendrel-calc --help'.\n"},
        // The viscosity of water at 10 °C is the default, and is shown.
        ExitCase{"temperature", {"--temperature", "10", "--flow", "10", "--diameter", "50"}, 0,
            "运动粘滞系数υ(10^-6m^2/s) 1.306\n实际流速(V:m/s) 1.414711\n雷诺数(Re) 54161\n"},
        ExitCase{"temperature_out_of_range", {"--temperature", "120", "--flow", "10", "--diameter", "50"}, 1,
            "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --temperature: \"120\" is outside 0 to 100 °C, the range of liquid water at 0.1 MPa\n"},
        // A temperature that gives no viscosity hides no other mistake.
        ExitCase{"temperature_and_flow_wrong", {"--temperature", "200", "--flow", "abc", "--diameter", "50"}, 1,
            "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n",
            "vendrel-calc: --temperature: \"200\" is outside 0 to 100 °C, the range of liquid water at 0.1 MPa\n"
            "vendrel-calc: --flow: \"abc\" is not a number\n"},
        // Design aids: a material for the roughness, every size of a series.
        ExitCase{"material", {"--flow", "10", "--diameter", "50", "--material", "steel-new"}, 0,
            "实际流速(V:m/s) 1.414711\n雷诺数(Re) 54161\n摩擦阻力系数(λ) 0.023473\n"},
        ExitCase{"unknown_material", {"--flow", "10", "--diameter", "50", "--material", "gold"}, 2, "",
            "vendrel-calc: --material: unknown material \"gold\" (one of steel-closed, steel-open, steel-new"},
        ExitCase{"size_list", {"--size", "--flow", "40"}, 0,
            "钢管 Schedule 40（ASME B36.10M） (sch40)\n流量 40 m³/h，粗糙度 K 0.2 mm"},
        ExitCase{"size_csv", {"--size", "--flow", "40", "--format", "csv", "--max-velocity", "1.5"}, 0,
            "nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended\n"
            "DN15,15.76,56.958059,387479.834184,3798873.3,rough,no\n"},
        ExitCase{"table_csv", {"--table", "--format", "csv"}, 0,
            "nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\n"
            "DN15,15.76,0.203,0.308,0.289062,0.438577\n"},
        // --size has no lower limit, so a low --max-rate is no usage error.
        ExitCase{"size_low_max_rate", {"--size", "--flow", "10", "--max-rate", "80"}, 0, "钢管 Schedule 40"},
        // A size or a flow that could not be calculated is listed, named and no success.
        ExitCase{"size_not_calculated",
            {"--size", "--flow", "0.28", "--roughness", "2", "--series", "gb3091", "--format", "csv"}, 1,
            "nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended\n"
            "DN15,15.7,0.401760,,,failed,no\n",
            "vendrel-calc: DN15 (15.7 mm): no friction law's solution lies in its own zone (迭代失败)\n"},
        ExitCase{"table_not_found", {"--table", "--min-rate", "0.0001", "--format", "csv"}, 1,
            "nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\nDN15,15.76,,0.308,,0.438577\n",
            "vendrel-calc: DN15 (15.76 mm): no flow found at which the loss is 0.0001 Pa/m"},
        // Small flows keep their digits; a size named 1/2" is quoted in CSV.
        ExitCase{"table_small_flows",
            {"--table", "--min-rate", "0.01", "--max-rate", "0.1", "--series", "ppr-s3.2", "--format", "csv"}, 0,
            "nominal,inner_diameter,flow_min,flow_max,velocity_min,velocity_max\n"
            "dn20,14.4,0.000029,0.000291,0.000049,0.000496\n"},
        ExitCase{"size_csv_quoted", {"--size", "--flow", "10", "--series", "copper-l", "--format", "csv"}, 0,
            "nominal,inner_diameter,velocity,friction_rate,friction_rate_pa,zone,recommended\n"
            "\"1/2\"\"\",13.84,18.464410,"},
        ExitCase{"table_limits_reversed", {"--table", "--min-rate", "300", "--max-rate", "100"}, 2, "",
            "vendrel-calc: --min-rate 300 is not below --max-rate 100\n"},
        ExitCase{"size_limit_not_positive", {"--size", "--flow", "40", "--max-rate", "-1"}, 2, "",
            "vendrel-calc: --max-rate: \"-1\" must be a positive number\n"},
        ExitCase{"help", {"--help"}, 0, "Usage:"}, ExitCase{"version", {"--version"}, 0, "vendrel-calc 1.0.0.1\n"},
        // Results that cannot be written, or input that cannot be read, are no success.
        ExitCase{"single_to_full_disk", {"--flow", "10", "--diameter", "50"}, 3, "",
            "vendrel-calc: cannot write the results: No space left on device\n", "/dev/null", "/dev/full"},
        ExitCase{
            "help_to_full_disk", {"--help"}, 3, "", "vendrel-calc: cannot write the results", "/dev/null", "/dev/full"},
        ExitCase{"version_to_full_disk", {"--version"}, 3, "", "vendrel-calc: cannot write the results", "/dev/null",
            "/dev/full"},
        ExitCase{"missing_file", {"--csv", "/nonexistent/pipes.csv"}, 3, "",
            "vendrel-calc: cannot open /nonexistent/pipes.csv: No such file or directory\n"},
        ExitCase{"directory", {"--csv", "/"}, 3, "", "vendrel-calc: cannot read /: Is a directory\n"},
        ExitCase{"stdin_closed", {"--csv"}, 3, "", "vendrel-calc: cannot read standard input: Bad file descriptor\n",
            kClosed}),
    [](const testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

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
    EXPECT_LT(largeRun.maxResidentKiB - smallRun.maxResidentKiB, 1024)
        << smallRun.maxResidentKiB << " KiB for 10,000 rows, " << largeRun.maxResidentKiB << " KiB for 300,000";
}

} // namespace
