#include "design/water.h"
#include "files/circuitreader.h"
#include "files/columns.h"
#include "files/csvreader.h"
#include "files/userlibrary.h"
#include "tests/messagetext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace vendrel::files {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Every record of bytes, its cells joined by "|", one record a line; or the
// reader's error, in the language.
std::string Records(const std::string& bytes, messages::Language language = messages::Language::English)
{
    File in(std::tmpfile(), &std::fclose);
    std::fwrite(bytes.data(), 1, bytes.size(), in.get());
    std::rewind(in.get());
    CsvReader reader(in.get());
    std::vector<std::string> cells;
    std::string text;
    for (;;) {
        switch (reader.Next(cells)) {
        case CsvReader::Result::End:
            return text;
        case CsvReader::Result::Error:
            return text + "error, line " + std::to_string(reader.ErrorLine()) + ": " + reader.Error().Text(language);
        case CsvReader::Result::Record:
            for (std::size_t i = 0; i < cells.size(); ++i)
                text += (i > 0 ? "|" : "") + cells[i];
            text += "\n";
        }
    }
}

std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct Decoding {
    const char* name;
    std::string bytes;
    std::string records;
    std::string chinese = {}; // the records with a fault in Chinese, where there is one
};

// Where the encoding shows beyond the first block of 64 KiB: a long ASCII
// start before GBK, characters and surrogate pairs cut by a block's end,
// GB18030's four-byte characters, and faults named by their line.
TEST(CsvReader, DecodesWhatSpreadsheetsSave)
{
    const std::string ascii(70000, 'a');
    const std::string longCell = ascii + "\n";
    const Decoding cases[] = {
        {"ascii_then_gbk", longCell + "\xC0\xE4\xCB\xAE\n", longCell + "冷水\n"},
#ifndef _WIN32 // Wine has no GB18030, only its GBK part
        {"gb18030_four_bytes", "\x81\x30\x84\x36,\x95\x32\x82\x36\n", "¥|𠀀\n"},
#endif
        {"utf8_cut_by_the_block", std::string(65535, 'a') + "冷水\n", std::string(65535, 'a') + "冷水\n"},
        {"row_cut_by_the_block", std::string(65533, 'a') + "\n1,2,3\n", std::string(65533, 'a') + "\n1|2|3\n"},
        {"crlf_cut_by_the_block", std::string(65535, 'a') + "\r\n1,2\r\n", std::string(65535, 'a') + "\n1|2\n"},
        {"utf16_pair_cut_by_the_block", Utf16(std::u16string(32766, u'a') + u"\U00020000\n", false),
            std::string(32766, 'a') + "𠀀\n"},
        {"gbk_fault_on_its_line", longCell + "\xC0\xE4\n\xFF\xFF\n",
            longCell
                + "冷\nerror, line 3: the text is neither UTF-8 nor GB18030 (GBK): save it from Excel as \"CSV UTF-8 "
                  "(Comma delimited)\" (CSV UTF-8（逗号分隔）)",
            longCell
                + "冷\nerror, line 3: 文本既不是 UTF-8，也不是 GB18030（GBK），请在 Excel 中另存为“CSV "
                  "UTF-8（逗号分隔）”"},
        {"nul_in_utf8", std::string("a,b\nc\0,d\n", 9),
            "a|b\nerror, line 2: NUL byte (text in UTF-16 needs its byte-order mark): save",
            "a|b\nerror, line 2: 含有 NUL 字节（UTF-16 文本须带字节顺序标记），请在 Excel 中另存为"},
        {"tabs_only_where_the_header_has_them", "a,b\nc\td,e\n", "a|b\nc\td|e\n"},
        {"utf16_big_endian_tabs", Utf16(u"流量\t管径\n1\t2\n", true), "流量|管径\n1|2\n"},
    };
    for (const Decoding& c : cases) {
        const bool fault = !c.chinese.empty();
        // A fault's message is checked as far as the case gives it.
        EXPECT_EQ(Records(c.bytes).substr(0, fault ? c.records.size() : std::string::npos), c.records) << c.name;
        if (fault) {
            EXPECT_EQ(Records(c.bytes, messages::Language::Chinese).substr(0, c.chinese.size()), c.chinese) << c.name;
        }
    }
}

