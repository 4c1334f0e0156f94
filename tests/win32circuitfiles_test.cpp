// The circuit window's settings, its file and what it remembers, and its life
// beside the calculator, driven in the real vendrel.exe through window messages.
#include "tests/win32circuitdriver.h"
#include "ui/form/circuitdocument.h"
#include "ui/win32/circuitids.h"
#include "ui/win32/entrymenu.h"
#include "ui/win32/registry.h"
#include "ui/win32/tablecolours.h"
#include "ui/win32/utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace vendrel::form;
using namespace vendrel::ui;
using namespace vendrel::tests;
namespace files = vendrel::files;

// A setting is taken on Enter, on leaving its entry, or on choosing from its
// list, and the circuit is calculated again with it; one that cannot be used
// says why.
TEST(Win32Circuit, TakesSettings)
{
    Running program(L"--circuit \"" + WindowsPath(kExample) + L"\"");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    using Key = files::CircuitSettingKey;
    const auto control = [&](Key key) { return circuit.control(kFirstSettingId + static_cast<int>(key)); };
    CircuitDocument expected = Example();
    const int material = (expected.MaterialChosen() + 1) % expected.MaterialCount();
    struct Case {
        const char* name;
        Key key;
        const char* text; // typed, or nullptr for the material chosen
        WPARAM end;
        bool said = false; // why it cannot be used
    };
    const Case cases[] = {
        {"enter", Key::HeadMargin, "20", VK_RETURN},
        {"tab", Key::MaxImbalance, "30", VK_TAB},
        {"list", Key::Material, nullptr, 0},
        {"unusable", Key::Temperature, "abc", VK_RETURN, true},
    };
    for (const Case& c : cases) {
        const HWND entry = control(c.key);
        if (c.text != nullptr) {
            expected.SetSetting(c.key, c.text);
            program.Focus(entry);
            SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Utf16(c.text).c_str()));
            program.Key(entry, c.end);
        } else {
            expected.ChooseMaterial(material);
            SendMessageW(entry, CB_SETCURSEL, static_cast<WPARAM>(material), 0);
            PostMessageW(circuit.window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(entry), CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(entry));
        }
        const std::string roughness = expected.SettingText(Key::Roughness);
        Eventually([&] { return Text(control(Key::Roughness)) == roughness; });
        EXPECT_EQ(Text(control(Key::Roughness)), roughness) << c.name;
        Eventually([&] { return Text(circuit.control(kSummaryId)) == expected.SummaryText(); });
        EXPECT_EQ(Text(circuit.control(kSummaryId)), expected.SummaryText()) << c.name;
        if (!expected.Paths().empty()) {
            EXPECT_EQ(circuit.Drawn(kPathsId, 3, 0).first == kUnbalancedText, expected.Paths()[3].unbalanced) << c.name;
        }
        // Why a setting cannot be used, in the status bar while it has the focus.
        const std::string status = c.said ? expected.SettingMessage(c.key) : expected.StatusText("");
        EXPECT_NE(status, "") << c.name;
        Eventually([&] { return Text(circuit.control(kStatusId)) == status; });
        EXPECT_EQ(Text(circuit.control(kStatusId)), status) << c.name;
    }
}

