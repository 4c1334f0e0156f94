#pragma once

#include "ui/form/circuitdocument.h"
#include "ui/win32/circuitmenu.h"
#include "ui/win32/pathtable.h"
#include "ui/win32/sectiontable.h"
#include "ui/win32/settingsbar.h"
#include "ui/win32/windowfont.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace vendrel::ui {

// "管路水力计算": a circuit's sections in a table, calculated whole after
// every edit, with its settings above and its paths, index circuit and pump
// head below. A top-level window of its own beside the calculator, whose
// modal loop it shares: its keys are routed by a message hook, whichever loop
// takes them from the queue.
class CCircuitWnd {
public:
    CCircuitWnd();
    ~CCircuitWnd();
    CCircuitWnd(const CCircuitWnd&) = delete;
    CCircuitWnd& operator=(const CCircuitWnd&) = delete;

    // Opens the window on a new circuit, or brings it to the front if open.
    void Show();
    bool IsOpen() const { return m_hWnd != nullptr; }
    // Opens a circuit file in it; a message box says why where it cannot.
    bool OpenFile(const std::string& path);
    // Takes messages until the window has been closed.
    void RunUntilClosed();

private:
    struct HookRemover {
        void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
    };
    using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover>;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool PreTranslate(MSG& message);

    void OnCreate();
    void SetFonts(int dpi);
    void Layout();
    void OnCommand(UINT id, UINT code, HWND control);
    void RunCommand(form::CircuitCommand command);
    bool ForwardToEdit(form::CircuitCommand command);
    void CommitEdits();
    void OnClose();
    void OnDpiChanged(int dpi, const RECT& suggested);
    // After the document changed: every part of the window shown anew.
    void Changed();
    void UpdateStatus();
    void ShowColumns(const std::vector<int>& widths);
    std::vector<int> FormColumnWidths() const;
    // The columns' titles and widths; after the document's columns have
    // changed, the widths of those of the same titles kept.
    std::vector<std::pair<std::string, int>> ShownColumns() const;
    std::vector<int> WidthsKeeping(const std::vector<std::pair<std::string, int>>& shown) const;
    void RememberSize() const;
    void RestoreSize();
    void ShowError(const std::string& message) const;

    // Files and the clipboard (circuitwndfiles.cpp).
    bool ConfirmDiscard();
    void OnNew();
    void OnOpen();
    bool OnSave();
    bool OnSaveAs();
    // Beside the circuit file, under its name, with the suffix.
    std::string ChooseExport(const char* suffix, const char* filter, const char* caption) const;
    void OnExportWorkbook();
    void OnExportBook();
    void OnPrint();
    bool SaveTo(const std::string& path);
    void OnRecentFile(std::size_t index);
    void RememberRecent(const std::string& path);
    void OnCopy();
    void OnPaste();

    form::CircuitDocument m_document;
    HWND m_hWnd = nullptr;
    CSettingsBar m_settings;
    CSectionTable m_table;
    CPathTable m_paths;
    HWND m_pathsTitle = nullptr;
    HWND m_summary = nullptr;
    HWND m_notes = nullptr;
    HWND m_status = nullptr;
    HWND m_lastFocus = nullptr;
    WindowFonts m_fonts;
    CircuitMenu m_menu;
    std::vector<CircuitShortcut> m_shortcuts;
    UniqueHook m_hook;
};

} // namespace vendrel::ui