struct Header {
    const char* name;
    std::vector<std::string> cells;
    std::vector<int> known; // each cell's known column, -1 for the user's own
    const char* error;      // or ""
    const char* chinese;
};

TEST(Columns, MatchesNamesAliasesAndUnitsAndCatchesSlips)
{
    const std::vector<KnownColumn> known = {{"flow", {"流量"}}, {"diameter", {"管径"}}, {"roughness", {"粗糙度"}}};
    const Header cases[] = {
        {"names_in_any_case", {"Flow", " DIAMETER "}, {0, 1}, "", ""},
        {"aliases_and_units", {"流量(m³/h)", "管径（mm）", "roughness [mm]"}, {0, 1, 2}, "", ""},
        {"own_columns", {"管段", "flow", "row", "note", "diameter"}, {-1, 0, -1, -1, 1}, "", ""},
        {"slip", {"flow", "diamter"}, {}, "unknown column \"diamter\": did you mean \"diameter\"?",
            "无法识别的列“diamter”：是否应为“diameter”？"},
        {"short_slip", {"flw"}, {}, "unknown column \"flw\": did you mean \"flow\"?",
            "无法识别的列“flw”：是否应为“flow”？"},
        {"named_twice", {"flow", "流量"}, {}, "column \"flow\" appears twice (as \"flow\" and \"流量\")",
            "“flow”列出现了两次（分别写作“flow”和“流量”）"},
    };
    for (const Header& c : cases) {
        HeaderMatch match;
        messages::Message error;
        EXPECT_EQ(MatchHeader(c.cells, known, match, error), *c.error == '\0') << c.name;
        EXPECT_EQ(English(error).rfind(c.error, 0), 0u) << c.name << ": " << error;
        EXPECT_EQ(Chinese(error).rfind(c.chinese, 0), 0u) << c.name << ": " << Chinese(error);
        if (*c.error == '\0') {
            EXPECT_EQ(match.known, c.known) << c.name;
        }
    }
}

std::string WriteFile(const std::string& folder, const std::string& name, const std::string& text)
{
    const std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A folder of the test's own, empty, with an empty series folder in it.
std::string Folder(const char* name)
{
    const std::filesystem::path folder
        = std::filesystem::path(testing::TempDir()) / ("vendrel_files_test_" + std::string(name));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "series");
    return folder.string();
}

struct SeriesFile {
    const char* name;
    std::string text;
    const char* error; // the start of the message after the file's name, or "" for a series taken
    const char* chinese;
};

