// Drives the real vendrel.exe through window messages, as Windows delivers a
// user's typing and clicks, and reads every field back.
#include "tests/win32program.h"
#include "tests/workedexamples.h"
#include "ui/form/circuitform.h"
#include "ui/form/controlid.h"
#include "ui/form/entryaids.h"
#include "ui/win32/entrymenu.h"
#include "ui/win32/utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vendrel::examples {

void PrintTo(const Example& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace vendrel::examples

namespace {

using namespace vendrel::form;

using vendrel::ui::Utf16;
using vendrel::ui::Utf8;

using vendrel::tests::ProgramPath;

// The size window opens on the series last chosen: each test starts from
// none remembered.
void ForgetTheSeries()
{
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vendrel", L"series");
}

// vendrel.exe, started and found by its window; closed again at the end.
class RunningDialog {
public:
    explicit RunningDialog(bool forgetTheSeries = true)
    {
        if (forgetTheSeries)
            ForgetTheSeries();
        std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(
                nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
            return;
        for (int i = 0; i < 400 && m_window == nullptr; ++i) {
            EnumWindows(&RunningDialog::FindOwnWindow, reinterpret_cast<LPARAM>(this));
            if (m_window == nullptr)
                Sleep(50);
        }
    }
    ~RunningDialog()
    {
        if (m_process.hProcess == nullptr)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            PostMessageW(m_window, WM_COMMAND, IDCANCEL, 0);
            if (WaitForSingleObject(m_process.hProcess, 10000) == WAIT_TIMEOUT)
                TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    RunningDialog(const RunningDialog&) = delete;
    RunningDialog& operator=(const RunningDialog&) = delete;

    HWND window() const { return m_window; }
    HANDLE process() const { return m_process.hProcess; }
    HWND control(int id) const { return GetDlgItem(m_window, id); }

    void Type(int id, const char* utf8) const
    {
        SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Utf16(utf8).c_str()));
    }
    std::string Text(int id) const { return Text(control(id)); }
    static std::string Text(HWND window)
    {
        std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
        return Utf8(text);
    }
    void Click(int id) const { SendMessageW(control(id), BM_CLICK, 0, 0); }
    // A key pressed in a control, through the dialog's own message loop.
    void Key(int id, WPARAM key) const
    {
        PostMessageW(control(id), WM_KEYDOWN, key, 1);
        PostMessageW(control(id), WM_KEYUP, key, 0xC0000001);
    }
    // A top-level window of the program with this caption (class "#32768"
    // for a popup menu), once it is up; nullptr after 10 s.
    HWND WaitForWindow(const char* caption, const wchar_t* className = nullptr) const
    {
        struct Search {
            std::wstring caption;
            const wchar_t* className;
            HWND found;
        } search{caption != nullptr ? Utf16(caption) : L"", className, nullptr};
        for (int i = 0; i < 400 && search.found == nullptr; ++i) {
            EnumThreadWindows(
                m_process.dwThreadId,
                [](HWND window, LPARAM data) {
                    auto* s = reinterpret_cast<Search*>(data);
                    wchar_t name[64] = {};
                    GetClassNameW(window, name, 64);
                    if (IsWindowVisible(window) && (s->className == nullptr || s->className == std::wstring(name))
                        && (s->caption.empty() || Utf16(Text(window)) == s->caption))
                        s->found = window;
                    return s->found == nullptr ? TRUE : FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr)
                Sleep(25);
        }
        return search.found;
    }
    HWND Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(m_process.dwThreadId, &info) ? info.hwndFocus : nullptr;
    }
    // Waits until the program has ended; its exit status, or -1.
    long WaitForExit() const
    {
        DWORD status = 0;
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0
            || !GetExitCodeProcess(m_process.hProcess, &status))
            return -1;
        return static_cast<long>(status);
    }

private:
    static BOOL CALLBACK FindOwnWindow(HWND window, LPARAM self)
    {
        auto* dialog = reinterpret_cast<RunningDialog*>(self);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != dialog->m_process.dwProcessId || !IsWindowVisible(window))
            return TRUE;
        dialog->m_window = window;
        return FALSE;
    }

    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

const int kResults[] = {IDC_VELOCITY, IDC_REYNOLDS, IDC_LAMBDA, IDC_FRICTION_RATE, IDC_ROUGH_REYNOLDS, IDC_STATUS};

void Fill(const RunningDialog& dialog, const vendrel::examples::Inputs& in)
{
    dialog.Type(IDC_FLOW, in.flow);
    dialog.Type(IDC_DIAMETER, in.diameter);
    dialog.Type(IDC_ROUGHNESS, in.roughness);
    dialog.Type(IDC_VISCOSITY, in.viscosity);
}

class Win32Dialog : public testing::Test {
protected:
    RunningDialog m_dialog;
    void SetUp() override { ASSERT_NE(m_dialog.window(), nullptr) << "vendrel.exe showed no window"; }
};

TEST_F(Win32Dialog, OpensWithTheFormsCaptionDefaultsAndFocus)
{
    EXPECT_EQ(RunningDialog::Text(m_dialog.window()), "计算空调水管比摩阻(迭代)");
    const LONG_PTR style = GetWindowLongPtrW(m_dialog.window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(m_dialog.Text(IDC_ROUGHNESS), "0.2");
    EXPECT_EQ(m_dialog.Text(IDC_VISCOSITY), "1.306");
    EXPECT_EQ(m_dialog.Text(IDC_FLOW), "");
    for (const int id : kResults)
        EXPECT_EQ(m_dialog.Text(id), "") << id;
    EXPECT_EQ(m_dialog.Focus(), m_dialog.control(IDC_FLOW));
    EXPECT_EQ(m_dialog.Text(IDOK), "计算");
    EXPECT_EQ(m_dialog.Text(IDCANCEL), "退出");
}

// Tab visits the four entries and the two buttons; the disabled results
// are passed over.
TEST_F(Win32Dialog, TabVisitsEntriesThenButtons)
{
    const int order[] = {IDC_FLOW, IDC_DIAMETER, IDC_ROUGHNESS, IDC_VISCOSITY, IDOK, IDCANCEL, IDC_FLOW};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(
            GetNextDlgTabItem(m_dialog.window(), m_dialog.control(order[i]), FALSE), m_dialog.control(order[i + 1]))
            << "after " << order[i];
    for (const int id : kResults)
        EXPECT_FALSE(IsWindowEnabled(m_dialog.control(id))) << id;
}

TEST_F(Win32Dialog, InvalidInputChangesOnlyReynolds)
{
    Fill(m_dialog, vendrel::examples::kWorkedExamples[0].in);
    m_dialog.Click(IDOK);
    std::string before[6];
    for (int i = 0; i < 6; ++i)
        before[i] = m_dialog.Text(kResults[i]);
    m_dialog.Type(IDC_DIAMETER, "abc");
    m_dialog.Click(IDOK);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m_dialog.Text(kResults[i]), kResults[i] == IDC_REYNOLDS ? "数据有误" : before[i]);
    EXPECT_EQ(m_dialog.Text(IDC_DIAMETER), "abc");
}

TEST_F(Win32Dialog, EnterInAnEntryCalculatesAndEscapeEndsTheProgram)
{
    Fill(m_dialog, vendrel::examples::kWorkedExamples[0].in);
    m_dialog.Key(IDC_DIAMETER, VK_RETURN);
    for (int i = 0; i < 200 && m_dialog.Text(IDC_REYNOLDS).empty(); ++i)
        Sleep(25);
    EXPECT_EQ(m_dialog.Text(IDC_REYNOLDS), "54161");
    m_dialog.Key(IDC_FLOW, VK_ESCAPE);
    EXPECT_EQ(m_dialog.WaitForExit(), 0);
}

// The editing commands of an entry's menu are in Chinese whatever the
// language of Windows, then each entry's own aid, and last the circuit window.
TEST(Win32EntryMenu, IsChineseAndEndsWithTheEntrysAidThenTheCircuit)
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"10", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    const std::pair<int, const char*> entries[] = {{IDC_FLOW, "全选(&A)"}, {IDC_DIAMETER, kStandardSizeItem},
        {IDC_ROUGHNESS, kMaterialMenu}, {IDC_VISCOSITY, kFluidItem}};
    for (const auto& [id, last] : entries) {
        const vendrel::ui::UniqueMenu menu = vendrel::ui::CreateEntryMenu(edit, ControlId(id), {"镀锌钢管  K=0.15 mm"});
        const int count = GetMenuItemCount(menu.get());
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu.get(), static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            if (*text != L'\0')
                texts.push_back(Utf8(text));
        }
        ASSERT_GE(texts.size(), 7u) << id;
        EXPECT_EQ(texts[0], "撤消(&U)") << id;
        EXPECT_EQ(texts[5], "全选(&A)") << id;
        EXPECT_EQ(texts[texts.size() - 2], last) << id;
        EXPECT_EQ(texts.back(), kOpenCircuitItem) << id;
    }
    DestroyWindow(edit);
}