// The size the window was left at, and its columns' widths, are those it
// opens with next time.
TEST(Win32Circuit, RemembersItsSizeAndColumns)
{
    constexpr int kWidth = 900;
    constexpr int kHeight = 560;
    constexpr int kFittings = 300;
    WriteSetting(kWindowSizeSetting, "");
    WriteSetting(kColumnWidthsSetting, "");
    {
        Running program(L"--circuit");
        const CircuitWindow circuit(program);
        ASSERT_NE(circuit.window(), nullptr);
        SetWindowPos(circuit.window(), nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageW(circuit.sections(), LVM_SETCOLUMNWIDTH, Col(CircuitColumn::Fittings), MAKELPARAM(kFittings, 0));
        PostMessageW(circuit.window(), WM_CLOSE, 0, 0);
        ASSERT_EQ(program.WaitForExit(), 0);
    }
    Running program(L"--circuit");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    RECT placed{};
    GetWindowRect(circuit.window(), &placed);
    EXPECT_EQ(placed.right - placed.left, kWidth);
    EXPECT_EQ(placed.bottom - placed.top, kHeight);
    EXPECT_EQ(SendMessageW(circuit.sections(), LVM_GETCOLUMNWIDTH, Col(CircuitColumn::Fittings), 0), kFittings);
}

// Ctrl+S writes the circuit back to its file for Excel: UTF-8 with a
// byte-order mark, its settings first.
TEST(Win32Circuit, SavesForExcel)
{
    const std::string path = TempPath("vendrel-saved.csv");
    {
        std::ifstream in(kExample, std::ios::binary);
        std::ofstream(path, std::ios::binary) << in.rdbuf();
    }
    Running program(L"--circuit \"" + Utf16(path) + L"\"");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    const auto saved = [&] {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    };
    const auto written = [&] { return saved().rfind("\xEF\xBB\xBF管道系列,", 0) == 0; };
    program.Key(circuit.sections(), 'S', written);
    EXPECT_TRUE(written()) << saved().substr(0, 40);
    std::remove(path.c_str());
}

// Ctrl+P shows the book's pages before printing, modal over the window:
// page 1 of 4, Page Down to the next, Esc closes it.
TEST(Win32Circuit, PreviewsTheBookBeforePrinting)
{
    Running program(L"--circuit \"" + Utf16(kExample) + L"\"");
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);
    HWND preview = nullptr;
    program.Key(circuit.sections(), 'P', [&] {
        preview = FindWindowW(L"VendrelBookPreview", nullptr);
        return preview != nullptr;
    });
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(Text(preview), "打印计算书");
    const auto where = [&] { return Text(FindWindowExW(preview, nullptr, L"STATIC", nullptr)); };
    EXPECT_TRUE(Eventually([&] { return where() == "第 1 页 共 4 页"; })) << where();
    EXPECT_FALSE(IsWindowEnabled(circuit.window()));
    program.Key(preview, VK_NEXT);
    EXPECT_TRUE(Eventually([&] { return where() == "第 2 页 共 4 页"; })) << where();
    program.Key(preview, VK_ESCAPE);
    EXPECT_TRUE(Eventually([&] { return !IsWindow(preview); }));
    EXPECT_TRUE(Eventually([&] { return IsWindowEnabled(circuit.window()) != FALSE; }));
}

// The calculator opens the window from its system menu; both take keys at
// once, the window's settings Tab through as a dialog's. The calculator
// closed, the window stays, and its close (or Windows signing out) asks
// about the changes made.
TEST(Win32Circuit, OpensBesideTheCalculatorAndOutlivesIt)
{
    Running program(L"");
    const HWND calculator = program.Window(L"#32770");
    ASSERT_NE(calculator, nullptr);
    PostMessageW(calculator, WM_SYSCOMMAND, kOpenCircuitSysCommand, 0);
    const CircuitWindow circuit(program);
    ASSERT_NE(circuit.window(), nullptr);

    const auto setting
        = [&](files::CircuitSettingKey key) { return circuit.control(kFirstSettingId + static_cast<int>(key)); };
    program.Focus(setting(files::CircuitSettingKey::Series));
    program.Key(setting(files::CircuitSettingKey::Series), VK_TAB);
    EXPECT_TRUE(Eventually([&] { return program.Focus() == setting(files::CircuitSettingKey::Material); }));
    program.Key(circuit.sections(), VK_INSERT);
    EXPECT_TRUE(Eventually([&] { return circuit.Rows() == 2; })) << "Insert, in the calculator's loop";

    PostMessageW(calculator, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(Eventually([&] { return !IsWindow(calculator); }));
    EXPECT_EQ(WaitForSingleObject(program.process(), 500), static_cast<DWORD>(WAIT_TIMEOUT));
    // Asked as Windows signs out, and kept open when the answer is 取消; asked again on closing.
    for (const UINT message : {WM_QUERYENDSESSION, WM_CLOSE}) {
        PostMessageW(circuit.window(), message, 0, 0);
        const HWND prompt = program.Window(L"#32770", kCircuitCaption);
        ASSERT_NE(prompt, nullptr) << "no question about the row inserted: " << message;
        PostMessageW(prompt, WM_COMMAND, message == WM_CLOSE ? IDNO : IDCANCEL, 0);
        EXPECT_TRUE(Eventually([&] { return !IsWindow(prompt); }));
    }
    EXPECT_EQ(program.WaitForExit(), 0);
}

} // namespace
