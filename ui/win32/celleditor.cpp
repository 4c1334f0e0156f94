#include "ui/win32/celleditor.h"

#include "ui/win32/utf16.h"

#include <commctrl.h>

namespace vendrel::ui {

void CCellEditor::Create(HWND list)
{
    m_list = list;
    m_edit = CreateWindowExW(0, WC_EDITW, nullptr, WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0, list, nullptr,
        GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(m_edit, &CCellEditor::EditProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void CCellEditor::Begin(const RECT& cell, const std::string& text)
{
    SetWindowTextW(m_edit, Utf16(text).c_str());
    SetWindowPos(m_edit, HWND_TOP, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, SWP_SHOWWINDOW);
    m_active = true;
    SetFocus(m_edit);
    SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
}

std::string CCellEditor::Text() const
{
    return WindowText(m_edit);
}

void CCellEditor::Hide()
{
    // Inactive first: the focus leaving it below is no second end.
    m_active = false;
    if (GetFocus() == m_edit)
        SetFocus(m_list);
    ShowWindow(m_edit, SW_HIDE);
}

LRESULT CALLBACK CCellEditor::EditProc(
    HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self)
{
    auto* editor = reinterpret_cast<CCellEditor*>(self);
    switch (message) {
    case WM_GETDLGCODE: // Enter, Esc and Tab are the table's, not the window's
        return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN: {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        switch (wParam) {
        case VK_RETURN:
            editor->m_ended(shift ? End::CommitUp : End::CommitDown);
            return 0;
        case VK_TAB:
            editor->m_ended(shift ? End::CommitLeft : End::CommitRight);
            return 0;
        case VK_UP:
            editor->m_ended(End::CommitUp);
            return 0;
        case VK_DOWN:
            editor->m_ended(End::CommitDown);
            return 0;
        case VK_ESCAPE:
            editor->m_ended(End::Cancel);
            return 0;
        default:
            break;
        }
        break;
    }
    case WM_CHAR: // the characters of those keys would only beep
        if (wParam == L'\r' || wParam == L'\t' || wParam == 0x1B)
            return 0;
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        if (editor->m_active)
            editor->m_ended(End::Commit);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &CCellEditor::EditProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace vendrel::ui
