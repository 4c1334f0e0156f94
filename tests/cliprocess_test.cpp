// Runs the built vendrel-calc as a user's script would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Starts vendrel-calc with args, stdin from inputPath (or /dev/null), and
// collects its exit status, stdout and peak memory.
ProcessResult RunCalc(std::vector<std::string> args, const std::string& inputPath = "/dev/null")
{
    const std::string outPath = TempPath("stdout");
    args.insert(args.begin(), VENDREL_CALC_EXE);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ProcessResult result;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
            result.status = WEXITSTATUS(status);
        result.maxResidentKiB = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadFile(outPath);
    std::remove(outPath.c_str());
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

struct ExitCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* outStart;
};

void PrintTo(const ExitCase& row, std::ostream* os)
{
    *os << row.name;
}

class ExitStatus : public testing::TestWithParam<ExitCase> { };

TEST_P(ExitStatus, TellsScriptsWhatHappened)
{
    const ProcessResult result = RunCalc(GetParam().args);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.out.rfind(GetParam().outStart, 0), 0u) << result.out;
}

INSTANTIATE_TEST_SUITE_P(VendrelCalc, ExitStatus,
    testing::Values(
        ExitCase{"invalid_data", {"--flow", "0", "--diameter", "50"}, 1, "实际流速(V:m/s)\n雷诺数(Re) 数据有误\n"},
        ExitCase{"iteration_failed", {"--flow", "3.2", "--diameter", "50", "--roughness", "2"}, 1,
            "实际流速(V:m/s) 0.452707\n"},
        ExitCase{"usage_error", {"--flow", "10"}, 2, ""}, ExitCase{"help", {"--help"}, 0, "Usage:"},
        ExitCase{"version", {"--version"}, 0, "vendrel-calc 1.0.0.1\n"},
        ExitCase{"missing_file", {"--csv", "/nonexistent/pipes.csv"}, 1, ""}),
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
    ASSERT_EQ(smallRun.status, 0);
    ASSERT_EQ(largeRun.status, 0);
    EXPECT_LT(largeRun.maxResidentKiB - smallRun.maxResidentKiB, 1024)
        << smallRun.maxResidentKiB << " KiB for 10,000 rows, " << largeRun.maxResidentKiB << " KiB for 300,000";
}

} // namespace
