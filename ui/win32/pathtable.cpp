#include "ui/win32/pathtable.h"

#include "ui/win32/listcells.h"
#include "ui/win32/tablecolours.h"
#include "ui/win32/utf16.h"

#include <algorithm>

namespace vendrel::ui {

void CPathTable::Create(HWND parent, int id)
{
    m_list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(m_list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (std::size_t column = 0; column < form::kPathColumns.size(); ++column) {
        std::wstring title = Utf16(form::kPathColumns[column]);
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_FMT;
        // The sections and the note are read as words, the figures down their columns.
        header.fmt = static_cast<int>(column) == form::kPathTotalColumn
                || static_cast<int>(column) == form::kPathImbalanceColumn
            ? LVCFMT_RIGHT
            : LVCFMT_LEFT;
        header.pszText = title.data();
        ListView_InsertColumn(m_list, static_cast<int>(column), &header);
    }
}

void CPathTable::SetFonts(const WindowFonts& fonts)
{
    m_font = fonts.normal.get();
    m_bold = fonts.bold.get();
    m_charWidth = fonts.charWidth;
    m_rowHeight = SetRowHeight(m_list, fonts);
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    FitColumns();
}

void CPathTable::Show(const std::vector<form::PathRow>& paths)
{
    m_paths = paths;
    Fill();
}

void CPathTable::Fill()
{
    m_order = form::PathOrder(m_paths, form::PathSortOfColumn(m_sortColumn), m_descending);
    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(m_list);
    for (int row = 0; row < static_cast<int>(m_order.size()); ++row) {
        const form::PathRow& path = m_paths[static_cast<std::size_t>(m_order[static_cast<std::size_t>(row)])];
        for (std::size_t column = 0; column < form::kPathColumns.size(); ++column)
            SetListCell(m_list, row, static_cast<int>(column), form::PathCell(path, column));
    }
    FitColumns();
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

void CPathTable::SortBy(int column)
{
    m_descending = column == m_sortColumn && !m_descending;
    m_sortColumn = column;
    // The heading's arrow, as Explorer shows it.
    const HWND header = ListView_GetHeader(m_list);
    for (int c = 0; c < static_cast<int>(form::kPathColumns.size()); ++c) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, c, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (c == column)
            item.fmt |= m_descending ? HDF_SORTDOWN : HDF_SORTUP;
        Header_SetItem(header, c, &item);
    }
    Fill();
}

std::string CPathTable::CopyText() const
{
    const int selected = ListView_GetNextItem(m_list, -1, LVNI_SELECTED);
    if (selected >= 0 && selected < static_cast<int>(m_order.size()))
        return form::PathsText(m_paths, {m_order[static_cast<std::size_t>(selected)]});
    return form::PathsText(m_paths, m_order);
}

int CPathTable::TextWidth(HDC dc, HFONT font, const std::string& text) const
{
    const std::wstring wide = Utf16(text);
    SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
}

void CPathTable::FitColumns()
{
    // Each as wide as its widest text or title, the index circuit's in bold,
    // with the list's margins of about a character either side; the note
    // takes the room that is left.
    const HDC dc = GetDC(m_list);
    const HGDIOBJ previous = SelectObject(dc, m_font);
    const int columns = static_cast<int>(form::kPathColumns.size());
    int used = 0;
    for (int column = 0; column < columns; ++column) {
        int width = TextWidth(dc, m_font, form::kPathColumns[static_cast<std::size_t>(column)]);
        for (const form::PathRow& path : m_paths) {
            width = std::max(width,
                TextWidth(dc, path.index ? m_bold : m_font, form::PathCell(path, static_cast<std::size_t>(column))));
        }
        width += 3 * m_charWidth;
        if (column == columns - 1) {
            RECT client;
            GetClientRect(m_list, &client);
            width = std::max<int>(width, client.right - used);
        }
        ListView_SetColumnWidth(m_list, column, width);
        used += width;
    }
    SelectObject(dc, previous);
    ReleaseDC(m_list, dc);
}

bool CPathTable::OnNotify(const NMHDR& notice, LRESULT& result)
{
    if (notice.hwndFrom == m_list && notice.code == LVN_COLUMNCLICK) {
        SortBy(reinterpret_cast<const NMLISTVIEW&>(notice).iSubItem);
        result = 0;
        return true;
    }
    if (notice.hwndFrom != m_list || notice.code != NM_CUSTOMDRAW)
        return false;
    auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(notice));
    const auto shown = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
    const auto row = shown < m_order.size() ? static_cast<std::size_t>(m_order[shown]) : m_paths.size();
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        result = CDRF_NOTIFYITEMDRAW;
        return true;
    case CDDS_ITEMPREPAINT:
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        if (row >= m_paths.size())
            break;
        // Selection drawn as the sections' is, so the red stays red.
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
        draw.clrText = m_paths[row].unbalanced ? kUnbalancedText : GetSysColor(COLOR_WINDOWTEXT);
        draw.clrTextBk = ListView_GetItemState(m_list, static_cast<int>(shown), LVIS_SELECTED) != 0
            ? kSelectedBackground
            : m_paths[row].index ? kIndexBackground
                                 : GetSysColor(COLOR_WINDOW);
        SelectObject(draw.nmcd.hdc, m_paths[row].index ? m_bold : m_font);
        result = CDRF_NEWFONT;
        return true;
    default:
        break;
    }
    result = CDRF_DODEFAULT;
    return true;
}

} // namespace vendrel::ui
