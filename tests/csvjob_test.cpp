#include "cli/csvjob.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

namespace vendrel::cli {
namespace {

struct JobOutput {
    int status;
    std::string out;
    std::string err;
};

// Runs the job on an in-memory input, capturing both output streams.
JobOutput RunJob(const std::string& input)
{
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    File in(std::tmpfile(), &std::fclose);
    std::fwrite(input.data(), 1, input.size(), in.get());
    std::rewind(in.get());
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    File out(open_memstream(&outData, &outSize), &std::fclose);
    File err(open_memstream(&errData, &errSize), &std::fclose);
    JobOutput result;
    result.status = RunCsvJob(in.get(), "pipes.csv", out.get(), err.get());
    out.reset();
    err.reset();
    result.out.assign(outData, outSize);
    result.err.assign(errData, errSize);
    std::free(outData);
    std::free(errData);
    return result;
}

const std::string kHeader
    = "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status\n";
const std::string kDn50Results = "1.414711,54161,0.030320,61.875887,13.337383,过渡区：λ误差为-0.029784^-6";

struct GoodCase {
    const char* name;
    std::string input;
    std::string output;
};

void PrintTo(const GoodCase& row, std::ostream* os)
{
    *os << row.name;
}

class CsvSchedule : public testing::TestWithParam<GoodCase> { };

TEST_P(CsvSchedule, WritesOneResultRowPerInputRow)
{
    const JobOutput result = RunJob(GetParam().input);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, kHeader + GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(CsvJob, CsvSchedule,
    testing::Values(
        GoodCase{"defaults_for_missing_columns", "flow,diameter\n10,50\n", "10,50,0.2,1.306," + kDn50Results + "\n"},
        GoodCase{"any_column_order", "viscosity,diameter,roughness,flow\n1.306,50,0.001,10\n0.2,50,0.2,0.3\n",
            "10,50,0.001,1.306,1.414711,54161,0.020527,41.891297,0.054871,光滑区：λ误差为-0.195811^-6\n"
            "0.3,50,0.2,0.2,0.042441,10610,0.036041,0.066198,2.848685,过渡区：λ误差为-0.018704^-6\n"},
        GoodCase{"crlf_bom_and_blank_lines",
            "\xEF\xBB\xBF"
            "flow,diameter\r\n\r\n10,50\r\n\n",
            "10,50,0.2,1.306," + kDn50Results + "\n"},
        // "5,0" reads as 5 and 1"0 as 1, as the form would read them.
        GoodCase{"quoted_cells_are_unquoted_then_requoted", "flow,diameter\n\"10\",\"5,0\"\n\"1\"\"0\",50\n",
            "10,\"5,0\",0.2,1.306,141.471061,541619,0.049193,10039376.157035,1698.882240,粗糙区:λ误差为-0.000036^-6\n"
            "\"1\"\"0\",50,0.2,1.306,0.141471,5416,0.040898,0.834640,1.549029,过渡区：λ误差为-0.009624^-6\n"},
        GoodCase{"invalid_row_has_only_the_message", "flow,diameter,viscosity\n10,50,1.306\n,50,1.306\n10,50,-1\n",
            "10,50,0.2,1.306," + kDn50Results + "\n,50,0.2,1.306,,数据有误,,,,\n10,50,0.2,-1,,数据有误,,,,\n"},
        GoodCase{
            "iteration_failure", "flow,diameter,roughness\n3.2,50,2\n", "3.2,50,2,1.306,0.452707,17331,,,,迭代失败\n"},
        GoodCase{"texts_kept_exactly", "flow,diameter\n 1e1,50mm\n", " 1e1,50mm,0.2,1.306," + kDn50Results + "\n"},
        GoodCase{"no_final_newline", "flow,diameter\n10,50", "10,50,0.2,1.306," + kDn50Results + "\n"},
        GoodCase{"header_only", "flow,diameter\n", ""}),
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
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    if (c.rowsBefore < 0) {
        EXPECT_EQ(result.out, "");
        return;
    }
    std::string expected = kHeader;
    for (int i = 0; i < c.rowsBefore; ++i)
        expected += "10,50,0.2,1.306," + kDn50Results + "\n";
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
        BadCase{"missing_diameter_column", "flow,roughness\n", "line 1: the header has no \"diameter\" column", -1}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

TEST(CsvJob, ErrorMessageNamesTheInput)
{
    const JobOutput result = RunJob("flow\n");
    EXPECT_EQ(result.err.rfind("vendrel-calc: pipes.csv, line 1: ", 0), 0u) << result.err;
}

TEST(CsvJob, QuotedCellMaySpanLinesAndLinesAreCountedPastIt)
{
    const JobOutput result = RunJob("flow,diameter\n\"1\n0\",50\n10\n");
    EXPECT_NE(result.err.find("line 4: expected 2 fields"), std::string::npos) << result.err;
    EXPECT_EQ(result.out,
        kHeader
            + "\"1\n0\",50,0.2,1.306,0.141471,5416,0.040898,0.834640,1.549029,"
              "过渡区：λ误差为-0.009624^-6\n");
}

} // namespace
} // namespace vendrel::cli