// Each aid chosen from its entry's menu by the keyboard, as a user does:
// the menu Shift+F10 opens, arrow keys and Enter, then keys in the window the
// aid opens.
struct AidCase {
    const char* name;
    int entry;
    std::vector<WPARAM> menuKeys;
    const char* window; // the caption of the window the aid opens, or nullptr
    int windowFocus;    // the control of that window the keys go to
    const char* typed;  // put into that control first, or nullptr
    std::vector<WPARAM> windowKeys;
    std::vector<std::pair<int, const char*>> expected; // fields afterwards
    int doubleClicked = -1;                            // the list row double-clicked after the keys
    bool byMouse = false;                              // the menu opened by a right click, not Shift+F10
    const char* bore = "";                             // the diameter typed with the flow, 10 m³/h
    int fluid = -1;                                    // chosen in the fluid prompt first
    const char* shown = nullptr;                       // the start of what that prompt then shows
};

// Double-clicks a row of a list view in the program as the mouse would; its
// place is asked for in the program's own memory.
void DoubleClickRow(HANDLE process, HWND list, int row)
{
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

void PrintTo(const AidCase& aid, std::ostream* os)
{
    *os << aid.name;
}

class Win32DialogAid : public testing::TestWithParam<AidCase> { };

TEST_P(Win32DialogAid, WritesItsEntry)
{
    const AidCase& aid = GetParam();
    RunningDialog dialog;
    ASSERT_NE(dialog.window(), nullptr);
    dialog.Type(IDC_FLOW, "10");
    dialog.Type(IDC_DIAMETER, aid.bore);
    const std::string before = dialog.Text(aid.entry);
    // From the keyboard the menu comes with no place (-1); from the mouse
    // with the screen point clicked.
    RECT entry;
    GetWindowRect(dialog.control(aid.entry), &entry);
    const LPARAM where = aid.byMouse ? MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2) : -1;
    PostMessageW(dialog.control(aid.entry), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.control(aid.entry)), where);
    HWND menu = dialog.WaitForWindow(nullptr, L"#32768");
    ASSERT_NE(menu, nullptr);
    // At the point clicked, or under the text cursor within the entry.
    RECT placed;
    GetWindowRect(menu, &placed);
    if (aid.byMouse) {
        EXPECT_EQ(placed.left, (entry.left + entry.right) / 2);
        EXPECT_EQ(placed.top, (entry.top + entry.bottom) / 2);
    } else {
        EXPECT_GE(placed.left, entry.left);
        EXPECT_LT(placed.left, entry.right);
        EXPECT_NEAR(placed.top, entry.bottom, 4);
    }
    for (const WPARAM key : aid.menuKeys)
        dialog.Key(aid.entry, key);
    if (aid.window != nullptr) {
        HWND window = dialog.WaitForWindow(aid.window);
        ASSERT_NE(window, nullptr) << aid.window;
        HWND focus = GetDlgItem(window, aid.windowFocus);
        if (aid.fluid >= 0) {
            HWND fluid = GetDlgItem(window, IDC_FLUID);
            SendMessageW(fluid, CB_SETCURSEL, static_cast<WPARAM>(aid.fluid), 0);
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_FLUID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fluid));
        }
        if (aid.typed != nullptr)
            SendMessageW(focus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Utf16(aid.typed).c_str()));
        if (aid.shown != nullptr) {
            const std::string shown = RunningDialog::Text(GetDlgItem(window, IDC_FLUID_PROPERTIES));
            EXPECT_EQ(shown.rfind(aid.shown, 0), 0u) << shown;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(window, IDC_CONCENTRATION)) != FALSE, aid.fluid > 0);
        }
        for (const WPARAM key : aid.windowKeys) {
            PostMessageW(focus, WM_KEYDOWN, key, 1);
            PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        }
        if (aid.doubleClicked >= 0)
            DoubleClickRow(dialog.process(), focus, aid.doubleClicked);
        for (int i = 0; i < 400 && IsWindow(window); ++i)
            Sleep(25);
    }
    for (const auto& [id, text] : aid.expected) {
        for (int i = 0; i < 200 && dialog.Text(id) != text; ++i)
            Sleep(25);
        EXPECT_EQ(dialog.Text(id), text) << id;
    }
    if (dialog.Text(aid.entry) != before) { // an aid's value is undone as typed text is
        SendMessageW(dialog.control(aid.entry), EM_UNDO, 0, 0);
        EXPECT_EQ(dialog.Text(aid.entry), before);
    }
}

