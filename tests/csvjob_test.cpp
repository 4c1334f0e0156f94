#include "cli/csvjob.h"
#include "design/pipeseries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
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
// The command line's fluid, concentration, temperature and delta_t for blank cells.
using FluidDefaults = std::array<const char*, 4>;

JobOutput RunJob(std::FILE* in, std::FILE* out = nullptr, bool rowByRow = false,
    messages::Language language = messages::Language::English, const FluidDefaults& defaults = {"", "", "", ""})
{
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    File memoryOut(open_memstream(&outData, &outSize), &std::fclose);
    File err(open_memstream(&errData, &errSize), &std::fclose);
    JobOutput result;
    static const design::SeriesCatalog series;
    CsvJobSettings settings;
    settings.series = &series.Default(); // as vendrel-calc gives it
    settings.rowByRow = rowByRow;
    settings.language = language;
    std::tie(settings.fluid, settings.concentration, settings.temperature, settings.deltaT)
        = std::tuple(defaults[0], defaults[1], defaults[2], defaults[3]);
    result.status = RunCsvJob(in, "pipes.csv", out != nullptr ? out : memoryOut.get(), err.get(), settings);
    memoryOut.reset();
    err.reset();
    result.out.assign(outData, outSize);
    result.err.assign(errData, errSize);
    std::free(outData);
    std::free(errData);
    return result;
}

JobOutput RunJob(const std::string& input, messages::Language language = messages::Language::English,
    const FluidDefaults& defaults = {"", "", "", ""})
{
    File in(std::tmpfile(), &std::fclose);
    std::fwrite(input.data(), 1, input.size(), in.get());
    std::rewind(in.get());
    return RunJob(in.get(), nullptr, false, language, defaults);
}

const std::string kHeader = "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,"
                            "status,zone,residual\n";
const std::string kDn50Results
    = "1.414711,54161,0.030320,61.875887,13.337383,过渡区：λ误差为-0.029784^-6,transition,-0.029784";
const std::string kDn50Row = "10,50,0.2,1.306," + kDn50Results + "\n";
// DN50 of schedule 40, 52.48 mm.
const std::string kSch40Dn50Row = "10,52.48,0.2,1.306,1.284162,51602,0.030068,48.170962,12.056312,过渡区：λ误差为0."
                                  "039069^-6,transition,0.039069\n";

// ASCII text as UTF-16 after a byte-order mark.
std::string Utf16(const char* mark, std::string_view text, bool bigEndian)
{
    std::string bytes = mark;
    for (const char c : text) {
        bytes += bigEndian ? '\0' : c;
        bytes += bigEndian ? c : '\0';
    }
    return bytes;
}

struct GoodCase {
    const char* name;
    std::string input;
    std::string output;
    // Rows that could not be calculated are written all the same, reported on
    // standard error, and make the exit status 1.
    const char* errors = "";
    const char* header = nullptr; // the output's, where it is not kHeader
    const char* chinese = "";     // the errors in Chinese
    FluidDefaults defaults = {"", "", "", ""};
};

void PrintTo(const GoodCase& row, std::ostream* os)
{
    *os << row.name;
}

class CsvSchedule : public testing::TestWithParam<GoodCase> { };

