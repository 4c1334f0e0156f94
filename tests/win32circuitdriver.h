#pragma once

#include "tests/win32program.h"
#include "ui/form/circuitdocument.h"
#include "ui/win32/circuitids.h"
#include "ui/win32/utf16.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

// The Windows tests' hands on the circuit window: vendrel.exe started, its
// windows found, keys pressed in them, and what its lists show read back
// from its own memory.
namespace vendrel::tests {

inline std::string Text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return ui::Utf8(text);
}

// Waits up to 10 s for a condition.
inline bool Eventually(const std::function<bool()>& condition)
{
    for (int i = 0; i < 400; ++i) {
        if (condition())
            return true;
        Sleep(25);
    }
    return condition();
}

// vendrel.exe with arguments, its windows found by class; ended at the end
// whatever it asks.
class Running {
public:
    explicit Running(const std::wstring& arguments)
    {
        std::wstring commandLine = L"\"" + ProgramPath() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process);
    }
    ~Running()
    {
        if (m_process.hProcess == nullptr)
            return;
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 10000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    HANDLE process() const { return m_process.hProcess; }
    // A visible top-level window of the program's of a class (with a caption
    // starting so), once it is up; nullptr after 10 s.
    HWND Window(const wchar_t* className, const std::string& caption = "") const
    {
        struct Search {
            const wchar_t* className;
            std::string caption;
            HWND found;
        } search{className, caption, nullptr};
        Eventually([&] {
            EnumThreadWindows(
                m_process.dwThreadId,
                [](HWND window, LPARAM data) {
                    auto* s = reinterpret_cast<Search*>(data);
                    wchar_t name[64] = {};
                    GetClassNameW(window, name, 64);
                    if (IsWindowVisible(window) && s->className == std::wstring(name)
                        && Text(window).rfind(s->caption, 0) == 0)
                        s->found = window;
                    return s->found == nullptr ? TRUE : FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }
    HWND Circuit() const { return Window(ui::kCircuitWindowClass); }
    HWND Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(m_process.dwThreadId, &info) ? info.hwndFocus : nullptr;
    }
    // A key pressed in a window; with Ctrl held down until a condition holds,
    // where one is given: the program shares this thread's input state for it.
    void Key(HWND window, WPARAM key, const std::function<bool()>& heldUntil = nullptr) const
    {
        if (!heldUntil) {
            PostMessageW(window, WM_KEYDOWN, key, 1);
            PostMessageW(window, WM_KEYUP, key, 0xC0000001);
            return;
        }
        AttachThreadInput(GetCurrentThreadId(), m_process.dwThreadId, TRUE);
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageW(window, WM_KEYDOWN, key, 1);
        PostMessageW(window, WM_KEYUP, key, 0xC0000001);
        Eventually(heldUntil);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        AttachThreadInput(GetCurrentThreadId(), m_process.dwThreadId, FALSE);
    }
    // Gives a window of the program's the focus, as a click would.
    void Focus(HWND window) const
    {
        AttachThreadInput(GetCurrentThreadId(), m_process.dwThreadId, TRUE);
        SetFocus(window);
        AttachThreadInput(GetCurrentThreadId(), m_process.dwThreadId, FALSE);
    }
    long WaitForExit() const
    {
        DWORD status = 0;
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0
            || !GetExitCodeProcess(m_process.hProcess, &status))
            return -1;
        return static_cast<long>(status);
    }

    // The text of a list view's cell: asked with an LVITEMW and a buffer in
    // the program's own memory, as a list's messages carry pointers.
    std::string ItemText(HWND list, int row, int column) const
    {
        constexpr std::size_t kChars = 256;
        char* remote = static_cast<char*>(VirtualAllocEx(
            m_process.hProcess, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
        LVITEMW item{};
        item.iSubItem = column;
        item.cchTextMax = kChars;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof item);
        WriteProcessMemory(m_process.hProcess, remote, &item, sizeof item, nullptr);
        std::wstring text(kChars, L'\0');
        if (SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote)) > 0)
            ReadProcessMemory(m_process.hProcess, item.pszText, text.data(), kChars * sizeof(wchar_t), nullptr);
        VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
        return ui::Utf8(text.c_str());
    }

private:
    PROCESS_INFORMATION m_process{};
};

// The circuit window of a program, and what its tables show.
class CircuitWindow {
public:
    explicit CircuitWindow(const Running& program)
        : m_program(program)
        , m_window(program.Circuit())
    { }
    HWND window() const { return m_window; }
    HWND control(int id) const { return GetDlgItem(m_window, id); }
    HWND sections() const { return control(ui::kSectionsId); }
    int Rows(int id = ui::kSectionsId) const
    {
        return static_cast<int>(SendMessageW(control(id), LVM_GETITEMCOUNT, 0, 0));
    }
    std::string Cell(int row, int column, int id = ui::kSectionsId) const
    {
        return m_program.ItemText(control(id), row, column);
    }
    // The colours the window has a list draw a cell in: text, background.
    std::pair<COLORREF, COLORREF> Drawn(int id, int row, int column) const
    {
        const auto colours = static_cast<unsigned long long>(
            SendMessageW(m_window, ui::kCellColoursMessage, static_cast<WPARAM>(id), MAKELPARAM(row, column)));
        return {static_cast<COLORREF>(colours & 0xFFFFFFFF), static_cast<COLORREF>(colours >> 32)};
    }
    // The in-place editor, while it is shown.
    HWND Editor() const
    {
        const HWND editor = FindWindowExW(sections(), nullptr, WC_EDITW, nullptr);
        return IsWindowVisible(editor) ? editor : nullptr;
    }
    // The current cell moved from where it is by arrow keys.
    void Move(int down, int right) const
    {
        for (int i = 0; i < std::abs(down); ++i)
            m_program.Key(sections(), down > 0 ? VK_DOWN : VK_UP);
        for (int i = 0; i < std::abs(right); ++i)
            m_program.Key(sections(), right > 0 ? VK_RIGHT : VK_LEFT);
    }

private:
    const Running& m_program;
    HWND m_window;
};

// The example circuit, as the program and the tests' own document read it.
inline constexpr char kExample[] = VENDREL_EXAMPLES "/circuit.csv";

// A column of the table, where a file has extra columns before the results.
inline int Col(form::CircuitColumn column, int extra = 0)
{
    return static_cast<int>(column) + (column >= form::CircuitColumn::Velocity ? extra : 0);
}

inline form::CircuitDocument Example()
{
    form::CircuitDocument document{files::UserLibrary()};
    std::string error;
    document.Open(kExample, error);
    return document;
}

// A file in the temporary folder, as the program names it.
inline std::string TempPath(const char* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return ui::Utf8(folder) + name;
}

} // namespace vendrel::tests
