// Drives the circuit window's tables in the real vendrel.exe through window
// messages, as Windows delivers a user's keys, and reads what they show
// back, the colours they are drawn in included.
#include "tests/win32circuitdriver.h"
#include "ui/form/circuitdocument.h"
#include "ui/form/pathorder.h"
#include "ui/win32/circuitids.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/registry.h"
#include "ui/win32/tablecolours.h"
#include "ui/win32/utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

namespace {

using namespace vendrel::form;
using namespace vendrel::ui;
namespace files = vendrel::files;
using namespace vendrel::tests;

// Started on a file, the window shows its sections, paths and summary, the
// index circuit's rows and the path out of balance marked; a file it cannot
// open is named in a message box over a new circuit.
TEST(Win32Circuit, StartsOnTheFileGiven)
{
    WriteSetting(kRecentFilesSetting, "");
    {
        Running program(L"--circuit \"" + WindowsPath(kExample) + L"\"");
        const CircuitWindow circuit(program);
        ASSERT_NE(circuit.window(), nullptr);
        const CircuitDocument expected = Example();
        EXPECT_EQ(Text(circuit.window()), "管路水力计算 - circuit.csv");
        EXPECT_EQ(CircuitDocument::RecentFiles(ReadSetting(kRecentFilesSetting)).at(0), Utf8(WindowsPath(kExample)));
        EXPECT_EQ(circuit.Rows(), 13);
        EXPECT_EQ(Text(circuit.control(kSummaryId)), expected.SummaryText());
        EXPECT_EQ(Text(circuit.control(kStatusId)), expected.StatusText(""));
        const int total = Col(CircuitColumn::TotalLoss, expected.ColumnCount() - kCircuitColumnCount);
        EXPECT_EQ(circuit.Cell(4, total), expected.CellText(4, total));
        // G1 is the current row, drawn as selected; T4 is on the index circuit, T1 not.
        EXPECT_EQ(circuit.Drawn(kSectionsId, 0, 0).second, kSelectedBackground);
        EXPECT_EQ(circuit.Drawn(kSectionsId, 7, 0).second, kIndexBackground);
        EXPECT_NE(circuit.Drawn(kSectionsId, 4, 0).second, kIndexBackground);
        EXPECT_NE(circuit.Drawn(kSectionsId, 4, Col(CircuitColumn::Diameter)).first,
            circuit.Drawn(kSectionsId, 4, Col(CircuitColumn::Nominal)).first)
            << "the diameter derived, grey";
        ASSERT_EQ(circuit.Rows(kPathsId), 4);
        for (int path = 0; path < 4; ++path) {
            EXPECT_EQ(circuit.Cell(path, 0, kPathsId), expected.Paths()[path].sections);
            EXPECT_EQ(circuit.Cell(path, 2, kPathsId), expected.Paths()[path].rejoins);
            EXPECT_EQ(circuit.Drawn(kPathsId, path, 0).first == kUnbalancedText, path == 3)
                << expected.Paths()[path].sections;
            EXPECT_EQ(circuit.Drawn(kPathsId, path, 0).second == kIndexBackground, path == 0);
        }
        // Ctrl+C in the path table copies the paths.
        const HWND paths = circuit.control(kPathsId);
        program.Focus(paths);
        SetClipboardText(nullptr, "");
        program.Key(paths, 'C', [] { return !ClipboardText(nullptr).empty(); });
        EXPECT_EQ(ClipboardText(nullptr), PathsText(expected.Paths(), {0, 1, 2, 3}));
    }
    {
        Running program(L"--circuit \"" + WindowsPath(TempPath("vendrel-none.csv")) + L"\"");
        const HWND box = program.Window(L"#32770", kCircuitCaption);
        ASSERT_NE(box, nullptr);
        EXPECT_NE(Text(GetDlgItem(box, 0xFFFF)).find("无法打开“vendrel-none.csv”："), std::string::npos);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        const CircuitWindow circuit(program);
        EXPECT_EQ(Text(circuit.window()), "管路水力计算 - 未命名");
    }
}

// A cell edited in place, as a spreadsheet's: typing starts it afresh, F2
// from the text typed, Enter takes it and Esc does not; results are no
// place to type.
TEST(Win32Circuit, EditsCellsInPlace)
{
    Running program(L"--circuit \"" + WindowsPath(kExample) + L"\"");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    const int extra = Example().ColumnCount() - kCircuitColumnCount;
    const int velocity = Col(CircuitColumn::Velocity, extra);
    const int flow = Col(CircuitColumn::Flow);
    struct Case {
        const char* name;
        int down, right; // from the cell before
        std::function<void(HWND)> start;
        const char* editorText; // as it opens; nullptr for none
        const char* typed;
        WPARAM end;
        int row, column;      // a cell afterwards
        const char* cellText; // nullptr: as the document has it
        bool status = false;  // the status bar says what the current cell's problem is
    };
    const auto type = [](wchar_t c) { return [c](HWND list) { PostMessageW(list, WM_CHAR, c, 1); }; };
    const auto key = [&program](WPARAM k) { return [&program, k](HWND list) { program.Key(list, k); }; };
    const Case cases[] = {
        {"typed", 4, flow, type(L'3'), "3", "30", VK_RETURN, 4, flow, "30"},
        {"typed_calculates", 0, 0, nullptr, nullptr, nullptr, 0, 4, velocity, nullptr},
        {"f2_escape", 0, 0, key(VK_F2), "25", "99", VK_ESCAPE, 5, flow, "25"},
        {"result", 0, velocity - flow, type(L'7'), nullptr, nullptr, 0, 5, velocity, nullptr},
        {"unreadable", 0, flow - velocity, type(L'a'), "a", "abc", VK_RETURN, 5, flow, "abc"},
        {"unreadable_said", -1, 0, nullptr, nullptr, nullptr, 0, 5, flow, "abc", true},
    };
    CircuitDocument expected = Example();
    for (const Case& c : cases) {
        circuit.Move(c.down, c.right);
        if (c.start) {
            c.start(circuit.sections());
            if (c.editorText == nullptr)
                Sleep(200);
            const bool opened = c.editorText != nullptr ? Eventually([&] { return circuit.Editor() != nullptr; })
                                                        : circuit.Editor() != nullptr;
            ASSERT_EQ(opened, c.editorText != nullptr) << c.name;
        }
        if (c.editorText != nullptr) {
            const HWND editor = circuit.Editor();
            Eventually([&] { return Text(editor) == c.editorText; });
            EXPECT_EQ(Text(editor), c.editorText) << c.name;
            SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Utf16(c.typed).c_str()));
            program.Key(editor, c.end);
            EXPECT_TRUE(Eventually([&] { return circuit.Editor() == nullptr; })) << c.name;
            if (c.end == VK_RETURN)
                expected.SetCell(c.row, c.column, c.typed);
        }
        const std::string shown = c.cellText != nullptr ? c.cellText : expected.CellText(c.row, c.column);
        EXPECT_EQ(circuit.Cell(c.row, c.column), shown) << c.name;
        if (c.status) {
            const std::string message = expected.CellMessage(c.row, c.column);
            Eventually([&] { return Text(circuit.control(kStatusId)) == message; });
            EXPECT_EQ(Text(circuit.control(kStatusId)), message) << c.name;
            EXPECT_NE(message, "");
        }
    }
    EXPECT_EQ(Text(circuit.window()), "管路水力计算 - circuit.csv*");
}

