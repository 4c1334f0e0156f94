#include "files/circuitreader.h"
#include "files/columns.h"
#include "files/csvreader.h"
#include "files/userlibrary.h"

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
// reader's error.
std::string Records(const std::string& bytes)
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
            return text + "error, line " + std::to_string(reader.ErrorLine()) + ": " + reader.ErrorText();
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
        {"utf16_pair_cut_by_the_block", Utf16(std::u16string(32766, u'a') + u"\U00020000\n", false),
            std::string(32766, 'a') + "𠀀\n"},
        {"gbk_fault_on_its_line", longCell + "\xC0\xE4\n\xFF\xFF\n",
            longCell + "冷\nerror, line 3: the text is neither UTF-8 nor GB18030 (GBK): " + kSaveAsUtf8},
        {"tabs_only_where_the_header_has_them", "a,b\nc\td,e\n", "a|b\nc\td|e\n"},
        {"utf16_big_endian_tabs", Utf16(u"流量\t管径\n1\t2\n", true), "流量|管径\n1|2\n"},
    };
    for (const Decoding& c : cases)
        EXPECT_EQ(Records(c.bytes), c.records) << c.name;
}

struct Header {
    const char* name;
    std::vector<std::string> cells;
    std::vector<int> known; // each cell's known column, -1 for the user's own
    const char* error;      // or ""
};

TEST(Columns, MatchesNamesAliasesAndUnitsAndCatchesSlips)
{
    const std::vector<KnownColumn> known = {{"flow", {"流量"}}, {"diameter", {"管径"}}, {"roughness", {"粗糙度"}}};
    const Header cases[] = {
        {"names_in_any_case", {"Flow", " DIAMETER "}, {0, 1}, ""},
        {"aliases_and_units", {"流量(m³/h)", "管径（mm）", "roughness [mm]"}, {0, 1, 2}, ""},
        {"own_columns", {"管段", "flow", "row", "note", "diameter"}, {-1, 0, -1, -1, 1}, ""},
        {"slip", {"flow", "diamter"}, {}, "unknown column \"diamter\": did you mean \"diameter\"?"},
        {"short_slip", {"flw"}, {}, "unknown column \"flw\": did you mean \"flow\"?"},
        {"named_twice", {"flow", "流量"}, {}, "column \"flow\" appears twice (as \"flow\" and \"流量\")"},
    };
    for (const Header& c : cases) {
        HeaderMatch match;
        std::string error;
        EXPECT_EQ(MatchHeader(c.cells, known, match, error), *c.error == '\0') << c.name;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.name << ": " << error;
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
            ""},
        {"bores_given", "title,Mine\nnominal,inside\nA,10\nB,20\n", ""},
        {"gbk", "\xB1\xEA\xCC\xE2,\xCE\xDE\xB7\xEC\xB8\xD6\xB9\xDC\nnominal,inside\nDN200,207\n", ""},
        {"bad_wall", "title,Mine\nnominal,outside,wall\nDN200,219,6\nDN250,273,x\n",
            ", line 4, column 3: the wall \"x\" is not a positive number"},
        {"bore_not_growing", "title,Mine\nnominal,inside\nA,20\nB,10\n",
            ", line 4: B: the inner diameter 10 mm does not grow"},
        {"no_title", "nominal,inside\nA,20\n", ": no title"},
        {"unknown_material", "title,Mine\nmaterial,gold\nnominal,inside\nA,20\n", ": unknown material \"gold\""},
        {"no_bores", "title,Mine\nnominal,wall\nA,2\n", ", line 2: the header needs nominal"},
    };
    for (const SeriesFile& c : cases) {
        const std::string path = WriteFile(folder, "mine.csv", c.text);
        UserLibrary library;
        std::string error;
        const bool taken = AddSeriesFile(path, library, error);
        EXPECT_EQ(taken, *c.error == '\0') << c.name << ": " << error;
        EXPECT_EQ(error.rfind(*c.error == '\0' ? "" : path + c.error, 0), 0u) << c.name << ": " << error;
        EXPECT_EQ(library.series.size(), taken ? 5 : 4) << c.name;
    }
    UserLibrary library;
    std::string error;
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
    EXPECT_EQ(library.warnings[0],
        SeriesFolder(folder)
            + "/broken.csv, line 3, column 2: the inner diameter \"x\" is "
              "not a positive number");
    EXPECT_TRUE(LoadUserLibrary(folder + "/none").warnings.empty());
}

