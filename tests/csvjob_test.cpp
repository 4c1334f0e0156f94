#include "cli/csvjob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vendrel::cli {
namespace {

struct JobOutput {
    int status;
    std::string out;
    std::string err;
};

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Runs the job on in, capturing what it writes to standard error, and to
// standard output unless the test passes a stream of its own.
JobOutput RunJob(std::FILE* in, std::FILE* out = nullptr, bool rowByRow = false)
{
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    File memoryOut(open_memstream(&outData, &outSize), &std::fclose);
    File err(open_memstream(&errData, &errSize), &std::fclose);
    JobOutput result;
    result.status = RunCsvJob(in, "pipes.csv", out != nullptr ? out : memoryOut.get(), err.get(), rowByRow);
    memoryOut.reset();
    err.reset();
    result.out.assign(outData, outSize);
    result.err.assign(errData, errSize);
    std::free(outData);
    std::free(errData);
    return result;
}

JobOutput RunJob(const std::string& input)
{
    File in(std::tmpfile(), &std::fclose);
    std::fwrite(input.data(), 1, input.size(), in.get());
    std::rewind(in.get());
    return RunJob(in.get());
}

const std::string kHeader = "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,"
                            "status,zone,residual\n";
const std::string kDn50Results
    = "1.414711,54161,0.030320,61.875887,13.337383,过渡区：λ误差为-0.029784^-6,transition,-0.029784";
const std::string kDn50Row = "10,50,0.2,1.306," + kDn50Results + "\n";

struct GoodCase {
    const char* name;
    std::string input;
    std::string output;
    // Rows that could not be calculated are written all the same, reported on
    // standard error, and make the exit status 1.
    const char* errors = "";
};

void PrintTo(const GoodCase& row, std::ostream* os)
{
    *os << row.name;
}

class CsvSchedule : public testing::TestWithParam<GoodCase> { };

TEST_P(CsvSchedule, WritesOneResultRowPerInputRow)
{
    const JobOutput result = RunJob(GetParam().input);
    EXPECT_EQ(result.status, *GetParam().errors == '\0' ? 0 : 1) << result.err;
    EXPECT_EQ(result.err, GetParam().errors);
    EXPECT_EQ(result.out, kHeader + GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(CsvJob, CsvSchedule,
    testing::Values(GoodCase{"defaults_for_missing_columns", "flow,diameter\n10,50\n", kDn50Row},
        GoodCase{"any_column_order_and_case", "Viscosity,DIAMETER,roughness, Flow\n1.306,50,0.001,10\n0.2,50,0.2,0.3\n",
            "10,50,0.001,1.306,1.414711,54161,0.020527,41.891297,0.054871,光滑区：λ误差为-0.195811^-6,smooth,-0."
            "195811\n"
            "0.3,50,0.2,0.2,0.042441,10610,0.036041,0.066198,2.848685,过渡区：λ误差为-0.018704^-6,transition,-0."
            "018704\n"},
        GoodCase{"crlf_bom_and_blank_lines",
            "\xEF\xBB\xBF"
            "flow,diameter\r\n\r\n10,50\r\n\n",
            kDn50Row},
        GoodCase{"quoted_cells_are_unquoted", "flow,diameter\n\"10\",\"50\"\n", kDn50Row},
        GoodCase{"texts_kept_exactly", "flow,diameter\n 1e1,５０\n", " 1e1,５０,0.2,1.306," + kDn50Results + "\n"},
        GoodCase{"no_final_newline", "flow,diameter\n10,50", kDn50Row}, GoodCase{"header_only", "flow,diameter\n", ""},
        GoodCase{"invalid_rows_are_written_and_reported",
            "flow,diameter,viscosity\n10,50,1.306\n,50,1.306\n10,50,-1\n\"10,5\",50mm,0\n",
            kDn50Row
                + ",50,0.2,1.306,,数据有误,,,,,invalid,\n10,50,0.2,-1,,数据有误,,,,,invalid,\n"
                  "\"10,5\",50mm,0.2,0,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 3: flow: no value\n"
            "vendrel-calc: pipes.csv, line 4: viscosity: \"-1\" is below the smallest accepted value, 0.000001\n"
            "vendrel-calc: pipes.csv, line 5: flow: \"10,5\" is not a number (use \".\" as the decimal point); "
            "diameter: \"50mm\" is not a number (give the number alone, in mm); viscosity: \"0\" is below the "
            "smallest accepted value, 0.000001\n"
            "vendrel-calc: pipes.csv: 3 rows could not be calculated\n"},
        // A temperature column gives the viscosity, shown in its column.
        GoodCase{"temperature_column", "flow,diameter,Temperature\n10,50,10\n10,50,200\n",
            kDn50Row + "10,50,0.2,,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 3: temperature: \"200\" is outside 0 to 100 °C, the range of liquid water "
            "at "
            "0.1 MPa\nvendrel-calc: pipes.csv: 1 row could not be calculated\n"},
        // A material cell is trimmed as a number cell is; an unknown one hides no other mistake.
        GoodCase{"material_column", "flow,diameter,Material\n10,50, steel-new\nx,50,gold\n",
            "10,50,0.045,1.306,1.414711,54161,0.023473,47.902590,2.640413,过渡区：λ误差为0.024705^-6,transition,0."
            "024705\n"
            "x,50,,1.306,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 3: material: unknown material \"gold\" (see vendrel-calc --material-list); "
            "flow: \"x\" is not a number\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n"},
        GoodCase{"iteration_failure", "flow,diameter,roughness\n3.2,50,2\n",
            "3.2,50,2,1.306,0.452707,17331,,,,迭代失败,failed,\n",
            "vendrel-calc: pipes.csv, line 2: no friction law's solution lies in its own zone (迭代失败)\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n"},
        GoodCase{"results_not_finite", "flow,diameter\n10,1e200\n",
            "10,1e200,0.2,1.306,0.000000,0,inf,nan,非紊流区,层流区,laminar,\n",
            "vendrel-calc: pipes.csv, line 2: the results are not finite numbers: check the units (flow in m³/h, "
            "diameter and roughness in mm, viscosity in 10^-6 m²/s)\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n"}),
    [](const testing::TestParamInfo<GoodCase>& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string input;
    const char* message; // what stderr must say, including the line
    int rowsBefore;      // complete result rows written before stopping
};

void PrintTo(const BadCase& row, std::ostream* os)
{
    *os << row.name;
}

class MalformedCsv : public testing::TestWithParam<BadCase> { };

TEST_P(MalformedCsv, StopsNamingTheLineAndKeepsEarlierRowsWhole)
{
    const BadCase& c = GetParam();
    const JobOutput result = RunJob(c.input);
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    if (c.rowsBefore < 0) {
        EXPECT_EQ(result.out, "");
        return;
    }
    std::string expected = kHeader;
    for (int i = 0; i < c.rowsBefore; ++i)
        expected += kDn50Row;
    EXPECT_EQ(result.out, expected);
}

INSTANTIATE_TEST_SUITE_P(CsvJob, MalformedCsv,
    testing::Values(
        BadCase{"unterminated_quote", "flow,diameter\n10,50\n10,\"50\n10,50\n", "line 3: unterminated quoted field", 1},
        BadCase{"too_few_fields", "flow,diameter\n10,50\n10,50\n10\n", "line 4: expected 2 fields, found 1", 2},
        BadCase{"too_many_fields", "flow,diameter\n10,50,0.2\n", "line 2: expected 2 fields, found 3", 0},
        BadCase{"line_over_one_mebibyte", "flow,diameter\n10,50\n10," + std::string(1 << 20, '5') + "\n",
            "line 3: line longer than 1 MiB", 1},
        BadCase{"nul_byte",
            std::string("flow,diameter\n10,50\n10,5\0"
                        "0\n",
                27),
            "line 3: NUL byte", 1},
        BadCase{"invalid_utf8", "flow,diameter\n10,50\n10,\xC3\x28\n", "line 3: invalid UTF-8 in field 2", 1},
        BadCase{"overlong_utf8", "flow,diameter\n\xC0\xAE,50\n", "line 2: invalid UTF-8 in field 1", 0},
        BadCase{"text_after_closing_quote", "flow,diameter\n\"10\"x,50\n", "line 2: unexpected character", 0},
        BadCase{"lone_carriage_return", "flow,diameter\n10,50\r10,50\n", "line 2: carriage return", 0},
        BadCase{"empty_input", "", "line 1: no header line", -1},
        BadCase{"unknown_column", "flow,diameter,roughnes\n", "line 1: unknown column \"roughnes\"", -1},
        BadCase{"repeated_column", "flow,diameter,flow\n", "line 1: column \"flow\" appears twice", -1},
        BadCase{"missing_diameter_column", "flow,roughness\n", "line 1: the header has no \"diameter\" column", -1},
        // Header errors name the header's own line, past a byte order mark
        // on a line of its own and blank lines.
        BadCase{"header_after_blank_lines", "\xEF\xBB\xBF\n\r\nflow\n", "line 3: the header has no \"diameter\"", -1},
        BadCase{"viscosity_and_temperature", "flow,diameter,viscosity,temperature\n",
            "line 1: columns \"viscosity\" and \"temperature\" cannot both be given", -1},
        BadCase{"only_blank_lines", "\n\n", "line 3: no header line", -1}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

// A stream whose reads and writes the test controls, to give the job the
// faults a disk, pipe or terminal gives.
struct TestStream {
    std::string data;                 // read from, or appended to by writes
    std::size_t pos = 0;              // bytes read so far
    std::size_t failAfter = SIZE_MAX; // bytes that pass before every call fails
    int error = EIO;
    bool linePerRead = false; // a terminal hands over a line at a time
    std::function<void()> beforeRead;

    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    File Open(const char* mode)
    {
        cookie_io_functions_t io{};
        io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
            auto& s = *static_cast<TestStream*>(cookie);
            if (s.beforeRead)
                s.beforeRead();
            if (s.pos >= s.failAfter) {
                errno = s.error;
                return -1;
            }
            std::size_t n = std::min({size, s.data.size() - s.pos, s.failAfter - s.pos});
            if (s.linePerRead)
                n = std::min(n, s.data.find('\n', s.pos) - s.pos + 1);
            std::memcpy(buffer, s.data.data() + s.pos, n);
            s.pos += n;
            return static_cast<ssize_t>(n);
        };
        io.write = [](void* cookie, const char* buffer, std::size_t size) -> ssize_t {
            auto& s = *static_cast<TestStream*>(cookie);
            if (s.data.size() >= s.failAfter) {
                errno = s.error;
                return 0;
            }
            s.data.append(buffer, size);
            return static_cast<ssize_t>(size);
        };
        return File(fopencookie(this, mode, io), &std::fclose);
    }
};

TEST(CsvJob, AFailedReadIsNotTakenForTheEnd)
{
    TestStream in;
    in.data = "flow,diameter\n10,50\n10,50\n10,5";
    in.failAfter = in.data.size(); // EIO in the middle of line 4
    TestStream out;
    const File inFile = in.Open("r");
    File outFile = out.Open("w");
    const JobOutput result = RunJob(inFile.get(), outFile.get());
    outFile.reset();
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "vendrel-calc: cannot read pipes.csv after line 3: Input/output error\n");
    EXPECT_EQ(out.data, kHeader + kDn50Row + kDn50Row);
}

TEST(CsvJob, StopsAtTheFirstFailedWrite)
{
    TestStream in;
    in.data = "flow,diameter\n";
    for (int i = 0; i < 200000; ++i)
        in.data += "10,50\n";
    TestStream out;
    out.failAfter = 0; // a pipe whose reader has gone, with SIGPIPE ignored
    out.error = EPIPE;
    const File inFile = in.Open("r");
    const File outFile = out.Open("w");
    const JobOutput result = RunJob(inFile.get(), outFile.get());
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "vendrel-calc: cannot write the results: Broken pipe\n");
    EXPECT_LT(in.pos, 2u * 64 * 1024) << "went on reading after the output failed";
}

// A row appears as soon as it is calculated, before the next line is asked for.
TEST(CsvJob, RowByRowShowsEachRowBeforeReadingTheNext)
{
    TestStream in;
    in.data = "flow,diameter\n10,50\n10,50\n10,50\n";
    in.linePerRead = true;
    TestStream out;
    std::vector<long> linesShownAtEachRead;
    in.beforeRead = [&] { linesShownAtEachRead.push_back(std::count(out.data.begin(), out.data.end(), '\n')); };
    const File inFile = in.Open("r");
    File outFile = out.Open("w");
    EXPECT_EQ(RunJob(inFile.get(), outFile.get(), true).status, 0);
    outFile.reset();
    EXPECT_EQ(linesShownAtEachRead, (std::vector<long>{0, 1, 2, 3, 4}));
    EXPECT_EQ(out.data, kHeader + kDn50Row + kDn50Row + kDn50Row);
}

TEST(CsvJob, ManyBadRowsAreListedUpToACapThenCounted)
{
    std::string input = "flow,diameter\n";
    for (int i = 0; i < 25; ++i)
        input += "0,50\n";
    const JobOutput result = RunJob(input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 26);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 21);
    EXPECT_NE(result.err.find("line 21: flow"), std::string::npos);
    EXPECT_EQ(result.err.find("line 22: flow"), std::string::npos);
    EXPECT_NE(result.err.find("pipes.csv: 25 rows could not be calculated (the first 20 are listed above)\n"),
        std::string::npos);
}

TEST(CsvJob, ErrorMessageNamesTheInput)
{
    const JobOutput result = RunJob("flow\n");
    EXPECT_EQ(result.err.rfind("vendrel-calc: pipes.csv, line 1: ", 0), 0u) << result.err;
}

TEST(CsvJob, QuotedCellMaySpanLinesAndLinesAreCountedPastIt)
{
    const JobOutput result = RunJob("flow,diameter\n\"1\n0\",50\n10\n");
    EXPECT_EQ(result.err,
        "vendrel-calc: pipes.csv, line 2: flow: \"1\\x0A0\" is not a number (give the number alone, in m³/h)\n"
        "vendrel-calc: pipes.csv, line 4: expected 2 fields, found 1\n");
    EXPECT_EQ(result.out, kHeader + "\"1\n0\",50,0.2,1.306,,数据有误,,,,,invalid,\n");
}

} // namespace
} // namespace vendrel::cli
