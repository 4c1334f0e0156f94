#include "calc/numbertext.h"
#include "ui/form/circuitdocument.h"
#include "ui/form/windowtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vendrel::form {
namespace {

using C = CircuitColumn;
using Key = files::CircuitSettingKey;

int Col(C column)
{
    return static_cast<int>(column);
}

// A file's bytes, the file closed again (Windows removes no open file).
std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Example()
{
    return Contents(VENDREL_EXAMPLES "/circuit.csv");
}

std::string TempFile(const std::string& name)
{
    return (std::filesystem::path(testing::TempDir()) / ("vendrel_doc_" + name)).string();
}

// The example circuit, opened, typed in by hand and pasted from a
// spreadsheet, gives the figures vendrel-calc prints for it.
TEST(CircuitDocument, GivesTheCommandLinesFiguresHoweverTheCircuitCameIn)
{
    CircuitDocument opened{files::UserLibrary()};
    std::string error;
    ASSERT_TRUE(opened.Open(VENDREL_EXAMPLES "/circuit.csv", error)) << error;

    // The same sections typed, cell by cell, and pasted as a section list with Chinese headings.
    CircuitDocument typed{files::UserLibrary()};
    CircuitDocument pasted{files::UserLibrary()};
    std::string tabbed;
    std::istringstream lines(Example());
    std::string line;
    int row = -1;
    while (std::getline(lines, line)) {
        if (line.rfind("管段,", 0) != 0 && row < 0)
            continue; // the settings: the defaults
        std::vector<std::string> cells;
        std::istringstream split(line);
        for (std::string cell; std::getline(split, cell, ',');)
            cells.push_back(cell);
        for (std::size_t c = 0; c < cells.size(); ++c)
            tabbed += (c ? "\t" : "") + cells[c];
        tabbed += "\r\n";
        if (row >= 0) {
            const C order[] = {
                C::Section, C::From, C::To, C::Flow, C::Length, C::Nominal, C::Fittings, C::Zeta, C::Device, C::Remark};
            for (std::size_t c = 0; c < cells.size(); ++c)
                typed.SetCell(row, Col(order[c]), cells[c]);
        }
        ++row;
    }
    ASSERT_TRUE(pasted.Paste(0, 0, tabbed, error)) << error;

    for (const CircuitDocument* document : {&opened, &typed, &pasted}) {
        ASSERT_EQ(document->RowCount(), 12);
        EXPECT_EQ(document->SummaryText(),
            "最不利环路：G1 S1 S2 S3 T4 R3 R2 R1 R0（P → Q），总阻力 161.76 kPa；"
            "水泵扬程：177.93 kPa（18.15 m 水柱），含 10% 余量；水泵流量：100 m³/h；1 个管段须调节平衡（节流比例超过 "
            "15%）");
        // What T1 must throttle, as vendrel-calc's 平衡 table gives it.
        const int results = document->ColumnCount() - kCircuitColumnCount;
        std::string balance;
        for (const C column : {C::Excess, C::BalanceLevel, C::KvRequired, C::Orifice})
            balance += document->CellText(4, Col(column) + results) + " ";
        EXPECT_EQ(balance, "23.18 25.1 51.9 41.7 ");
        EXPECT_TRUE(document->Look(4, Col(C::Orifice) + results).unbalanced);
        EXPECT_FALSE(document->Look(4, Col(C::TotalLoss) + results).unbalanced);
        EXPECT_FALSE(document->Look(5, Col(C::Excess) + results).unbalanced);
        EXPECT_EQ(document->CellMessage(4, Col(C::KvRequired) + results),
            "富余压头 23.18 kPa，节流比例 25.1% 超过限值 15%：设平衡阀 Kv 51.9，或孔板孔径 41.7 mm");
        EXPECT_EQ(document->CellText(0, Col(C::TotalLoss) + document->ColumnCount() - kCircuitColumnCount), "56767.9");
        ASSERT_EQ(document->Paths().size(), 4u);
        EXPECT_EQ(document->Paths()[3].imbalance, "25.1");
        EXPECT_TRUE(document->Paths()[3].unbalanced);
        EXPECT_TRUE(document->Look(0, Col(C::Section)).index);
        EXPECT_FALSE(document->Look(4, Col(C::Section)).index);
    }
    // Its book names the material and the temperature its roughness and viscosity are of, and its
    // workbook is written where it can be, and said why not where it cannot.
    const book::CalculationBook book = opened.Book();
    ASSERT_GE(book.parts.size(), 2u);
    const std::vector<std::string>& parameters = book.parts[1].lines;
    for (const char* line : {"管壁当量粗糙度 K：0.2 mm（钢管（闭式水系统））", "介质：水 10 °C"})
        EXPECT_NE(std::find(parameters.begin(), parameters.end(), line), parameters.end()) << line;
    const std::string workbook = TempFile("circuit.xlsx");
    ASSERT_TRUE(opened.ExportWorkbook(workbook, error)) << error;
    EXPECT_EQ(Contents(workbook).rfind("PK\x03\x04", 0), 0u);
    std::filesystem::remove(workbook);
    EXPECT_FALSE(opened.ExportWorkbook("/nonexistent/c.xlsx", error));
    EXPECT_EQ(error.rfind("无法写出工作簿 c.xlsx：", 0), 0u) << error;
    EXPECT_FALSE(opened.ExportBook("/nonexistent/c.pdf", error));
    EXPECT_EQ(error.rfind("无法写出计算书 c.pdf：", 0), 0u) << error;
#ifdef VENDREL_CALC_EXE
    // Its book is the command line's, byte for byte, so says the same.
    const std::string pdf = TempFile("window.pdf");
    const std::string cli = TempFile("cli.pdf");
    ASSERT_TRUE(opened.ExportBook(pdf, error)) << error;
    std::system((std::string(VENDREL_CALC_EXE) + " --circuit " VENDREL_EXAMPLES "/circuit.csv --format pdf --output "
        + cli + " 2>/dev/null")
                    .c_str());
    EXPECT_EQ(Contents(pdf).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(Contents(pdf), Contents(cli));
    std::filesystem::remove(pdf);
    std::filesystem::remove(cli);
#endif
    EXPECT_EQ(typed.CellText(0, Col(C::Diameter)), "154.08");
    EXPECT_TRUE(typed.Look(0, Col(C::Diameter)).derived);
    // On 30 % glycol at 0 °C, the terminals' flows from their loads: as vendrel-calc prints it.
    CircuitDocument glycol{files::UserLibrary()};
    ASSERT_TRUE(glycol.Open(VENDREL_EXAMPLES "/circuit-glycol.csv", error)) << error;
    EXPECT_EQ(glycol.SummaryText(),
        "最不利环路：G1 S1 S2 S3 T4 R3 R2 R1 R0（P → Q），总阻力 176.35 kPa；"
        "水泵扬程：193.99 kPa（18.93 m 液柱），含 10% 余量；水泵流量：109.244 m³/h；1 个管段须调节平衡（节流比例超过 "
        "15%）");
    EXPECT_EQ(glycol.CellText(4, Col(C::Flow)), "27.311");
    EXPECT_TRUE(glycol.Look(4, Col(C::Flow)).derived);
    EXPECT_EQ(glycol.SettingText(Key::Viscosity), "4.113");
    // The whole table copied out to a spreadsheet and pasted back: the same circuit.
    CircuitDocument back{files::UserLibrary()};
    ASSERT_TRUE(back.Paste(0, 0, typed.CopyAll(), error)) << error;
    EXPECT_EQ(back.CopyAll(), typed.CopyAll());
    EXPECT_EQ(back.CellEditText(0, Col(C::Diameter)), "");

    // Saved, it opens again the same, settings and all, as a file for Excel.
    ASSERT_TRUE(typed.SetSetting(Key::HeadMargin, "20"));
    ASSERT_TRUE(typed.SetSetting(Key::StaticHead, "3"));
    const std::string path = TempFile("typed.csv");
    ASSERT_TRUE(typed.Save(path, error)) << error;
    EXPECT_FALSE(typed.Modified());
    // Changed and undone back to what was saved, it is as saved: closing asks nothing.
    ASSERT_TRUE(typed.SetCell(0, Col(C::Length), "19"));
    ASSERT_TRUE(typed.SetSetting(Key::HeadMargin, "30"));
    EXPECT_TRUE(typed.Modified());
    ASSERT_TRUE(typed.Undo());
    EXPECT_TRUE(typed.Modified());
    ASSERT_TRUE(typed.Undo());
    EXPECT_FALSE(typed.Modified());
    EXPECT_EQ(typed.Caption().find('*'), std::string::npos) << typed.Caption();
    ASSERT_TRUE(typed.Redo());
    EXPECT_TRUE(typed.Modified());
    ASSERT_TRUE(typed.Undo());
    CircuitDocument again{files::UserLibrary()};
    ASSERT_TRUE(again.Open(path, error)) << error;
    EXPECT_EQ(again.CopyAll(), typed.CopyAll());
    EXPECT_NE(again.SummaryText().find("含 20% 余量的管路阻力 194.11 kPa 加静水高差 3 m；"), std::string::npos)
        << again.SummaryText();
    EXPECT_EQ(Contents(path).rfind("\xEF\xBB\xBF管道系列,sch40\r\n", 0), 0u);
    std::filesystem::remove(path);
}

// What the window marks: a flow derived, a size chosen, a cell that cannot
// be read (the rest still calculated), a network that is no circuit yet.
TEST(CircuitDocument, MarksWhatWasNotTypedAndWhatCannotBeRead)
{
    CircuitDocument document{files::UserLibrary()};
    std::string error;
    ASSERT_TRUE(document.Open(VENDREL_EXAMPLES "/circuit.csv", error)) << error;
    const int results = document.ColumnCount() - kCircuitColumnCount;
    struct Case {
        const char* name;
        int row;
        C column;
        const char* text;
        int markedRow;
        C markedColumn;
        bool derived;
        const char* shown;
        const char* message;
    };
    const Case cases[] = {
        {"flow derived", 5, C::Flow, "", 5, C::Flow, true, "25", ""},
        {"size chosen", 6, C::Nominal, "", 6, C::Nominal, true, "DN90", ""},
        {"unreadable flow", 5, C::Flow, "abc", 5, C::Flow, false, "abc", "“abc”不是数字"},
        {"unknown fitting", 6, C::Fittings, "bend", 6, C::Fittings, false, "bend", "没有管件“bend”（可选："},
        {"implausible velocity", 4, C::Flow, "300", 4, C::Velocity, false, "17.475555",
            "流速 17.475555 m/s 超出水管的合理范围（10 m/s），请检查流量和管径"},
        {"given size over its velocity limit", 4, C::Nominal, "DN40", 4, C::Velocity, false, "5.275358",
            "流速 5.275358 m/s 超过该管径的限值 1.2 m/s"},
        {"given size over the Pa/m limit", 4, C::Zeta, "0.5", 4, C::PascalsPerMetre, false, "363.0",
            "比摩阻 363.0 Pa/m 超过限值 300 Pa/m"},
        // Not taken as a load: a load without a Δt would make the network no circuit.
        {"unreadable load", 4, C::Load, "-5", 4, C::Load, false, "-5", "“-5”小于"},
        {"no such size", 6, C::Nominal, "DN47", 6, C::Nominal, false, "DN47",
            "“DN47”不是管道系列 sch40 的规格（可选：DN"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(document.SetCell(c.row, Col(c.column), c.text)) << c.name;
        const int column = Col(c.markedColumn) + (c.markedColumn >= C::Velocity ? results : 0);
        EXPECT_EQ(document.CellText(c.markedRow, column), c.shown) << c.name;
        EXPECT_EQ(document.Look(c.markedRow, column).derived, c.derived) << c.name;
        EXPECT_EQ(document.Look(c.markedRow, column).problem, *c.message != '\0') << c.name;
        EXPECT_EQ(document.CellMessage(c.markedRow, column).rfind(c.message, 0), 0u)
            << c.name << ": " << document.CellMessage(c.markedRow, column);
        // The other sections are calculated all the same.
        EXPECT_EQ(document.CellText(0, Col(C::Velocity) + results), "1.489756") << c.name;
        EXPECT_TRUE(document.NetworkProblems().empty() || c.column != C::Load) << c.name;
        ASSERT_TRUE(document.Undo()) << c.name;
    }
    EXPECT_FALSE(document.CanUndo());
    EXPECT_TRUE(document.Redo());
    EXPECT_EQ(document.CellText(6, Col(C::Nominal)), "DN47");
    ASSERT_TRUE(document.Undo());
    // Where an expansion sits and which velocity its K refers to, as the fittings cell's message.
    ASSERT_TRUE(document.SetCell(6, Col(C::Fittings), "突然扩大:0.5"));
    EXPECT_FALSE(document.Look(6, Col(C::Fittings)).problem);
    EXPECT_EQ(document.CellMessage(6, Col(C::Fittings)), "突然扩大：K 0.563，在小管末端，按本管段流速");
    ASSERT_TRUE(document.Undo());
    // Beyond the series the largest size is taken, and its cell says so.
    ASSERT_TRUE(document.SetCell(6, Col(C::Nominal), ""));
    ASSERT_TRUE(document.SetSetting(Key::MaxVelocity, "0.01"));
    EXPECT_EQ(document.CellText(6, Col(C::Nominal)), "DN600");
    EXPECT_TRUE(document.Look(6, Col(C::Nominal)).problem);
    EXPECT_EQ(
        document.CellMessage(6, Col(C::Nominal)).rfind("系列中没有管径能满足比摩阻和流速限值，已取最大管径 DN600", 0),
        0u)
        << document.CellMessage(6, Col(C::Nominal));
    EXPECT_EQ(document.StatusText(""), "12 个管段超过限值或数值不合理，已在表中标出");
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());

    // A section being added: the network is no circuit yet, its sections still show their figures.
    ASSERT_TRUE(document.SetCell(document.RowCount(), Col(C::Section), "X1"));
    ASSERT_TRUE(document.SetCell(document.RowCount() - 1, Col(C::From), "N4"));
    ASSERT_TRUE(document.SetCell(document.RowCount() - 1, Col(C::To), "M9"));
    ASSERT_TRUE(document.SetCell(document.RowCount() - 1, Col(C::Length), "5"));
    ASSERT_FALSE(document.NetworkProblems().empty());
    EXPECT_EQ(document.SummaryText(), "");
    EXPECT_EQ(document.CellText(0, Col(C::Velocity) + results), "1.489756");
    for (const C column : {C::Velocity, C::Excess})
        EXPECT_EQ(document.CellMessage(document.RowCount() - 1, Col(column) + results),
            "流量须按节点流量平衡推算，但管网有误，无从推算");
}

// A long index circuit shows its ends in the summary, the whole on asking.
TEST(CircuitDocument, SummaryKeepsToItsHeight)
{
    std::string rows = "管段\t起点\t终点\t流量\t长度\t管径\n";
    for (int s = 1; s <= 40; ++s)
        rows += "A" + std::to_string(s) + "\t" + (s == 1 ? "P" : "N" + std::to_string(s - 1)) + "\t"
            + (s == 40 ? "Q" : "N" + std::to_string(s)) + "\t10\t5\t80\n";
    CircuitDocument document{files::UserLibrary()};
    std::string error;
    ASSERT_TRUE(document.Paste(0, 0, rows, error)) << error;
    EXPECT_EQ(document.SummaryText().rfind(
                  "最不利环路：A1 A2 A3 A4 A5 A6 A7 A8 … A33 A34 A35 A36 A37 A38 A39 A40（P → Q）", 0),
        0u)
        << document.SummaryText();
    EXPECT_NE(document.SummaryText(true).find("A8 A9 A10"), std::string::npos);
    EXPECT_EQ(document.SummaryText(true).substr(document.SummaryText(true).find("（P → Q）")),
        document.SummaryText().substr(document.SummaryText().find("（P → Q）")));
}

// A network that is no circuit says why in the window's words.
TEST(CircuitDocument, SaysInChineseWhyANetworkIsNoCircuit)
{
    const std::pair<const char*, const char*> broken[] = {
        {"A\tP\tP\t1\t5\t50\n", "管段“A”：起点和终点都是节点“P”"},
        {"A\tP\tX\t1\t5\t50\nB\tR\tX\t1\t5\t50\nC\tX\tQ\t2\t5\t50\n",
            "无管段流入的节点不止一个：“P”、“R”；管路只能有一个起点（水泵出口）"},
        {"A\tP\tX\t3\t5\t50\nB\tX\tQ\t1\t5\t50\nC\tX\tQ\t1\t5\t50\n",
            "节点“X”流量不平衡：流入 3 m³/h（A 3），流出 2 m³/h（B 1、C 1）"},
        {"A\tP\tX\t3\t5\t50\nB\tX\tQ\t\t5\t50\nC\tX\tQ\t\t5\t50\n",
            "节点“X”有不止一个管段未给流量（流入：A 3；流出：B ?、C ?），最多只能有一个管段不填流量"},
        {"A\tP\tX\t1\t5\t50\nB\tX\tY\t1\t5\t50\nC\tY\tX\t1\t5\t50\nD\tY\tQ\t1\t5\t50\n",
            "管段“B”：管段首尾相接形成闭环："},
    };
    for (const auto& [rows, chinese] : broken) {
        CircuitDocument document{files::UserLibrary()};
        std::string error;
        ASSERT_TRUE(document.Paste(0, 0, std::string("管段\t起点\t终点\t流量\t长度\t管径\n") + rows, error));
        ASSERT_FALSE(document.NetworkProblems().empty()) << rows;
        const std::string shown = WindowText(document.NetworkProblems().front());
        EXPECT_EQ(shown.rfind(chinese, 0), 0u) << shown;
        EXPECT_EQ(document.StatusText("").rfind(std::string("管网有误：") + chinese, 0), 0u) << document.StatusText("");
    }
}

// A file's columns the window has none of (a row's own water, the user's
// notes) and its project lines are shown, used and saved back as they were.
TEST(CircuitDocument, KeepsTheFilesOwnColumns)
{
    const std::string path = TempFile("own.csv");
    std::ofstream(path, std::ios::binary)
        << "项目名称,某某大厦\n设计,张三\n管段,起点,终点,流量,长度,管径,水温(°C),图号\n"
           "A,P,Q,10,5,50,60,M-01\n";
    CircuitDocument document{files::UserLibrary()};
    std::string error;
    ASSERT_TRUE(document.Open(path, error)) << error;
    ASSERT_EQ(document.ColumnCount(), kCircuitColumnCount + 2);
    EXPECT_EQ(document.ColumnTitle(kTypedColumnCount + 1), "图号");
    EXPECT_EQ(document.CellText(0, kTypedColumnCount + 1), "M-01");
    EXPECT_EQ(document.CellText(0, Col(C::FrictionRate) + 2),
        "59.456863"); // water at 60 °C, as vendrel-calc --temperature 60
    ASSERT_TRUE(document.Save(path, error)) << error;
    const std::string text = Contents(path);
    EXPECT_NE(text.find("水温(°C),图号\r\nA,P,Q,10,,5,,50,,,,,60,M-01\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF工程名称,某某大厦\r\n设计,张三\r\n管道系列,", 0), 0u) << text;
    std::filesystem::remove(path);
    // Of a brine, a row's own temperature near its freezing point is
    // marked and calculated, and Rf is in mm of the brine.
    for (const auto& [key, text] :
        {std::pair{Key::Fluid, "乙二醇"}, {Key::Concentration, "30"}, {Key::Temperature, "0"}})
        ASSERT_TRUE(document.SetSetting(key, text));
    ASSERT_TRUE(document.SetCell(0, kTypedColumnCount, "-12"));
    EXPECT_TRUE(document.Look(0, kTypedColumnCount).problem);
    EXPECT_EQ(document.CellMessage(0, kTypedColumnCount),
        "乙二醇水溶液 30%（质量）的冰点为 -14.6 °C，比 “-12” °C 低不足 3 K");
    EXPECT_EQ(document.CellText(0, Col(C::Velocity) + 2), "1.414711");
    EXPECT_EQ(document.ColumnTitle(Col(C::FrictionRate) + 2), "比摩阻(mm液柱/m)");
    // A valve's Kv in a column of the file's own: its loss in the total, and in a column of its own.
    std::ofstream(path, std::ios::binary) << "管段,起点,终点,流量,长度,管径,阀门Kv\nA,P,Q,10,5,50,10\n";
    ASSERT_TRUE(document.Open(path, error)) << error;
    std::filesystem::remove(path);
    const auto figure = [&](C column) { return ParseNumber(document.CellText(0, Col(column) + 1)); };
    EXPECT_EQ(document.CellText(0, Col(C::ValveLoss) + 1), "99970.0");
    EXPECT_NEAR(figure(C::TotalLoss),
        figure(C::FrictionLoss) + figure(C::LocalLoss) + figure(C::DeviceLoss) + figure(C::ValveLoss), 0.1);
}

// Settings: each of a pair clears the other, and one that cannot be used is
// named while the default stands.
TEST(CircuitDocument, SettingsStandInPairsAndSayWhatIsWrong)
{
    CircuitDocument document{files::UserLibrary()};
    EXPECT_EQ(document.SettingText(Key::Roughness), "0.2");
    EXPECT_TRUE(document.SettingDerived(Key::Roughness));
    EXPECT_EQ(document.SettingText(Key::Viscosity), "1.306");
    EXPECT_EQ(document.SettingText(Key::Fluid), "水");
    EXPECT_TRUE(document.SettingDerived(Key::Fluid));
    ASSERT_TRUE(document.SetSetting(Key::Roughness, "0.5"));
    EXPECT_EQ(document.MaterialChosen(), -1);
    ASSERT_TRUE(document.SetSetting(Key::Temperature, "32"));
    EXPECT_EQ(document.SettingText(Key::Viscosity), "0.768");
    ASSERT_TRUE(document.SetSetting(Key::Temperature, "120"));
    EXPECT_EQ(document.SettingMessage(Key::Temperature), "“120”不在 0～100 °C 范围内（常压下液态水的温度）");
    ASSERT_TRUE(document.SetSetting(Key::MaxRate, "-5"));
    EXPECT_EQ(document.SettingMessage(Key::MaxRate), "“-5”须为正数");
    ASSERT_TRUE(document.SetSetting(Key::StaticHead, "-3"));
    EXPECT_EQ(document.SettingMessage(Key::StaticHead), "“-3”不在 0～1000 m 范围内");
    ASSERT_TRUE(document.ChooseSeries(document.SeriesCount() - 1));
    EXPECT_EQ(document.SettingText(Key::Roughness), "0.5"); // typed, so the series' material does not take over

    // A brine: its concentration needed, its viscosity at its temperature,
    // refused at its freezing point and warned of near it.
    const struct {
        Key key;
        const char* text;
        Key shown;
        const char* message; // of shown, or its text where it has none
    } fluids[] = {
        {Key::Fluid, "乙二醇", Key::Concentration, "乙二醇或丙二醇水溶液须在“浓度(%)”中给出质量浓度"},
        {Key::Concentration, "30", Key::Viscosity, "2.863"}, // at 10 °C: "120" is no temperature
        {Key::Temperature, "0", Key::Viscosity, "4.113"},
        {Key::Temperature, "-15", Key::Temperature,
            "“-15” °C 不在 -14.6～100 °C 范围内：乙二醇水溶液 30%（质量）的冰点为 -14.6 °C"},
        {Key::Temperature, "-12", Key::Temperature,
            "乙二醇水溶液 30%（质量）的冰点为 -14.6 °C，比 “-12” °C 低不足 3 K"},
        // As vendrel-calc would refuse the file saved: a brine is of its temperature alone.
        {Key::Temperature, "", Key::Temperature, "乙二醇或丙二醇水溶液须在“水温(°C)”中给出溶液温度"},
        {Key::Viscosity, "4", Key::Viscosity,
            "乙二醇或丙二醇水溶液的粘滞系数、密度和比热由溶液温度求得：请填“水温(°C)”，不填运动粘滞系数"},
        {Key::Fluid, "水", Key::Concentration, "浓度只用于乙二醇或丙二醇水溶液（介质 eg 或 pg），水不用"},
        {Key::Fluid, "brine", Key::Fluid, "没有介质“brine”（可选：water、eg、pg，或水、乙二醇、丙二醇）"},
    };
    for (const auto& f : fluids) {
        ASSERT_TRUE(document.SetSetting(f.key, f.text)) << f.text;
        const std::string message = document.SettingMessage(f.shown);
        EXPECT_EQ(message.empty() ? document.SettingText(f.shown) : message, f.message) << f.text;
    }

    std::string recent = CircuitDocument::RecentFilesWith("", "/a.csv");
    recent = CircuitDocument::RecentFilesWith(recent, "/b.csv");
    recent = CircuitDocument::RecentFilesWith(recent, "/a.csv");
    EXPECT_EQ(CircuitDocument::RecentFiles(recent), (std::vector<std::string>{"/a.csv", "/b.csv"}));
}

} // namespace
} // namespace vendrel::form