INSTANTIATE_TEST_SUITE_P(EntryMenus, Win32DialogAid,
    // A material or a temperature calculates once there is a bore to calculate with.
    testing::Values(AidCase{"material", IDC_ROUGHNESS, {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, nullptr, 0,
                        nullptr, {}, {{IDC_ROUGHNESS, "0.5"}, {IDC_REYNOLDS, ""}}},
        AidCase{"material_calculates", IDC_ROUGHNESS, {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, nullptr, 0, nullptr,
            {}, {{IDC_ROUGHNESS, "0.5"}, {IDC_REYNOLDS, "54161"}, {IDC_LAMBDA, "0.038961"}}, -1, false, "50"},
        AidCase{"temperature", IDC_VISCOSITY, {VK_UP, VK_UP, VK_RETURN}, kFluidCaption, IDC_TEMPERATURE, "7",
            {VK_RETURN}, {{IDC_VISCOSITY, "1.427"}, {IDC_REYNOLDS, ""}}, -1, false, "", 0,
            "运动粘滞系数 1.427×10^-6 m^2/s，密度 999.9 kg/m³"},
        AidCase{"temperature_calculates", IDC_VISCOSITY, {VK_UP, VK_UP, VK_RETURN}, kFluidCaption, IDC_TEMPERATURE, "7",
            {VK_RETURN}, {{IDC_VISCOSITY, "1.427"}, {IDC_REYNOLDS, "49569"}}, -1, false, "50"},
        // A brine of the concentration last given, 30 %, shown as it is typed.
        AidCase{"glycol", IDC_VISCOSITY, {VK_UP, VK_UP, VK_RETURN}, kFluidCaption, IDC_TEMPERATURE, "-5", {VK_RETURN},
            {{IDC_VISCOSITY, "5.022"}, {IDC_REYNOLDS, "14085"}}, -1, false, "50", 1,
            "运动粘滞系数 5.022×10^-6 m^2/s，密度 1046.3 kg/m³\n比热 "},
        AidCase{"size_recommended", IDC_DIAMETER, {VK_UP, VK_UP, VK_RETURN}, kSizeCaption, IDC_SIZES, nullptr,
            {VK_RETURN}, {{IDC_DIAMETER, "62.68"}, {IDC_VELOCITY, "0.900222"}}},
        AidCase{"size_next", IDC_DIAMETER, {VK_UP, VK_UP, VK_RETURN}, kSizeCaption, IDC_SIZES, nullptr,
            {VK_DOWN, VK_RETURN}, {{IDC_DIAMETER, "77.92"}, {IDC_VELOCITY, "0.582519"}}},
        AidCase{"size_double_click", IDC_DIAMETER, {VK_UP, VK_UP, VK_RETURN}, kSizeCaption, IDC_SIZES, nullptr, {},
            {{IDC_DIAMETER, "90.12"}, {IDC_VELOCITY, "0.435477"}}, 8},
        AidCase{"size_other_series", IDC_DIAMETER, {VK_UP, VK_UP, VK_RETURN}, kSizeCaption, IDC_SERIES, nullptr,
            {VK_DOWN, VK_RETURN}, {{IDC_DIAMETER, "68.1"}, {IDC_VELOCITY, "0.762629"}}},
        AidCase{"size_by_mouse", IDC_DIAMETER, {VK_UP, VK_UP, VK_RETURN}, kSizeCaption, IDC_SIZES, nullptr, {VK_RETURN},
            {{IDC_DIAMETER, "62.68"}}, -1, true},
        AidCase{"size_escape", IDC_DIAMETER, {VK_UP, VK_UP, VK_RETURN}, kSizeCaption, IDC_SIZES, nullptr, {VK_ESCAPE},
            {{IDC_DIAMETER, ""}, {IDC_VELOCITY, ""}}}),
    [](const testing::TestParamInfo<AidCase>& info) { return std::string(info.param.name); });

// The size window: the user's own series after the built-in ones, opened
// again on the series last chosen, the series' material named and its K
// offered where the K typed is no K of its pipes; rows as tall as their
// Chinese text needs.
TEST(Win32SizeWindow, KnowsTheSeriesAndItsMaterial)
{
    wchar_t appData[MAX_PATH] = {};
    ASSERT_NE(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
    const std::wstring folder = std::wstring(appData) + L"\\Vendrel\\series";
    CreateDirectoryW((std::wstring(appData) + L"\\Vendrel").c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\institute.csv";
    {
        const std::string text = "标题,本院无缝钢管\n公称直径,外径,壁厚\nDN200,219.1,8.18\n";
        HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(out);
    }
    const auto openSizes = [](const RunningDialog& dialog) {
        PostMessageW(
            dialog.control(IDC_DIAMETER), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.control(IDC_DIAMETER)), -1);
        dialog.WaitForWindow(nullptr, L"#32768");
        dialog.Key(IDC_DIAMETER, VK_UP);
        dialog.Key(IDC_DIAMETER, VK_UP);
        dialog.Key(IDC_DIAMETER, VK_RETURN);
        return dialog.WaitForWindow(kSizeCaption);
    };
    {
        RunningDialog dialog;
        ASSERT_NE(dialog.window(), nullptr);
        dialog.Type(IDC_FLOW, "10");
        HWND sizes = openSizes(dialog);
        ASSERT_NE(sizes, nullptr);
        HWND series = GetDlgItem(sizes, IDC_SERIES);
        ASSERT_EQ(SendMessageW(series, CB_GETCOUNT, 0, 0), 5);
        wchar_t name[64] = {};
        SendMessageW(series, CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(name));
        EXPECT_EQ(Utf8(name), "本院无缝钢管");
        // Copper, at the K typed, 0.2: its own K is offered.
        SendMessageW(series, CB_SETCURSEL, 2, 0);
        SendMessageW(sizes, WM_COMMAND, MAKEWPARAM(IDC_SERIES, CBN_SELCHANGE), reinterpret_cast<LPARAM>(series));
        EXPECT_EQ(RunningDialog::Text(GetDlgItem(sizes, IDC_SERIES_MATERIAL)),
            "此系列管材：铜管（拉制管），K 0.0015 mm；列表按计算器中的 K 0.2 mm");
        HWND useK = GetDlgItem(sizes, IDC_USE_SERIES_ROUGHNESS);
        EXPECT_TRUE(IsWindowVisible(useK));
        EXPECT_EQ(RunningDialog::Text(useK), "改用 K=0.0015(&K)");
        SendMessageW(useK, BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.Text(IDC_ROUGHNESS), "0.0015");
        EXPECT_FALSE(IsWindowVisible(useK));
        // Each row at least a quarter taller than the font.
        HWND list = GetDlgItem(sizes, IDC_SIZES);
        void* remote = VirtualAllocEx(dialog.process(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        WriteProcessMemory(dialog.process(), remote, &row, sizeof row, nullptr);
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(dialog.process(), remote, &row, sizeof row, nullptr);
        VirtualFreeEx(dialog.process(), remote, 0, MEM_RELEASE);
        HDC dc = GetDC(list);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
        TEXTMETRICW font{};
        GetTextMetricsW(dc, &font);
        ReleaseDC(list, dc);
        EXPECT_GE((row.bottom - row.top) * 4, font.tmHeight * 5) << row.bottom - row.top << " px for " << font.tmHeight;
        PostMessageW(sizes, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 400 && IsWindow(sizes); ++i)
            Sleep(25);
    }
    {
        RunningDialog dialog(false);
        ASSERT_NE(dialog.window(), nullptr);
        dialog.Type(IDC_FLOW, "10");
        HWND sizes = openSizes(dialog);
        ASSERT_NE(sizes, nullptr);
        EXPECT_EQ(SendMessageW(GetDlgItem(sizes, IDC_SERIES), CB_GETCURSEL, 0, 0), 2);
        PostMessageW(sizes, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 400 && IsWindow(sizes); ++i)
            Sleep(25);
    }
    DeleteFileW(file.c_str());
    ForgetTheSeries();
}

// One dialog for all the worked examples: each sets all four entries.
class Win32DialogExample : public testing::TestWithParam<vendrel::examples::Example> {
protected:
    static void SetUpTestSuite() { s_dialog = std::make_unique<RunningDialog>(); }
    static void TearDownTestSuite() { s_dialog.reset(); }
    static std::unique_ptr<RunningDialog> s_dialog;
};
std::unique_ptr<RunningDialog> Win32DialogExample::s_dialog;

TEST_P(Win32DialogExample, CalculateShowsEveryResult)
{
    ASSERT_NE(s_dialog->window(), nullptr);
    const vendrel::examples::Example& e = GetParam();
    Fill(*s_dialog, e.in);
    s_dialog->Click(IDOK);
    const char* const expected[]
        = {e.out.velocity, e.out.reynolds, e.out.lambda, e.out.frictionRate, e.out.roughReynolds, e.out.status};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(s_dialog->Text(kResults[i]), expected[i]) << kResults[i];
    EXPECT_EQ(s_dialog->Text(IDC_FLOW), e.in.flow); // never reformatted
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Win32DialogExample, testing::ValuesIn(vendrel::examples::kWorkedExamples),
    [](const testing::TestParamInfo<vendrel::examples::Example>& info) { return std::string(info.param.name); });

} // namespace