TEST_P(CsvSchedule, WritesOneResultRowPerInputRow)
{
    const JobOutput result = RunJob(GetParam().input, messages::Language::English, GetParam().defaults);
    // A row not calculated fails the job; a warning alone does not.
    EXPECT_EQ(
        result.status, std::string(GetParam().errors).find("could not be calculated") == std::string::npos ? 0 : 1)
        << result.err;
    EXPECT_EQ(result.err, GetParam().errors);
    EXPECT_EQ(RunJob(GetParam().input, messages::Language::Chinese, GetParam().defaults).err, GetParam().chinese);
    EXPECT_EQ(result.out, (GetParam().header != nullptr ? GetParam().header : kHeader) + GetParam().output);
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
            "vendrel-calc: pipes.csv, line 4: viscosity: \"-1\" is below 0.000001 ×10^-6 m²/s\n"
            "vendrel-calc: pipes.csv, line 5: flow: \"10,5\" is not a number (use \".\" as the decimal point); "
            "diameter: \"50mm\" is not a number (give the number alone, in mm); viscosity: \"0\" is below "
            "0.000001 ×10^-6 m²/s\n"
            "vendrel-calc: pipes.csv: 3 rows could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 3 行：flow：未填写\n"
            "vendrel-calc: pipes.csv，第 4 行：viscosity：“-1”小于 0.000001 ×10^-6 m²/s\n"
            "vendrel-calc: pipes.csv，第 5 行：flow：“10,5”不是数字（小数点须用“.”）；"
            "diameter：“50mm”不是数字（只填数值，单位为 mm）；viscosity：“0”小于 0.000001 ×10^-6 m²/s\n"
            "vendrel-calc: pipes.csv：有 3 行未能计算\n"},
        // A temperature column gives the viscosity, shown in its column.
        GoodCase{"temperature_column", "flow,diameter,Temperature\n10,50,10\n10,50,200\n",
            kDn50Row + "10,50,0.2,,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 3: temperature: \"200\" is outside 0 to 100 °C, the range of liquid water "
            "at "
            "0.1 MPa\nvendrel-calc: pipes.csv: 1 row could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 3 行：temperature：“200”不在 0～100 °C 范围内（常压下液态水的温度）\n"
            "vendrel-calc: pipes.csv：有 1 行未能计算\n"},
        // A material cell is trimmed as a number cell is; an unknown one hides no other mistake.
        GoodCase{"material_column", "flow,diameter,Material\n10,50, steel-new\nx,50,gold\n",
            "10,50,0.045,1.306,1.414711,54161,0.023473,47.902590,2.640413,过渡区：λ误差为0.024705^-6,transition,0."
            "024705\n"
            "x,50,,1.306,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 3: material: unknown material \"gold\" (see vendrel-calc --material-list); "
            "flow: \"x\" is not a number\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 3 行：material：没有管材“gold”（见 vendrel-calc --material-list）；"
            "flow：“x”不是数字\n"
            "vendrel-calc: pipes.csv：有 1 行未能计算\n"},
        GoodCase{"iteration_failure", "flow,diameter,roughness\n3.2,50,2\n",
            "3.2,50,2,1.306,0.452707,17331,,,,迭代失败,failed,\n",
            "vendrel-calc: pipes.csv, line 2: no friction law's solution lies in its own zone (迭代失败); by the "
            "Colebrook–White law alone λ is 0.066072 and Rf 13.807461 mm/m\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 2 行：各流区摩阻公式的解都不在其适用范围内（迭代失败）；仅按 Colebrook–White "
            "公式，λ 为 0.066072，比摩阻 Rf 为 13.807461 mm水柱/m\n"
            "vendrel-calc: pipes.csv：有 1 行未能计算\n"},
        // Schedules as spreadsheets write them: Chinese names, columns of
        // the user's own kept in their place, blank optional cells.
        GoodCase{"chinese_headers_and_own_columns", "管段,流量(m³/h),管径（mm）,备注\nA1,10,50,\"供水,一层\"\n",
            "A1," + kDn50Row.substr(0, kDn50Row.size() - 1) + ",\"供水,一层\"\n", "",
            "管段,flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status,zone,"
            "residual,备注\n"},
        GoodCase{"blank_optional_cells_take_the_defaults", "flow,diameter,roughness,temperature\n10,50,,\n10,50, ,10\n",
            kDn50Row + kDn50Row},
        GoodCase{"materials_in_any_case_and_by_name",
            "flow,diameter,管材\n10,50,Steel-Closed\n10,50,钢管（闭式水系统）\n", kDn50Row + kDn50Row},
        // Excel's "CSV" on a Chinese Windows (GBK: 流量,管径,备注 and 供水)
        // and its "Unicode text" (UTF-16 with tabs).
        GoodCase{"gbk", "\xC1\xF7\xC1\xBF,\xB9\xDC\xBE\xB6,\xB1\xB8\xD7\xA2\n10,50,\xB9\xA9\xCB\xAE\n",
            kDn50Row.substr(0, kDn50Row.size() - 1) + ",供水\n", "",
            "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status,zone,"
            "residual,备注\n"},
        GoodCase{"utf16_little_endian_with_tabs", Utf16("\xFF\xFE", "flow\tdiameter\r\n10\t50\r\n", false), kDn50Row},
        GoodCase{"utf16_big_endian", Utf16("\xFE\xFF", "flow,diameter\n10,50\n", true), kDn50Row},
        // Outside diameter × wall as drawings write it: the bore, D − 2δ, calculated and written.
        GoodCase{"sizes_as_drawings_write_them", "flow,diameter\n10,D57×3.5\n10, φ57x3.5\n10,Φ10×5\n",
            kDn50Row + kDn50Row + "10,Φ10×5,0.2,1.306,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 4: diameter: \"Φ10×5\": a wall of 5 mm leaves no bore in an outside "
            "diameter of 10 mm\nvendrel-calc: pipes.csv: 1 row could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 4 行：diameter：“Φ10×5”：壁厚 5 mm 不小于外径 10 mm 的一半，没有内径\n"
            "vendrel-calc: pipes.csv：有 1 行未能计算\n"},
        // A nominal size of the series, in any case: its bore, calculated and written.
        GoodCase{"nominal_sizes_of_the_series", "flow,diameter\n10,DN50\n10, dn50\n10,DN51\n",
            kSch40Dn50Row + kSch40Dn50Row + "10,DN51,0.2,1.306,,数据有误,,,,,invalid,\n",
            "vendrel-calc: pipes.csv, line 4: diameter: \"DN51\" is no size of the series sch40 (DN15 DN20 DN25 DN32 "
            "DN40 DN50 DN65 DN80 DN90 DN100 DN125 DN150 DN200 DN250 DN300 DN350 DN400 DN450 DN500 DN600)\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 4 行：diameter：“DN51”不是管道系列 sch40 的规格（可选：DN15 DN20 DN25 DN32 "
            "DN40 DN50 DN65 DN80 DN90 DN100 DN125 DN150 DN200 DN250 DN300 DN350 DN400 DN450 DN500 DN600）\n"
            "vendrel-calc: pipes.csv：有 1 行未能计算\n"},
        // A brine at its temperature gives its viscosity, a load at its
        // temperature difference the flow; what flows and how much is carried through.
        GoodCase{"brines_and_water_temperatures",
            "flow,diameter,fluid,concentration,temperature\n10,50,eg,30,-5\n10,50,,,7\n10,50,water,,\n10,50,eg,30,-"
            "13\n",
            "10,50,0.2,5.022,1.414711,14085,0.034524,70.457137,3.701169,过渡区：λ误差为0.083432^-6,transition,0.083432,"
            "eg,30\n10,50,0.2,1.427,1.414711,49569,0.030482,62.206814,12.239061,过渡区：λ误差为0.037460^-6,"
            "transition,0.037460,,\n"
                + kDn50Row.substr(0, kDn50Row.size() - 1)
                + ",water,\n10,50,0.2,7.105,1.414711,9955,0.036422,74.329229,2.687007,过渡区：λ误差为0.102959^-6,"
                  "transition,0.102959,eg,30\n",
            // Near its freezing point a brine is calculated, and the user told.
            "vendrel-calc: pipes.csv, line 5: ethylene glycol brine of 30 % by mass freezes at -14.6 °C, less than 3 K "
            "below \"-13\" °C\n",
            "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status,zone,"
            "residual,fluid,concentration\n",
            "vendrel-calc: pipes.csv，第 5 行：乙二醇水溶液 30%（质量）的冰点为 -14.6 °C，比 “-13” °C 低不足 3 K\n"},
        GoodCase{"flows_from_loads",
            "管段,负荷(kW),温差,管径,介质,浓度,温度\nA,100,5,50,,,\nB,100,5,50,eg,30,0\nC,100,5,50,pg,30,-15\n"
            "D,,5,50,,,\nE,100,5,50,eg,,0\nF,100,5,50,水,20,10\nG,100,5,50,brine,,\n",
            "A,100,5,17.166,50,0.2,1.306,2.428492,92974,0.029558,177.749900,22.605525,过渡区：λ误差为0.037306^-6,"
            "transition,0.037306,,\nB,100,5,18.835,50,0.2,4.113,2.664607,32392,0.031447,227.672300,8.123618,"
            "过渡区：λ误差为0.022837^-6,transition,0.022837,eg,30\nC,100,5,,50,0.2,,,数据有误,,,,,invalid,,pg,30\n"
            "D,,5,,50,0.2,1.306,,数据有误,,,,,invalid,,,\nE,100,5,,50,0.2,,,数据有误,,,,,invalid,,eg,\n"
            "F,100,5,,50,0.2,,,数据有误,,,,,invalid,,水,20\nG,100,5,,50,0.2,,,数据有误,,,,,invalid,,brine,\n",
            "vendrel-calc: pipes.csv, line 4: temperature: \"-15\" °C is outside -12.8 to 100 °C: propylene glycol "
            "brine of 30 % by mass freezes at -12.8 °C\n"
            "vendrel-calc: pipes.csv, line 5: load and delta_t go together: the load in kW and the supply–return "
            "temperature difference in K\n"
            "vendrel-calc: pipes.csv, line 6: fluid eg needs its glycol, % by mass, in the concentration column "
            "(浓度)\n"
            "vendrel-calc: pipes.csv, line 7: concentration: a concentration goes with a glycol brine (fluid eg or "
            "pg), "
            "not with water\n"
            "vendrel-calc: pipes.csv, line 8: fluid: unknown fluid \"brine\" (water, eg or pg; 水, 乙二醇 or 丙二醇)\n"
            "vendrel-calc: pipes.csv: 5 rows could not be calculated\n",
            "管段,负荷(kW),温差,flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_"
            "reynolds,"
            "status,zone,residual,介质,浓度\n",
            "vendrel-calc: pipes.csv，第 4 行：temperature：“-15” °C 不在 -12.8～100 °C 范围内：丙二醇水溶液 "
            "30%（质量）"
            "的冰点为 -12.8 °C\n"
            "vendrel-calc: pipes.csv，第 5 行：负荷与温差须一起给出：负荷（kW）和供回水温差（K）\n"
            "vendrel-calc: pipes.csv，第 6 行：介质 eg 须在“浓度”列给出乙二醇或丙二醇的质量浓度（%）\n"
            "vendrel-calc: pipes.csv，第 7 行：concentration：浓度只用于乙二醇或丙二醇水溶液（介质 eg 或 pg），水不用\n"
            "vendrel-calc: pipes.csv，第 8 行：fluid：没有介质“brine”（可选：water、eg、pg，或水、乙二醇、丙二醇）\n"
            "vendrel-calc: pipes.csv：有 5 行未能计算\n"},
        // The command line's brine for blank cells, its concentration only
        // for rows of that fluid; a load beside a viscosity typed takes its ρ·c_p.
        GoodCase{"the_command_lines_fluid_for_blank_cells",
            "flow,diameter,fluid,concentration,viscosity,load\n10,50,,,,\n10,50,水,,,\n10,50,乙二醇,,,\n,50,,,4,100\n",
            "10,50,0.2,3.411,1.414711,20737,0.032866,67.073255,5.316748,过渡区：λ误差为0.047752^-6,transition,0.047752,"
            ",,\n10,50,0.2,1.518,1.414711,46597,0.030602,62.452605,11.528070,过渡区：λ误差为-0.015073^-6,transition,-"
            "0.015073,水,,\n10,50,0.2,3.411,1.414711,20737,0.032866,67.073255,5.316748,过渡区：λ误差为0.047752^-6,"
            "transition,0.047752,乙二醇,,\n18.784,50,0.2,4,2.657392,33217,0.031380,225.961355,8.321664,过渡区：λ误差为-"
            "0.002258^-6,transition,-0.002258,,,100\n",
            "",
            "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status,zone,"
            "residual,fluid,concentration,load\n",
            "", {"eg", "30", "5", "5"}},
        GoodCase{"results_not_finite", "flow,diameter\n10,1e200\n",
            "10,1e200,0.2,1.306,0.000000,0,inf,nan,非紊流区,层流区,laminar,\n",
            "vendrel-calc: pipes.csv, line 2: the results are not finite numbers: check the units (flow in m³/h, "
            "diameter and roughness in mm, viscosity in 10^-6 m²/s)\n"
            "vendrel-calc: pipes.csv: 1 row could not be calculated\n",
            nullptr,
            "vendrel-calc: pipes.csv，第 2 行：结果不是有限数，请检查单位（流量 m³/h，管径和粗糙度 mm，运动粘滞系数 "
            "10^-6 m²/s）\n"
            "vendrel-calc: pipes.csv：有 1 行未能计算\n"}),
    [](const testing::TestParamInfo<GoodCase>& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string input;
    const char* message; // what stderr must say, including the line
    int rowsBefore;      // complete result rows written before stopping
    const char* chinese; // the message in Chinese
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
    const std::string chinese = RunJob(c.input, messages::Language::Chinese).err;
    EXPECT_NE(chinese.find(c.chinese), std::string::npos) << chinese;
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
    testing::Values(BadCase{"unterminated_quote", "flow,diameter\n10,50\n10,\"50\n10,50\n",
                        "line 3: unterminated quoted field", 1, "pipes.csv，第 3 行：引号中的字段缺少结束引号"},
        BadCase{"too_few_fields", "flow,diameter\n10,50\n10,50\n10\n", "line 4: expected 2 fields, found 1", 2,
            "第 4 行：应有 2 个字段，实有 1 个"},
        BadCase{"too_many_fields", "flow,diameter\n10,50,0.2\n", "line 2: expected 2 fields, found 3", 0,
            "第 2 行：应有 2 个字段，实有 3 个"},
        BadCase{"line_over_one_mebibyte", "flow,diameter\n10,50\n10," + std::string(1 << 20, '5') + "\n",
            "line 3: line longer than 1 MiB", 1, "第 3 行：行长度超过 1 MiB"},
        BadCase{"nul_byte",
            std::string("flow,diameter\n10,50\n10,5\0"
                        "0\n",
                27),
            "line 3: NUL byte", 1, "第 3 行：含有 NUL 字节"},
        // Chinese in UTF-8 with a fault is UTF-8 with a fault, not GBK.
        BadCase{"invalid_utf8", "流量,管径\n10,50\n10,\xC3\x28\n", "line 3: invalid UTF-8 in field 2", 1,
            "第 3 行：第 2 个字段不是有效的 UTF-8（文件并非通篇 UTF-8），请在 Excel 中另存为“CSV UTF-8（逗号分隔）”"},
        BadCase{"overlong_utf8", "流量,管径\n\xC0\xAE,50\n", "line 2: invalid UTF-8 in field 1", 0,
            "第 2 行：第 1 个字段不是有效的 UTF-8"},
        BadCase{"neither_utf8_nor_gbk", "flow,diameter\n10,50\n10,\xFF\xFF\n",
            "line 3: the text is neither UTF-8 nor GB18030 (GBK): save it from Excel as \"CSV UTF-8", 1,
            "第 3 行：文本既不是 UTF-8，也不是 GB18030（GBK），请在 Excel 中另存为“CSV UTF-8（逗号分隔）”"},
        BadCase{"utf16_lone_surrogate",
            Utf16("\xFF\xFE", "flow,diameter\n10,50\n", false) + std::string("\x00\xD8,\x00", 4),
            "line 3: a UTF-16 surrogate without its pair", 1, "第 3 行：UTF-16 代理项不成对"},
        BadCase{"utf16_without_its_mark", Utf16("", "flow,diameter\n", false), "line 1: NUL byte (text in UTF-16", -1,
            "第 1 行：含有 NUL 字节（UTF-16 文本须带字节顺序标记）"},
        BadCase{"text_after_closing_quote", "flow,diameter\n\"10\"x,50\n", "line 2: unexpected character", 0,
            "第 2 行：结束引号后有多余的字符"},
        BadCase{"lone_carriage_return", "flow,diameter\n10,50\r10,50\n", "line 2: carriage return", 0,
            "第 2 行：回车符后没有换行符"},
        BadCase{"empty_input", "",
            "line 1: no header line: expected the columns flow and diameter (流量, 管径), and "
            "optionally roughness or material (粗糙度, 管材), viscosity or temperature",
            -1, "第 1 行：没有表头行：须有流量、管径两列（flow、diameter）"},
        BadCase{"misspelt_column", "flow,diameter,roughnes\n",
            "line 1: unknown column \"roughnes\": did you mean \"roughness\"?", -1,
            "第 1 行：无法识别的列“roughnes”：是否应为“roughness”？"},
        BadCase{"misspelt_short_column", "Flw,diameter\n", "unknown column \"Flw\": did you mean \"flow\"?", -1,
            "无法识别的列“Flw”：是否应为“flow”？"},
        BadCase{"repeated_column", "flow,diameter,流量\n",
            "line 1: column \"flow\" appears twice (as \"flow\" and \"流量\")", -1,
            "第 1 行：“flow”列出现了两次（分别写作“flow”和“流量”）"},
        BadCase{"missing_diameter_column", "flow,roughness\n", "line 1: the header has no \"diameter\" column", -1,
            "第 1 行：表头中没有“diameter”列"},
        // Header errors name the header's own line, past a byte order mark
        // on a line of its own and blank lines.
        BadCase{"header_after_blank_lines", "\xEF\xBB\xBF\n\r\nflow\n", "line 3: the header has no \"diameter\"", -1,
            "第 3 行：表头中没有“diameter”列"},
        BadCase{"viscosity_and_temperature", "flow,diameter,viscosity,temperature\n",
            "line 1: columns \"viscosity\" and \"temperature\" cannot both be given", -1,
            "第 1 行：“viscosity”和“temperature”两列只能有一列"},
        BadCase{"only_blank_lines", "\n\n", "line 3: no header line", -1, "第 3 行：没有表头行"}),
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
    std::string input = "flow,diameter,roughness\n";
    for (int i = 0; i < 25; ++i)
        input += i == 19 ? "3.2,50,2\n" : "0,50,0.2\n"; // the last row listed: the solver fails
    const JobOutput result = RunJob(input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 26);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 21);
    EXPECT_NE(result.err.find("line 21: no friction law's solution lies in its own zone (迭代失败); by the "
                              "Colebrook–White law alone λ is 0.066072"),
        std::string::npos);
    EXPECT_EQ(result.err.find("line 22: flow"), std::string::npos);
    EXPECT_NE(result.err.find("pipes.csv: 25 rows could not be calculated (the first 20 are listed above)\n"),
        std::string::npos);
}

