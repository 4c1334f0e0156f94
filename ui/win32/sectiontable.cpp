#include "ui/win32/sectiontable.h"

#include "ui/win32/tablecolours.h"
#include "ui/win32/utf16.h"

#include <algorithm>

namespace vendrel::ui {

CSectionTable::CSectionTable(
    form::CircuitDocument& document, std::function<void()> changed, std::function<void()> moved)
    : m_document(document)
    , m_changed(std::move(changed))
    , m_moved(std::move(moved))
    , m_editor([this](CCellEditor::End end) { OnEditorEnd(end); })
{ }

void CSectionTable::Create(HWND parent, int id)
{
    m_row = 0;
    m_column = 0;
    m_list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0, 0,
        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(m_list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    SetWindowSubclass(m_list, &CSectionTable::ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    m_editor.Create(m_list);
}

void CSectionTable::SetFonts(const WindowFonts& fonts)
{
    m_font = fonts.normal.get();
    m_italic = fonts.italic.get();
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    m_editor.SetFont(m_font);
    m_rowHeight = SetRowHeight(m_list, fonts);
}

void CSectionTable::ShowColumns(const std::vector<int>& widths)
{
    EndEdit(true);
    while (ListView_DeleteColumn(m_list, 0)) { }
    m_titles.clear();
    for (int column = 0; column < m_document.ColumnCount(); ++column) {
        m_titles.push_back(m_document.ColumnTitle(column));
        std::wstring title = Utf16(m_titles.back());
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        header.fmt = m_document.ColumnAlignRight(column) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        header.cx = column < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(column)] : 0;
        header.pszText = title.data();
        ListView_InsertColumn(m_list, column, &header);
    }
    m_column = std::min(m_column, m_document.ColumnCount() - 1);
    Refresh();
}

std::vector<int> CSectionTable::ColumnWidths() const
{
    std::vector<int> widths;
    for (int column = 0; column < m_document.ColumnCount(); ++column)
        widths.push_back(ListView_GetColumnWidth(m_list, column));
    return widths;
}

void CSectionTable::Refresh()
{
    for (int column = 0; column < static_cast<int>(m_titles.size()); ++column) {
        std::string title = m_document.ColumnTitle(column);
        if (title == m_titles[static_cast<std::size_t>(column)])
            continue;
        std::wstring text = Utf16(title);
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT;
        header.pszText = text.data();
        ListView_SetColumn(m_list, column, &header);
        m_titles[static_cast<std::size_t>(column)] = std::move(title);
    }
    ListView_SetItemCountEx(m_list, RowsShown(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    const int row = std::min(m_row, RowsShown() - 1);
    if (ListView_GetNextItem(m_list, -1, LVNI_FOCUSED) != row)
        SelectOnly(row);
    m_row = row;
    InvalidateRect(m_list, nullptr, FALSE);
}

bool CSectionTable::OnNotify(const NMHDR& notice, LRESULT& result)
{
    if (notice.hwndFrom != m_list)
        return false;
    result = 0;
    switch (notice.code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(notice)).item;
        if ((item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 0)
            lstrcpynW(item.pszText, Utf16(m_document.CellText(item.iItem, item.iSubItem)).c_str(), item.cchTextMax);
        return true;
    }
    case NM_CUSTOMDRAW:
        result = OnCustomDraw(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(notice)));
        return true;
    case LVN_ITEMCHANGED: {
        // The list moves its focus for the vertical keys: the current row follows.
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
        if (change.iItem >= 0 && (change.uNewState & LVIS_FOCUSED) != 0 && change.iItem != m_row) {
            ListView_RedrawItems(m_list, m_row, m_row);
            m_row = change.iItem;
            m_moved();
        }
        return false;
    }
    case LVN_BEGINSCROLL: // the editor would stay where the cell was
        EndEdit(true);
        return false;
    default:
        return false;
    }
}

LRESULT CSectionTable::OnCustomDraw(NMLVCUSTOMDRAW& draw)
{
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // The list's own highlight would hide the cells' marks on the rows selected.
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
        return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
        const form::CellLook look = m_document.Look(row, draw.iSubItem);
        const bool selected = ListView_GetItemState(m_list, row, LVIS_SELECTED) != 0;
        draw.clrTextBk = look.problem ? kProblemBackground
            : selected                ? kSelectedBackground
            : look.index              ? kIndexBackground
                                      : GetSysColor(COLOR_WINDOW);
        draw.clrText
            = look.unbalanced ? kUnbalancedText : GetSysColor(look.derived ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
        SelectObject(draw.nmcd.hdc, look.derived ? m_italic : m_font);
        return CDRF_NEWFONT;
    }
    case CDDS_ITEMPOSTPAINT:
        if (row == m_row) { // the current cell, framed
            RECT cell = CellRect(row, m_column);
            const HBRUSH frame = GetSysColorBrush(GetFocus() == m_list ? COLOR_HIGHLIGHT : COLOR_GRAYTEXT);
            FrameRect(draw.nmcd.hdc, &cell, frame);
            InflateRect(&cell, -1, -1);
            FrameRect(draw.nmcd.hdc, &cell, frame);
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

RECT CSectionTable::CellRect(int row, int column) const
{
    // The first column's bounds are the whole row's; its label is the cell.
    RECT cell{};
    ListView_GetSubItemRect(m_list, row, column, column == 0 ? LVIR_LABEL : LVIR_BOUNDS, &cell);
    return cell;
}

void CSectionTable::InsertRow()
{
    EndEdit(true);
    m_document.InsertRows(std::min(m_row, m_document.RowCount()), 1);
    m_changed();
    MoveTo(m_row, m_column);
}

void CSectionTable::DeleteRows()
{
    EndEdit(true);
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(m_list, -1, LVNI_SELECTED); row >= 0 && row < m_document.RowCount();
         row = ListView_GetNextItem(m_list, row, LVNI_SELECTED))
        rows.push_back(row);
    if (rows.empty())
        return;
    // Each run of rows at once, the lowest first, so the rows above keep their places.
    for (std::size_t end = rows.size(); end > 0;) {
        std::size_t start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1)
            --start;
        m_document.RemoveRows(rows[start], static_cast<int>(end - start));
        end = start;
    }
    m_changed();
    MoveTo(rows.front(), m_column);
    SelectOnly(m_row);
}

void CSectionTable::SelectAll()
{
    ListView_SetItemState(m_list, -1, LVIS_SELECTED, LVIS_SELECTED);
}

std::string CSectionTable::CopyText() const
{
    const int first = ListView_GetNextItem(m_list, -1, LVNI_SELECTED);
    if (first < 0)
        return m_document.CopyAll();
    int last = first;
    for (int row = first; row >= 0; row = ListView_GetNextItem(m_list, row, LVNI_SELECTED))
        last = row;
    if (first == last && first == m_row) // the current cell alone
        return m_document.CopyText(m_row, m_column, m_row, m_column, false);
    // Rows whole, under their headings: pasted, they are rows again.
    return m_document.CopyText(first, 0, last, m_document.ColumnCount() - 1, true);
}

bool CSectionTable::Paste(const std::string& text, std::string& error)
{
    EndEdit(true);
    if (!m_document.Paste(m_row, m_column, text, error))
        return false;
    m_changed();
    return true;
}

std::string CSectionTable::CurrentMessage() const
{
    return m_document.CellMessage(m_row, m_column);
}

} // namespace vendrel::ui