// A circuit file: its sections as given, and every cell that cannot be read
// named by line and column, on every row, not only the first.
TEST(CircuitReader, ReadsSectionsAndNamesEveryBadCell)
{
    const design::SeriesCatalog series;
    const design::MaterialCatalog materials;
    const auto read = [&](const std::string& bytes, CircuitTable& table) {
        File in(std::tmpfile(), &std::fclose);
        std::fwrite(bytes.data(), 1, bytes.size(), in.get());
        std::rewind(in.get());
        std::vector<std::string> problems;
        ReadCircuitFile(in.get(), series.Default(), materials, table, problems);
        std::string text;
        for (const std::string& problem : problems)
            text += problem + "\n";
        return text;
    };
    CircuitTable table;
    // Settings first, as a spreadsheet saves them: padded with empty cells.
    ASSERT_EQ(read("管道系列,gb3091,,\n扬程余量(%), 20 ,\n"
                   "管段,起点,终点,流量(m³/h),长度(m),公称直径,管件,设备阻力(kPa),水温,备注\n"
                   "A,P,X,10,5,DN50,elbow90*2 闸阀,3,7,供水\nB,X,Q,,4,,,,,\n",
                  table),
        "");
    ASSERT_EQ(table.settings.size(), 2u);
    EXPECT_EQ(table.settings[0].key, CircuitSettingKey::Series);
    EXPECT_EQ(table.settings[1].value, "20");
    EXPECT_EQ(table.headerLine, 3);
    ASSERT_EQ(table.sections.size(), 2u);
    const design::CircuitSection& a = table.sections[0];
    EXPECT_EQ(a.nominal, "DN50");
    EXPECT_DOUBLE_EQ(a.device, 3);
    ASSERT_EQ(a.fittings.size(), 2u);
    EXPECT_EQ(a.fittings[0].count, 2);
    EXPECT_EQ(a.fittings[1].key, "gate");
    EXPECT_EQ(a.celsius, 7.0);
    EXPECT_EQ(table.sections[1].flow, "");
    EXPECT_TRUE(table.sections[1].nominal.empty() && table.sections[1].diameter.empty());

    const std::pair<const char*, const char*> broken[] = {
        {"管段,起点,终点,流量,长度,管径,管件,设备阻力\nA,P,X,10,5,50,,\nA,X,Q,abc,-1,50,bend*2,x\n"
         "C,X,Q,,4,,elbow90*0,\n",
            "line 3, column 1 (管段): section \"A\" is also on line 2\n"
            "line 3, column 4 (流量): \"abc\" is not a number (m³/h)\n"
            "line 3, column 5 (长度): \"-1\" is below 0 m\n"
            "line 3, column 7 (管件): \"bend*2\": unknown fitting"},
        {"section,from,length\nA,P,5\n", "line 1: the header has no \"to\" column (终点)\n"},
        {"section,from,to,length,diameter,nominal\nA,P,Q,5,50,DN50\n",
            "line 2, column 6 (nominal): give the inner diameter or the nominal size, not both\n"},
        {"section,from,to,length,nominal\nA,P,Q,5,DN47\n", "line 2, column 5 (nominal): "},
        {"水温,10\nviscosity,1.3\nsection,from,to,length\n",
            "line 2: 运动粘滞系数(10⁻⁶ m²/s) and 水温(°C) cannot both be given; the other is on line 1\n"},
        {"管道系列,sch40\n管道系列,gb3091\n", "line 2: 管道系列 is also given on line 1\n"},
    };
    for (const auto& [bytes, problems] : broken) {
        CircuitTable refused;
        EXPECT_EQ(read(bytes, refused).rfind(problems, 0), 0u) << read(bytes, refused);
    }
    CircuitTable refused;
    EXPECT_NE(read(broken[0].first, refused).find("line 4, column 7 (管件): \"elbow90*0\""), std::string::npos);
    // The window marks each cell and keeps the row in the network, its unreadable flow derived.
    ASSERT_EQ(refused.cellProblems.size(), 6u);
    EXPECT_EQ(refused.cellProblems[1].row, 1u);
    EXPECT_EQ(refused.cellProblems[1].cell, 3);
    EXPECT_EQ(refused.sections[1].flow, "");
    EXPECT_EQ(refused.sections[1].problem, "管段: section \"A\" is also on line 2");
    EXPECT_EQ(refused.sections[0].problem, "");
}

} // namespace
} // namespace vendrel::files
