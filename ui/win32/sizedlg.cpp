#include "ui/win32/sizedlg.h"

#include "design/sizing.h"
#include "ui/form/aidforms.h"
#include "ui/win32/listcells.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>

#include <algorithm>

namespace vendrel::ui {
namespace {

// Numbers are read down their columns: right-aligned, like the CLI's.
bool IsNumberColumn(int column)
{
    return column >= 1 && column <= 4;
}

} // namespace

CSizeDlg::CSizeDlg(Source source, std::vector<std::string> seriesNames, int series, form::SizeTable first)
    : ModalDialog(form::StandardSizeForm())
    , m_source(std::move(source))
    , m_seriesNames(std::move(seriesNames))
    , m_firstSeries(series)
    , m_table(std::move(first))
{ }

CSizeDlg::~CSizeDlg()
{
    if (m_rowHeight != nullptr)
        ImageList_Destroy(m_rowHeight);
}

int CSizeDlg::CurrentSeries() const
{
    const auto series = static_cast<int>(SendDlgItemMessageW(m_hWnd, form::IDC_SERIES, CB_GETCURSEL, 0, 0));
    return series >= 0 && series < static_cast<int>(m_seriesNames.size()) ? series : -1;
}

INT_PTR CSizeDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            EndDialog(m_hWnd, IDCANCEL);
            return TRUE;
        case form::IDC_SERIES:
            if (HIWORD(wParam) == CBN_SELCHANGE && CurrentSeries() >= 0)
                ShowTable(m_source.tableFor(CurrentSeries()));
            return TRUE;
        case form::IDC_USE_SERIES_ROUGHNESS:
            if (CurrentSeries() >= 0) {
                ShowTable(m_source.useSeriesRoughness(CurrentSeries()));
                SetFocus(GetDlgItem(m_hWnd, form::IDC_SIZES));
            }
            return TRUE;
        default:
            return FALSE;
        }
    case WM_NOTIFY: {
        const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->idFrom == form::IDC_SIZES && notice->code == NM_DBLCLK
            && reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem >= 0)
            OnOK();
        return FALSE;
    }
    default:
        return FALSE;
    }
}

BOOL CSizeDlg::OnInitDialog()
{
    // Beside the calculator where the screen has room, so its entries stay
    // in view; else centred, as the template says.
    RECT own;
    RECT parent;
    GetWindowRect(m_hWnd, &own);
    GetWindowRect(GetParent(m_hWnd), &parent);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const LONG left = parent.right + 8;
    if (left + (own.right - own.left) <= monitor.rcWork.right && parent.top >= monitor.rcWork.top
        && parent.top + (own.bottom - own.top) <= monitor.rcWork.bottom)
        SetWindowPos(m_hWnd, nullptr, left, parent.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    HWND list = GetDlgItem(m_hWnd, form::IDC_SIZES);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    // Rows as tall as the Chinese text needs, with room above and below it:
    // a list view makes its rows as tall as its small images.
    const HDC dc = GetDC(list);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    // 2 dialog units, and never less than a third of the text: a small
    // dialog font maps 2 units to 2 pixels, which crowds the Chinese.
    RECT padding{0, 0, 0, 2};
    MapDialogRect(m_hWnd, &padding);
    const int room = std::max<int>(padding.bottom, (metrics.tmHeight + 2) / 3);
    m_rowHeight = ImageList_Create(1, metrics.tmHeight + room, ILC_COLOR, 0, 0);
    ListView_SetImageList(list, m_rowHeight, LVSIL_SMALL);
    const auto titles = design::SizeColumnTitles(m_table.water);
    for (int column = 0; column < static_cast<int>(titles.size()); ++column) {
        std::wstring title = Utf16(titles[static_cast<std::size_t>(column)]);
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_FMT;
        header.fmt = IsNumberColumn(column) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        header.pszText = title.data();
        ListView_InsertColumn(list, column, &header);
    }
    for (const std::string& name : m_seriesNames)
        SendDlgItemMessageW(m_hWnd, form::IDC_SERIES, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf16(name).c_str()));
    SendDlgItemMessageW(m_hWnd, form::IDC_SERIES, CB_SETCURSEL, static_cast<WPARAM>(m_firstSeries), 0);
    ShowTable(std::move(m_table));
    SetFocus(list);
    return FALSE; // the focus is set: on the list, for Enter and the arrow keys
}

void CSizeDlg::ShowTable(form::SizeTable table)
{
    m_table = std::move(table);
    SetDlgItemTextW(m_hWnd, form::IDC_SIZE_INPUTS, Utf16(m_table.inputs).c_str());
    SetDlgItemTextW(m_hWnd, form::IDC_SIZE_NOTES, Utf16(m_table.notes).c_str());
    SetDlgItemTextW(m_hWnd, form::IDC_SERIES_MATERIAL, Utf16(m_table.materialNote).c_str());
    SetDlgItemTextW(m_hWnd, form::IDC_USE_SERIES_ROUGHNESS, Utf16(m_table.roughnessButton).c_str());
    ShowWindow(GetDlgItem(m_hWnd, form::IDC_USE_SERIES_ROUGHNESS), m_table.seriesRoughness.empty() ? SW_HIDE : SW_SHOW);
    HWND list = GetDlgItem(m_hWnd, form::IDC_SIZES);
    ListView_DeleteAllItems(list);
    for (int row = 0; row < static_cast<int>(m_table.rows.size()); ++row) {
        const auto& texts = m_table.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(texts.size()); ++column)
            SetListCell(list, row, column, texts[static_cast<std::size_t>(column)]);
    }
    // Wide enough for the widest of the column's texts and its title. The
    // header's margins are counted in dialog units: they grow with the DPI
    // as the window does, where pixels would cut titles short at 200 %.
    RECT margins{0, 0, 11, 0};
    MapDialogRect(m_hWnd, &margins);
    const auto titles = design::SizeColumnTitles(m_table.water);
    for (int column = 0; column < static_cast<int>(titles.size()); ++column) {
        ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
        const std::wstring title = Utf16(titles[static_cast<std::size_t>(column)]);
        const int titleWidth = ListView_GetStringWidth(list, title.c_str()) + margins.right;
        if (ListView_GetColumnWidth(list, column) < titleWidth)
            ListView_SetColumnWidth(list, column, titleWidth);
    }
    if (m_table.recommended >= 0) {
        const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
        ListView_SetItemState(list, m_table.recommended, state, state);
        ListView_EnsureVisible(list, m_table.recommended, FALSE);
    }
}

void CSizeDlg::OnOK()
{
    const int selected = ListView_GetNextItem(GetDlgItem(m_hWnd, form::IDC_SIZES), -1, LVNI_SELECTED);
    if (selected < 0 || selected >= static_cast<int>(m_table.diameters.size()))
        return;
    m_diameter = m_table.diameters[static_cast<std::size_t>(selected)];
    EndDialog(m_hWnd, IDOK);
}

} // namespace vendrel::ui