// Insert adds a row above the current one, Delete removes the rows
// selected, Ctrl+Z undoes and Ctrl+Y redoes, each from the keyboard.
TEST(Win32Circuit, InsertsDeletesAndUndoesRows)
{
    Running program(L"--circuit \"" + WindowsPath(kExample) + L"\"");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    struct Step {
        WPARAM key;
        bool control;
        int rows;          // shown afterwards, the empty one included
        const char* first; // the first row's section
    };
    const Step steps[] = {
        {VK_INSERT, false, 14, ""},
        {VK_DELETE, false, 13, "G1"},
        {VK_DELETE, false, 12, "S1"},
        {'Z', true, 13, "G1"},
        {'Y', true, 12, "S1"},
    };
    for (const Step& step : steps) {
        const std::function<bool()> done = [&] { return circuit.Rows() == step.rows; };
        program.Key(circuit.sections(), step.key, step.control ? done : nullptr);
        Eventually(done);
        EXPECT_EQ(circuit.Rows(), step.rows) << step.key;
        EXPECT_EQ(circuit.Cell(0, 0), step.first) << step.key;
    }
}

// Text from a spreadsheet pasted with Ctrl+V: under Chinese headings it
// becomes sections, calculated; a clipboard with no text is said to be so.
TEST(Win32Circuit, PastesFromTheClipboard)
{
    Running program(L"--circuit");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    const std::string rows = "管段\t起点\t终点\t流量(m³/h)\t长度(m)\t公称直径\r\n"
                             "A1\tP\tN1\t10\t5\tDN50\r\n"
                             "A2\tN1\tQ\t10\t5\tDN50\r\n";
    CircuitDocument expected{files::UserLibrary()};
    std::string error;
    ASSERT_TRUE(expected.Paste(0, 0, rows, error));
    const int velocity = Col(CircuitColumn::Velocity);

    struct Case {
        const char* name;
        std::string clipboard;
        int rows;
        const char* error; // the message box's start, or nullptr
    };
    const Case cases[] = {
        {"sections", rows, 3, nullptr},
        {"no_text", "", 3, "无法粘贴：剪贴板中没有文本"},
    };
    for (const Case& c : cases) {
        SetClipboardText(nullptr, c.clipboard);
        HWND box = nullptr;
        program.Key(circuit.sections(), 'V', [&] {
            return c.error != nullptr ? (box = program.Window(L"#32770", kCircuitCaption)) != nullptr
                                      : circuit.Rows() == c.rows;
        });
        if (c.error != nullptr) {
            ASSERT_NE(box, nullptr) << c.name;
            EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)).rfind(c.error, 0), 0u) << c.name;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            continue;
        }
        Eventually([&] { return circuit.Rows() == c.rows; });
        ASSERT_EQ(circuit.Rows(), c.rows) << c.name;
        EXPECT_EQ(circuit.Cell(1, 0), "A2") << c.name;
        EXPECT_EQ(circuit.Cell(1, velocity), expected.CellText(1, velocity)) << c.name;
        EXPECT_NE(circuit.Cell(1, velocity), "") << c.name;
    }

    // Ctrl+C: the current cell alone, or after Ctrl+A the whole table under its headings.
    struct Copy {
        WPARAM key;
        std::string copied; // "" for no copy
    };
    const Copy copies[] = {{'C', expected.CopyText(0, 0, 0, 0, false)}, {'A', ""}, {'C', expected.CopyAll()}};
    for (const Copy& copy : copies) {
        SetClipboardText(nullptr, "");
        program.Key(circuit.sections(), copy.key, [&] {
            return copy.copied.empty() ? SendMessageW(circuit.sections(), LVM_GETSELECTEDCOUNT, 0, 0) == 3
                                       : ClipboardText(nullptr) == copy.copied;
        });
        if (!copy.copied.empty()) {
            EXPECT_EQ(ClipboardText(nullptr), copy.copied);
        }
    }
}

} // namespace