// A user's series: a title, Chinese or English columns, bores by outside
// diameter and wall or given, checked as the built-in tables are; a fault
// names its line and column and takes nothing.
TEST(UserLibrary, TakesSeriesFilesWholeOrNotAtAll)
{
    const std::string folder = Folder("series");
    const SeriesFile cases[] = {
        {"chinese_columns",
            "标题,本院无缝钢管\n来源,院标 2024\n管材,steel-open\n公称直径,外径,壁厚,最大流速\nDN200,219,6,2.5\n"
            "DN250,273,7,\n",
            "", ""},
        {"bores_given", "title,Mine\nnominal,inside\nA,10\nB,20\n", "", ""},
        {"gbk", "\xB1\xEA\xCC\xE2,\xCE\xDE\xB7\xEC\xB8\xD6\xB9\xDC\nnominal,inside\nDN200,207\n", "", ""},
        {"bad_wall", "title,Mine\nnominal,outside,wall\nDN200,219,6\nDN250,273,x\n",
            ", line 4, column 3: wall: \"x\" is not a number", "，第 4 行第 3 列：壁厚：“x”不是数字"},
        {"negative_wall", "title,Mine\nnominal,outside,wall\nDN200,219,-6\n",
            ", line 3, column 3: wall: \"-6\" must be a positive number", "，第 3 行第 3 列：壁厚：“-6”须为正数"},
        {"bore_not_growing", "title,Mine\nnominal,inside\nA,20\nB,10\n",
            ", line 4: B: the inner diameter 10 mm does not grow", "，第 4 行：B：内径 10 mm 不大于上一规格（20 mm）"},
        {"bore_not_outside_less_walls", "title,Mine\nnominal,outside,wall,inside\nA,60,3,50\n",
            ", line 3: A: the inner diameter 50 mm is not the outside diameter less twice the wall, 54 mm",
            "，第 3 行：A：内径 50 mm 不等于外径减两倍壁厚（54 mm）"},
        {"title_differs", "title,Mine\nnominal,inside,title\nA,20,Other\n",
            ", line 3, column 3: title: \"Other\" differs from the one given before, \"Mine\"",
            "，第 3 行第 3 列：标题：“Other”与前面给出的“Mine”不同"},
        {"no_title", "nominal,inside\nA,20\n", ": no title", "：没有标题（在表头之前加一行“标题,…”）"},
        {"unknown_material", "title,Mine\nmaterial,gold\nnominal,inside\nA,20\n", ": unknown material \"gold\"",
            "：没有管材“gold”（可选："},
        {"no_bores", "title,Mine\nnominal,wall\nA,2\n", ", line 2: the header needs nominal",
            "，第 2 行：表头须有公称直径"},
        {"not_there", "", "", ""},
    };
    for (const SeriesFile& c : cases) {
        const bool missing = std::string_view(c.name) == "not_there";
        const std::string path = missing ? folder + "/none.csv" : WriteFile(folder, "mine.csv", c.text);
        UserLibrary library;
        messages::Message error;
        const bool taken = AddSeriesFile(path, library, error);
        EXPECT_EQ(taken, *c.error == '\0' && !missing) << c.name << ": " << error;
        if (missing) {
            EXPECT_EQ(error.Id(), messages::MessageId::CannotOpen);
            EXPECT_EQ(Chinese(error).rfind("无法打开 " + path + "：", 0), 0u) << Chinese(error);
            continue;
        }
        EXPECT_EQ(English(error).rfind(*c.error == '\0' ? "" : path + c.error, 0), 0u) << c.name << ": " << error;
        EXPECT_EQ(Chinese(error).rfind(*c.chinese == '\0' ? "" : path + c.chinese, 0), 0u)
            << c.name << ": " << Chinese(error);
        EXPECT_EQ(library.series.size(), taken ? 5 : 4) << c.name;
    }
    UserLibrary library;
    messages::Message error;
    ASSERT_TRUE(AddSeriesFile(WriteFile(folder, "mine.csv", cases[0].text), library, error)) << error;
    const design::PipeSeries& mine = *library.series.Find("mine");
    EXPECT_EQ(mine.name, "本院无缝钢管");
    EXPECT_EQ(mine.material, "steel-open");
    EXPECT_DOUBLE_EQ(mine.sizes[0].inside, 207);
    EXPECT_DOUBLE_EQ(mine.sizes[0].maxVelocity, 2.5);
    EXPECT_TRUE(std::isnan(mine.sizes[1].maxVelocity));
    ASSERT_TRUE(AddSeriesFile(WriteFile(folder, "gbk.csv", cases[2].text), library, error)) << error;
    EXPECT_EQ(library.series.Find("gbk")->name, "无缝钢管");
}

