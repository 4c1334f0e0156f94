#include "book/circuitbook.h"

#include "book/bookpages.h"
#include "book/bookpdf.h"

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

// A font of fixed widths: a CJK character a font size wide, others half.
double FixedWidth(std::string_view text, double size)
{
    double width = 0;
    for (unsigned char c : text) {
        if (c >= 0xE0)
            width += size;
        else if (c < 0x80 || c >= 0xC0)
            width += size / 2;
    }
    return width;
}

BookTable Table(std::size_t columns, std::size_t rows, const std::string& cell)
{
    BookTable table;
    for (std::size_t c = 0; c < columns; ++c)
        table.headings.push_back("列" + std::to_string(c) + "(m)");
    for (std::size_t r = 0; r < rows; ++r) {
        BookRow& row = table.rows.emplace_back();
        for (std::size_t c = 0; c < columns; ++c)
            row.cells.push_back({c == 0 ? "R" + std::to_string(r) : cell, "", c > 0});
    }
    return table;
}

// Pages hold what they are given: every text on its page, wide tables on
// landscape pages, a table's headings on every page it runs onto, and the
// page count on every page.
TEST(BookPages, KeepEveryTextOnItsPage)
{
    struct Case {
        const char* name;
        std::vector<BookPart> parts;
        std::size_t pages;
        std::vector<std::size_t> landscape; // the landscape pages
        std::size_t headedPages;            // pages with the first table's headings
    };
    const std::string longText(600, 'x');
    const std::vector<Case> cases = {
        {"narrow", {{"甲", {"一行"}, {Table(3, 10, "1.5")}}}, 1, {}, 1},
        {"wide", {{"甲", {}, {Table(24, 10, "12345.6")}}, {"乙", {"其后"}, {}}}, 3, {2}, 1},
        {"long", {{"甲", {}, {Table(4, 200, "1.5")}}}, 4, {}, 4},
        {"long texts", {{"甲", {longText, "换行\n之后"}, {Table(6, 3, longText)}}}, 2, {2}, 1},
        {"too wide for landscape", {{"甲", {}, {Table(30, 2, "123456789.0")}}}, 2, {2}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationBook book;
        book.title = "水力计算书";
        book.titleBlock = {{"工程名称", std::string(300, 'y')}, {"设计", ""}};
        book.project = book.titleBlock[0].value;
        book.program = "Vendrel";
        book.parts = c.parts;
        const std::vector<BookPage> pages = LayOutBook(book, FixedWidth);
        EXPECT_EQ(pages.size(), c.pages);
        std::vector<std::size_t> landscape;
        std::size_t headed = 0;
        bool firstCellWhole = false; // a long text's column does not squeeze the others
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const BookPage& page = pages[p];
            if (page.width > page.height)
                landscape.push_back(p + 1);
            bool footer = false;
            bool heading = false;
            for (const PageText& text : page.texts) {
                EXPECT_GE(text.x, 40.0) << text.text;
                EXPECT_LE(text.x + FixedWidth(text.text, text.size), page.width - 40.0) << text.text;
                EXPECT_GE(text.baseline, 40.0) << text.text;
                EXPECT_LE(text.baseline, page.height - 20.0) << text.text;
                EXPECT_EQ(text.text.find('\n'), std::string::npos);
                footer = footer
                    || text.text == "第 " + std::to_string(p + 1) + " 页 共 " + std::to_string(pages.size()) + " 页";
                heading = heading || text.text.rfind("列", 0) == 0; // elided where narrow
                firstCellWhole = firstCellWhole || text.text == "R0";
            }
            EXPECT_TRUE(footer) << "page " << p + 1;
            headed += heading ? 1 : 0;
        }
        EXPECT_TRUE(firstCellWhole);
        EXPECT_EQ(landscape, c.landscape);
        EXPECT_EQ(headed, c.headedPages);
    }
}

TEST(BookPdf, SaysWhichFontItCannotRead)
{
    std::string bytes;
    messages::Message error;
    EXPECT_FALSE(BookPdfBytes(CalculationBook{}, {"/nonexistent/font.ttc"}, bytes, error));
    EXPECT_EQ(error.Id(), messages::MessageId::BookFontUnreadable);
    EXPECT_EQ(error.Text(messages::Language::English), "the font /nonexistent/font.ttc could not be read");
}

} // namespace
} // namespace vendrel::book
