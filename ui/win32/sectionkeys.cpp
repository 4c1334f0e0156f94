// The table of sections used from the keyboard and the mouse, as a
// spreadsheet is: the current cell moved, and edited in place.
#include "ui/win32/sectiontable.h"

#include <windowsx.h>

#include <algorithm>

namespace vendrel::ui {

void CSectionTable::SelectOnly(int row)
{
    ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(m_list, row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ListView_EnsureVisible(m_list, row, FALSE);
}

void CSectionTable::ScrollToColumn(int column)
{
    const RECT cell = CellRect(m_row, column);
    RECT client;
    GetClientRect(m_list, &client);
    if (cell.right > client.right)
        ListView_Scroll(m_list, std::min(cell.right - client.right, cell.left), 0);
    else if (cell.left < 0)
        ListView_Scroll(m_list, cell.left, 0);
}

void CSectionTable::MoveTo(int row, int column)
{
    row = std::clamp(row, 0, RowsShown() - 1);
    column = std::clamp(column, 0, m_document.ColumnCount() - 1);
    ListView_RedrawItems(m_list, m_row, m_row);
    m_column = column;
    if (row != m_row || ListView_GetNextItem(m_list, -1, LVNI_FOCUSED) != row)
        SelectOnly(row);
    m_row = row;
    ScrollToColumn(column);
    ListView_RedrawItems(m_list, m_row, m_row);
    m_moved();
}

void CSectionTable::BeginEdit(bool keepText)
{
    if (!m_document.ColumnTyped(m_column))
        return; // a result
    ListView_EnsureVisible(m_list, m_row, FALSE);
    ScrollToColumn(m_column);
    m_editor.Begin(CellRect(m_row, m_column), keepText ? m_document.CellEditText(m_row, m_column) : std::string());
}

void CSectionTable::EndEdit(bool commit)
{
    if (m_editor.Active())
        OnEditorEnd(commit ? CCellEditor::End::Commit : CCellEditor::End::Cancel);
}

void CSectionTable::OnEditorEnd(CCellEditor::End end)
{
    using End = CCellEditor::End;
    const std::string text = m_editor.Text();
    m_editor.Hide();
    if (end == End::Cancel)
        return;
    if (m_document.SetCell(m_row, m_column, text))
        m_changed();
    switch (end) {
    case End::CommitDown:
        MoveTo(m_row + 1, m_column);
        break;
    case End::CommitUp:
        MoveTo(m_row - 1, m_column);
        break;
    case End::CommitRight:
        MoveTo(m_row, m_column + 1);
        break;
    case End::CommitLeft:
        MoveTo(m_row, m_column - 1);
        break;
    default:
        break;
    }
}

bool CSectionTable::OnKey(WPARAM key)
{
    switch (key) {
    case VK_LEFT:
        MoveTo(m_row, m_column - 1);
        return true;
    case VK_RIGHT:
        MoveTo(m_row, m_column + 1);
        return true;
    case VK_TAB:
        MoveTo(m_row, m_column + (GetKeyState(VK_SHIFT) < 0 ? -1 : 1));
        return true;
    case VK_RETURN:
    case VK_F2:
        BeginEdit(true);
        return true;
    default:
        return false; // the vertical keys move the list's focus, and the row with it
    }
}

void CSectionTable::OnClick(LPARAM where, bool twice)
{
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (ListView_SubItemHitTest(m_list, &hit) < 0 || hit.iItem < 0)
        return;
    ListView_RedrawItems(m_list, m_row, m_row);
    m_row = hit.iItem;
    m_column = hit.iSubItem;
    ListView_RedrawItems(m_list, m_row, m_row);
    m_moved();
    if (twice)
        BeginEdit(true);
}

LRESULT CALLBACK CSectionTable::ListProc(
    HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self)
{
    auto* table = reinterpret_cast<CSectionTable*>(self);
    switch (message) {
    case WM_GETDLGCODE: {
        // Tab moves along the row; off either end of it, to the window's other controls.
        const LRESULT code = DefSubclassProc(list, message, wParam, lParam);
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_TAB) {
            const bool back = GetKeyState(VK_SHIFT) < 0;
            if (back ? table->m_column == 0 : table->m_column == table->m_document.ColumnCount() - 1)
                return code;
        }
        return code | DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
        if (table->OnKey(wParam))
            return 0;
        break;
    case WM_CHAR:
        if (table->m_editor.Active()) { // the rest of what an input method gave at once
            SendMessageW(table->m_editor.hwnd(), message, wParam, lParam);
            return 0;
        }
        if (wParam < L' ' || wParam == 0x7F)
            return 0; // not to search the list's rows
        if (table->m_document.ColumnTyped(table->m_column)) {
            table->BeginEdit(false); // typing replaces the cell's text
            SendMessageW(table->m_editor.hwnd(), message, wParam, lParam);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        table->EndEdit(true);
        const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
        table->OnClick(lParam, message == WM_LBUTTONDBLCLK);
        return result;
    }
    case WM_RBUTTONDOWN:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        table->EndEdit(true);
        break;
    case WM_NOTIFY: // from the header: a column being resized
        if (reinterpret_cast<const NMHDR*>(lParam)->code == HDN_BEGINTRACKW)
            table->EndEdit(true);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: // the current cell's frame shows where the keys go
        ListView_RedrawItems(list, table->m_row, table->m_row);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, &CSectionTable::ListProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

} // namespace vendrel::ui