// The user's folder: its materials file, then each series file, those that
// cannot be taken left out with a warning naming the file and the line.
TEST(UserLibrary, LoadsTheUsersFolder)
{
    const std::string folder = Folder("folder");
    WriteFile(folder, "materials.csv", "代号,名称,粗糙度,来源,塑料\nhdpe,高密度聚乙烯管,0.007,厂家样本,是\n");
    WriteFile(folder + "/series", "mine.csv", "title,HDPE\nmaterial,高密度聚乙烯管\nnominal,inside\nde50,40.8\n");
    WriteFile(folder + "/series", "broken.csv", "title,Broken\nnominal,inside\nA,x\n");
    const UserLibrary library = LoadUserLibrary(folder);
    ASSERT_NE(library.materials.Find("HDPE"), nullptr);
    EXPECT_TRUE(library.materials.Find("hdpe")->plastic);
    ASSERT_NE(library.series.Find("mine"), nullptr);
    EXPECT_EQ(library.series.Find("mine")->material, "hdpe");
    EXPECT_EQ(library.series.Find("broken"), nullptr);
    ASSERT_EQ(library.warnings.size(), 1u);
    EXPECT_EQ(English(library.warnings[0]),
        SeriesFolder(folder) + "/broken.csv, line 3, column 2: inner diameter: \"x\" is not a number");
    EXPECT_EQ(Chinese(library.warnings[0]), SeriesFolder(folder) + "/broken.csv，第 3 行第 2 列：内径：“x”不是数字");
    EXPECT_TRUE(LoadUserLibrary(folder + "/none").warnings.empty());
}

