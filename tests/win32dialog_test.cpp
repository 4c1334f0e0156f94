// Drives the real vendrel.exe through window messages, as Windows delivers a
// user's typing and clicks, and reads every field back.
#include "tests/workedexamples.h"
#include "ui/form/controlid.h"
#include "ui/win32/utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

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

// The build passes the program's path as the build machine sees it; under
// Wine a Unix path is found on drive Z:. VENDREL_EXE_UNDER_TEST points the
// tests at another copy, the installed one.
std::wstring ProgramPath()
{
    if (const wchar_t* other = _wgetenv(L"VENDREL_EXE_UNDER_TEST"); other != nullptr && *other != L'\0')
        return other;
    std::wstring path = Utf16(VENDREL_EXE);
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path.front() == L'\\' ? L"Z:" + path : path;
}

// vendrel.exe, started and found by its window; closed again at the end.
class RunningDialog {
public:
    RunningDialog()
    {
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
