#include "book/circuitbook.h"

#include "design/materials.h"
#include "design/pipeseries.h"
#include "files/circuitreader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace vendrel::book {
namespace {

bool HasLineWith(const BookPart& part, const std::string& text)
{
    return std::any_of(part.lines.begin(), part.lines.end(),
        [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

// The book's parts in order, the title block with its lines to sign, the
// sources of what was used and only that, and the calculation's warnings.
TEST(CircuitBook, SaysWhatTheCircuitUsedInOrder)
{
    struct Case {
        const char* name;
        std::string file;
        bool brine;
        std::vector<std::string> headings;
        std::vector<std::string> designer;                      // 设计, then 日期
        std::vector<std::pair<std::string, std::string>> lines; // part, text in one of its lines
        std::vector<std::pair<std::string, std::string>> absent;
    };
    const std::string sections = "管段,起点,终点,流量(m³/h),长度(m),内径(mm),管件,设备阻力(kPa)\n"
                                 "G,P,N,10,10,52.48,elbow90*2,20\n"
                                 "A,N,M,5,10,52.48,,30\n"
                                 "B,N,M,5,10,15.76,,0\n" // far over the limits, and out of balance
                                 "H,M,Q,10,10,52.48,,0\n";
    const Case cases[] = {
        {"a whole circuit", "工程名称,某办公楼\n设计,张三\n" + sections, false,
            {"设计依据", "计算参数", "计算公式", "管段计算表", "环路", "最不利环路与水泵", "平衡", "说明与警告"},
            {"张三", ""},
            {{"设计依据", "标准弯头90°：HVAC Pump Handbook, 2nd ed., Table 3.8"}, {"设计依据", "IAPWS R12-08"},
                {"设计依据", "图 4-14"}, {"计算参数", "不平衡率限值：15%"}, {"说明与警告", "管段“B”：比摩阻"},
                {"说明与警告", "超过限值 15%"}, {"最不利环路与水泵", "水泵扬程"}},
            {{"设计依据", "闸阀"}}},
        {"no circuit yet", "管段,起点,终点,流量(m³/h),长度(m),内径(mm)\nG,P,N,10,10,52.48\nA,N,P,10,10,52.48\n", true,
            {"设计依据", "计算参数", "计算公式", "管段计算表", "环路", "最不利环路与水泵", "说明与警告"}, {"", ""},
            {{"最不利环路与水泵", "无从确定"}, {"设计依据", "Melinder"}},
            {{"设计依据", "图 4-14"}, {"设计依据", "IAPWS"}}},
    };
    const design::SeriesCatalog series;
    const design::MaterialCatalog materials;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string& bytes = c.file;
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::tmpfile(), &std::fclose);
        std::fwrite(bytes.data(), 1, bytes.size(), in.get());
        std::rewind(in.get());
        files::CircuitTable table;
        std::vector<messages::Message> problems;
        ASSERT_TRUE(files::ReadCircuitFile(in.get(), series.Default(), materials, table, problems))
            << (problems.empty() ? "" : problems[0].Text(messages::Language::English));
        design::CircuitSettings calculation;
        calculation.series = &series.Default();
        if (c.brine)
            calculation.fluid.kind = design::FluidKind::EthyleneGlycol;
        const design::CircuitResult result = design::CalculateCircuit(table.sections, calculation);
        const CalculationBook book = CircuitBook(table, result, calculation, {});

        std::vector<std::string> headings;
        for (const BookPart& part : book.parts)
            headings.push_back(part.heading);
        EXPECT_EQ(headings, c.headings);
        ASSERT_EQ(book.titleBlock.size(), 6u);
        EXPECT_EQ(book.titleBlock[2].title, "设计");
        EXPECT_EQ(book.titleBlock[2].value, c.designer[0]);
        EXPECT_EQ(book.titleBlock[5].value, c.designer[1]);
        const auto part = [&](const std::string& heading) {
            return *std::find_if(
                book.parts.begin(), book.parts.end(), [&](const BookPart& p) { return p.heading == heading; });
        };
        for (const auto& [heading, text] : c.lines)
            EXPECT_TRUE(HasLineWith(part(heading), text)) << heading << ": " << text;
        for (const auto& [heading, text] : c.absent)
            EXPECT_FALSE(std::any_of(book.parts.begin(), book.parts.end(),
                [&](const BookPart& p) { return p.heading == heading && HasLineWith(p, text); }))
                << heading << ": " << text;
    }
}

} // namespace
} // namespace vendrel::book