// A circuit file: its sections as given, and every cell that cannot be read
// named by line and column, on every row, not only the first.
TEST(CircuitReader, ReadsSectionsAndNamesEveryBadCell)
{
    const design::SeriesCatalog series;
    const design::MaterialCatalog materials;
    const auto read = [&](const std::string& bytes, CircuitTable& table,
                          messages::Language language = messages::Language::English) {
        File in(std::tmpfile(), &std::fclose);
        std::fwrite(bytes.data(), 1, bytes.size(), in.get());
        std::rewind(in.get());
        std::vector<messages::Message> problems;
        ReadCircuitFile(in.get(), series.Default(), materials, table, problems);
        std::string text;
        for (const messages::Message& problem : problems)
            text += problem.Text(language) + "\n";
        return text;
    };
    CircuitTable table;
    // Settings first, as a spreadsheet saves them: padded with empty cells.
    // Rows of nothing but commas, as Excel writes under a table, are no sections.
    ASSERT_EQ(read("项目名称,某某大厦,,\nDesigner, 张三 \n管道系列,gb3091,,\n,,,\n扬程余量(%), 20 ,\n"
                   "管段,起点,终点,流量(m³/h),长度(m),公称直径,管件,设备阻力(kPa),水温,备注\n"
                   "A,P,X,10,5,DN50,elbow90*2 闸阀,3,7,供水\n, ,,,,,,,,\nB,X,Q,,4,,,,,\n,,,,,,,,,\n,,\n",
                  table),
        "");
    ASSERT_EQ(table.settings.size(), 2u);
    EXPECT_EQ(table.settings[0].key, CircuitSettingKey::Series);
    EXPECT_EQ(table.settings[1].value, "20");
    EXPECT_EQ(table.headerLine, 6);
    EXPECT_EQ(table.lines, (std::vector<long>{7, 9}));
    ASSERT_EQ(table.project.size(), 2u);
    EXPECT_EQ(table.project[0].field, ProjectField::Project);
    EXPECT_EQ(table.project[0].value, "某某大厦");
    EXPECT_EQ(table.project[1].field, ProjectField::Designer);
    EXPECT_EQ(table.project[1].value, "张三");
    ASSERT_EQ(table.sections.size(), 2u);
    const design::CircuitSection& a = table.sections[0];
    EXPECT_EQ(a.nominal, "DN50");
    EXPECT_DOUBLE_EQ(a.device, 3);
    ASSERT_EQ(a.fittings.size(), 2u);
    EXPECT_EQ(a.fittings[0].count, 2);
    EXPECT_EQ(a.fittings[1].key, "gate");
    ASSERT_TRUE(a.fluid);
    EXPECT_EQ(a.fluid->density, design::WaterDensity(7));
    EXPECT_EQ(table.sections[1].flow, "");
    EXPECT_TRUE(table.sections[1].nominal.empty() && table.sections[1].diameter.empty());

    struct Broken {
        const char* bytes;
        const char* english; // the start of the problems
        const char* chinese;
    };
    const Broken broken[] = {
        {"管段,起点,终点,流量,长度,管径,管件,设备阻力\nA,P,X,10,5,50,,\nA,X,Q,abc,-1,50,bend*2,x\n"
         "C,X,Q,,4,,elbow90*0,\n",
            "line 3, column 1 (管段): section \"A\" is also on line 2\n"
            "line 3, column 4 (流量): \"abc\" is not a number\n"
            "line 3, column 5 (长度): \"-1\" is below 0 m\n"
            "line 3, column 7 (管件): \"bend*2\": unknown fitting",
            "第 3 行第 1 列（管段）：管段“A”与第 2 行重复\n"
            "第 3 行第 4 列（流量）：“abc”不是数字\n"
            "第 3 行第 5 列（长度）：“-1”小于 0 m\n"
            "第 3 行第 7 列（管件）：没有管件“bend*2”"},
        {"section,from,length\nA,P,5\n", "line 1: the header has no \"to\" column (终点)\n",
            "第 1 行：表头中没有“终点”列（to）\n"},
        {"section,from,to,length,diameter,nominal\nA,P,Q,5,50,DN50\n",
            "line 2, column 6 (nominal): give the inner diameter or the nominal size, not both\n",
            "第 2 行第 6 列（nominal）：内径和公称直径只填一个\n"},
        {"section,from,to,length,nominal\nA,P,Q,5,DN47\n", "line 2, column 5 (nominal): \"DN47\" is no size",
            "第 2 行第 5 列（nominal）：“DN47”不是管道系列 sch40 的规格"},
        {"section,from,to,length,temperature\nA,P,Q,5,120\n",
            "line 2, column 5 (temperature): \"120\" is outside 0 to 100 °C, the range of liquid water at 0.1 MPa\n",
            "第 2 行第 5 列（temperature）：“120”不在 0～100 °C 范围内（常压下液态水的温度）\n"},
        {"section,from,to,length,阀门Kv\nA,P,Q,5,0\n", "line 2, column 5 (阀门Kv): \"0\" is below 0.000001 m³/h\n",
            "第 2 行第 5 列（阀门Kv）：“0”小于 0.000001 m³/h\n"},
        {"section,from,to,length,diameter\nA,P,Q,5,50mm\n",
            "line 2, column 5 (diameter): \"50mm\" is not a number (give the number alone, in mm)\n",
            "第 2 行第 5 列（diameter）：“50mm”不是数字（只填数值，单位为 mm）\n"},
        {"水温,10\nviscosity,1.3\nsection,from,to,length\n",
            "line 2: 运动粘滞系数(10⁻⁶ m²/s) and 水温(°C) cannot both be given; the other is on line 1\n",
            "第 2 行：运动粘滞系数(10⁻⁶ m²/s)与水温(°C)只能给一个，水温(°C)在第 1 行\n"},
        {"管道系列,sch40\n管道系列,gb3091\n", "line 2: 管道系列 is also given on line 1\n",
            "第 2 行：管道系列已在第 1 行给出\n"},
        // Today's 项目名称 is 工程名称; a name that is neither a setting nor the project's is named.
        {"工程名称,甲\n项目名称,乙\n", "line 2: 工程名称 is also given on line 1\n",
            "第 2 行：工程名称已在第 1 行给出\n"},
        {"项目编号,某某大厦,,,,\nsection,from,to,length\nA,P,Q,5\n",
            "line 1: \"项目编号\" names no setting or project line (one of 管道系列, 管材, ",
            "第 1 行：“项目编号”不是设置项或工程信息项（可选：管道系列, 管材, "},
        {"section,from,to,length\nA,P,Q\n", "line 2: expected 4 fields, found 3\n",
            "第 2 行：应有 4 个字段，实有 3 个\n"},
        {"section,from,to,length,diameter\nA,P,Q,5,D219×110\n",
            "line 2, column 5 (diameter): \"D219×110\": a wall of 110 mm leaves no bore in an outside diameter of 219 "
            "mm\n",
            "第 2 行第 5 列（diameter）：“D219×110”：壁厚 110 mm 不小于外径 219 mm 的一半，没有内径\n"},
        {"管道系列,sch40\n", "line 2: no header line: expected section, from, to and length (管段, 起点, 终点, 长度)\n",
            "第 2 行：没有表头行：须有管段、起点、终点、长度四列（section、from、to、length）\n"},
        {"section,from,to,length\n", "line 1: no sections after the header\n", "第 1 行：表头之后没有管段\n"},
    };
    for (const Broken& b : broken) {
        CircuitTable refused;
        EXPECT_EQ(read(b.bytes, refused).rfind(b.english, 0), 0u) << read(b.bytes, refused);
        const std::string chinese = read(b.bytes, refused, messages::Language::Chinese);
        EXPECT_EQ(chinese.rfind(b.chinese, 0), 0u) << chinese;
    }
    CircuitTable refused;
    EXPECT_NE(read(broken[0].bytes, refused).find("line 4, column 7 (管件): \"elbow90*0\""), std::string::npos);
    // The window marks each cell and keeps the row in the network, its unreadable flow derived.
    ASSERT_EQ(refused.cellProblems.size(), 6u);
    EXPECT_EQ(refused.cellProblems[1].row, 1u);
    EXPECT_EQ(refused.cellProblems[1].cell, 3);
    EXPECT_EQ(refused.sections[1].flow, "");
    EXPECT_EQ(English(refused.sections[1].problem), "管段: section \"A\" is also on line 2");
    EXPECT_EQ(Chinese(refused.sections[1].problem), "管段：管段“A”与第 2 行重复");
    EXPECT_TRUE(refused.sections[0].problem.Empty());
}

