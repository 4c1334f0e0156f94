// The circuit window's commands: its menus, its keys and its settings'
// notices, and the clipboard.
#include "ui/win32/circuitwnd.h"

#include "ui/win32/clipboard.h"

#include <commctrl.h>

namespace vendrel::ui {
namespace {

using form::CircuitCommand;

bool IsEdit(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, WC_EDITW) == 0;
}

} // namespace

bool CCircuitWnd::PreTranslate(MSG& message)
{
    if (message.message == WM_KEYDOWN) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        const bool other = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0;
        const bool inEdit = IsEdit(GetFocus());
        for (const CircuitShortcut& shortcut : m_shortcuts) {
            if (shortcut.key == message.wParam && shortcut.control == control && !other
                && !(inEdit && EditKeepsKey(shortcut.command))) {
                // Posted, not run here: a command may open a window with a loop of its own.
                PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(CommandId(shortcut.command), 1), 0);
                return true;
            }
        }
    }
    // Tab, Enter and Esc among the controls, as a dialog has them.
    return IsDialogMessageW(m_hWnd, &message) != FALSE;
}

void CCircuitWnd::OnCommand(UINT id, UINT code, HWND control)
{
    if (control == nullptr && id >= kFirstCircuitCommand && id < kFirstCircuitCommand + form::kCircuitCommandCount) {
        RunCommand(static_cast<CircuitCommand>(id - kFirstCircuitCommand));
        return;
    }
    if (control == nullptr && id >= kFirstRecentFile && id < kFirstRecentFile + form::kMaxRecentFiles) {
        OnRecentFile(id - kFirstRecentFile);
        return;
    }
    // Enter and Esc in a setting's entry, from the dialog keys.
    if (id == IDOK) {
        if (m_settings.CommitFocused())
            Changed();
        return;
    }
    if (id == IDCANCEL) {
        m_settings.RevertFocused();
        return;
    }
    if (control != nullptr && m_settings.OnCommand(control, static_cast<int>(code)))
        Changed();
    else
        UpdateStatus();
}

bool CCircuitWnd::ForwardToEdit(CircuitCommand command)
{
    // Chosen from the menu while an entry has the focus, a command of the entry's own.
    const HWND focus = GetFocus();
    if (!IsEdit(focus) || !IsChild(m_hWnd, focus))
        return false;
    switch (command) {
    case CircuitCommand::Undo:
        SendMessageW(focus, EM_UNDO, 0, 0);
        return true;
    case CircuitCommand::Copy:
        SendMessageW(focus, WM_COPY, 0, 0);
        return true;
    case CircuitCommand::Paste:
        SendMessageW(focus, WM_PASTE, 0, 0);
        return true;
    case CircuitCommand::SelectAll:
        SendMessageW(focus, EM_SETSEL, 0, -1);
        return true;
    default:
        return false;
    }
}

void CCircuitWnd::CommitEdits()
{
    m_table.EndEdit(true);
    if (m_settings.CommitAll())
        Changed();
}

void CCircuitWnd::RunCommand(CircuitCommand command)
{
    if (ForwardToEdit(command))
        return;
    CommitEdits();
    switch (command) {
    case CircuitCommand::New:
        OnNew();
        break;
    case CircuitCommand::Open:
        OnOpen();
        break;
    case CircuitCommand::Save:
        OnSave();
        break;
    case CircuitCommand::ExportWorkbook:
        OnExportWorkbook();
        break;
    case CircuitCommand::ExportBook:
        OnExportBook();
        break;
    case CircuitCommand::Print:
        OnPrint();
        break;
    case CircuitCommand::SaveAs:
        OnSaveAs();
        break;
    case CircuitCommand::Close:
        PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        break;
    case CircuitCommand::Undo:
        if (m_document.Undo())
            Changed();
        break;
    case CircuitCommand::Redo:
        if (m_document.Redo())
            Changed();
        break;
    case CircuitCommand::Copy:
        OnCopy();
        break;
    case CircuitCommand::Paste:
        OnPaste();
        break;
    case CircuitCommand::InsertRow:
        m_table.InsertRow();
        break;
    case CircuitCommand::DeleteRows:
        m_table.DeleteRows();
        break;
    case CircuitCommand::SelectAll:
        m_table.SelectAll();
        break;
    }
}

void CCircuitWnd::OnCopy()
{
    // The table with the focus is the one copied.
    SetClipboardText(m_hWnd, GetFocus() == m_paths.hwnd() ? m_paths.CopyText() : m_table.CopyText());
}

void CCircuitWnd::OnPaste()
{
    std::string error;
    if (!m_table.Paste(ClipboardText(m_hWnd), error))
        ShowError(error);
}

} // namespace vendrel::ui