// For Excel on a Chinese Windows: a byte-order mark first, CRLF line ends.
TEST(CsvJob, ExcelOutputHasAByteOrderMarkAndCrlf)
{
    File in(std::tmpfile(), &std::fclose);
    std::fputs("flow,diameter\n10,50\n", in.get());
    std::rewind(in.get());
    char* data = nullptr;
    std::size_t size = 0;
    File out(open_memstream(&data, &size), &std::fclose);
    CsvJobSettings settings;
    settings.bom = true;
    EXPECT_EQ(RunCsvJob(in.get(), "pipes.csv", out.get(), stderr, settings), 0);
    out.reset();
    const std::string written(data, size);
    std::free(data);
    const auto crlf = [](std::string text) {
        for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
            text.insert(at, "\r");
        return text;
    };
    EXPECT_EQ(written, "\xEF\xBB\xBF" + crlf(kHeader + kDn50Row));
}

TEST(CsvJob, ErrorMessageNamesTheInput)
{
    const JobOutput result = RunJob("flow\n");
    EXPECT_EQ(result.err.rfind("vendrel-calc: pipes.csv, line 1: ", 0), 0u) << result.err;
}

TEST(CsvJob, QuotedCellMaySpanLinesAndLinesAreCountedPastIt)
{
    const JobOutput result = RunJob("flow,diameter\n\"1\n0\",50\n10\n");
    // The stop still counts the rows before it that could not be calculated.
    EXPECT_EQ(result.err,
        "vendrel-calc: pipes.csv, line 2: flow: \"1\\x0A0\" is not a number (give the number alone, in m³/h)\n"
        "vendrel-calc: pipes.csv, line 4: expected 2 fields, found 1\n"
        "vendrel-calc: pipes.csv: 1 row could not be calculated\n");
    EXPECT_EQ(result.out, kHeader + "\"1\n0\",50,0.2,1.306,,数据有误,,,,,invalid,\n");
}

} // namespace
} // namespace vendrel::cli