// Sizes as Chinese drawings write them, outside diameter × wall, in either
// column: the bore is D − 2δ, as a size of a series would give it.
TEST(CircuitReader, TakesSizesAsDrawingsWriteThem)
{
    const design::SeriesCatalog series;
    const design::MaterialCatalog materials;
    struct Size {
        const char* column;
        const char* text;
        const char* diameter;
        const char* nominal;
    };
    const Size sizes[] = {
        {"管径", "D219×6", "207", ""},
        {"管径", " Φ219×6 ", "207", ""},
        {"管径", "φ219x6", "207", ""},
        {"管径", "219X6", "207", ""},
        {"管径", "D219*6", "207", ""},
        {"管径", "d114.3×6.02", "102.26", ""},
        {"管径", "dn200", "", "DN200"},
        {"管径", "52.48", "52.48", ""},
        {"公称直径", "D219×6", "207", ""},
        {"公称直径", "DN80", "", "DN80"},
    };
    for (const Size& size : sizes) {
        const std::string bytes = std::string("管段,起点,终点,长度,") + size.column + "\nA,P,Q,5," + size.text + "\n";
        File in(std::tmpfile(), &std::fclose);
        std::fwrite(bytes.data(), 1, bytes.size(), in.get());
        std::rewind(in.get());
        CircuitTable table;
        std::vector<messages::Message> problems;
        ASSERT_TRUE(ReadCircuitFile(in.get(), series.Default(), materials, table, problems)) << size.text;
        EXPECT_EQ(table.sections[0].diameter, size.diameter) << size.text;
        EXPECT_EQ(table.sections[0].nominal, size.nominal) << size.text;
    }
}

} // namespace
} // namespace vendrel::files
