// The circuit window's fonts, layout and size, at the DPI of its monitor, and
// the size and column widths it remembers for the user.
#include "ui/win32/circuitwnd.h"

#include "ui/win32/registry.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <utility>

namespace vendrel::ui {
namespace {

// The height a label's text takes wrapped to a width; a line where it has none.
int TextHeight(HWND label, HFONT font, int width, int line)
{
    const std::wstring text = Utf16(WindowText(label));
    if (text.empty())
        return line;
    const HDC dc = GetDC(label);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT box{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return std::max<int>(line, box.bottom);
}

} // namespace

void CCircuitWnd::SetFonts(int dpi)
{
    // The fonts the controls had are freed once they have the new ones.
    const WindowFonts previous = std::exchange(m_fonts, MakeWindowFonts(dpi));
    m_settings.SetFonts(m_fonts);
    m_table.SetFonts(m_fonts);
    m_paths.SetFonts(m_fonts);
    for (const HWND label : {m_pathsTitle, m_summary, m_notes, m_status})
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.normal.get()), TRUE);
}

std::vector<int> CCircuitWnd::FormColumnWidths() const
{
    // The form's width in average characters, and never narrower than the
    // column's title with the header's margins: Chinese runs wider than average.
    std::vector<int> widths;
    for (int column = 0; column < m_document.ColumnCount(); ++column) {
        const int title = ListView_GetStringWidth(m_table.hwnd(), Utf16(m_document.ColumnTitle(column)).c_str());
        widths.push_back(std::max(m_document.ColumnWidth(column) * m_fonts.charWidth, title + 2 * m_fonts.charWidth));
    }
    return widths;
}

std::vector<std::pair<std::string, int>> CCircuitWnd::ShownColumns() const
{
    std::vector<std::pair<std::string, int>> shown;
    const std::vector<int> widths = m_table.ColumnWidths();
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        shown.emplace_back(m_document.ColumnTitle(column), widths[static_cast<std::size_t>(column)]);
    return shown;
}

std::vector<int> CCircuitWnd::WidthsKeeping(const std::vector<std::pair<std::string, int>>& shown) const
{
    std::vector<int> widths = FormColumnWidths();
    for (int column = 0; column < m_document.ColumnCount(); ++column) {
        const std::string title = m_document.ColumnTitle(column);
        const auto same = std::find_if(shown.begin(), shown.end(), [&](const auto& c) { return c.first == title; });
        if (same != shown.end())
            widths[static_cast<std::size_t>(column)] = same->second;
    }
    return widths;
}

void CCircuitWnd::Layout()
{
    if (m_status == nullptr)
        return;
    RECT client;
    GetClientRect(m_hWnd, &client);
    SendMessageW(m_status, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(m_status, &status);
    const int margin = m_fonts.charWidth;
    const int line = m_fonts.height;
    const int width = client.right - 2 * margin;
    const int top = margin + m_settings.Layout(margin, margin, width) + margin;
    int bottom = client.bottom - (status.bottom - status.top) - margin / 2;
    const auto place = [&](HWND control, int height) {
        bottom -= height;
        SetWindowPos(control, nullptr, margin, bottom, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        bottom -= margin / 2;
    };
    place(m_notes, TextHeight(m_notes, m_fonts.normal.get(), width, line));
    place(m_summary, TextHeight(m_summary, m_fonts.normal.get(), width, line));
    // Room for six paths under the heading; more scroll.
    const DWORD paths = ListView_ApproximateViewRect(m_paths.hwnd(), -1, -1, 6);
    place(m_paths.hwnd(), HIWORD(paths) + 2 * GetSystemMetrics(SM_CYEDGE));
    m_paths.FitColumns();
    place(m_pathsTitle, line);
    SetWindowPos(
        m_table.hwnd(), nullptr, margin, top, width, std::max(bottom - top, 4 * line), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CCircuitWnd::OnDpiChanged(int dpi, const RECT& suggested)
{
    std::vector<int> widths = m_table.ColumnWidths();
    for (int& width : widths)
        width = MulDiv(width, dpi, m_fonts.dpi);
    SetFonts(dpi);
    m_table.ShowColumns(widths);
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
        suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void CCircuitWnd::RememberSize() const
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(m_hWnd, &placement);
    const RECT& normal = placement.rcNormalPosition; // as it is when not maximised
    WriteSetting(form::kWindowSizeSetting,
        form::NumbersText(
            {Unscaled(normal.right - normal.left, m_fonts.dpi), Unscaled(normal.bottom - normal.top, m_fonts.dpi)}));
    std::vector<int> widths = m_table.ColumnWidths();
    for (int& width : widths)
        width = Unscaled(width, m_fonts.dpi);
    WriteSetting(form::kColumnWidthsSetting, form::NumbersText(widths));
}

void CCircuitWnd::RestoreSize()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const std::vector<int> size = form::NumbersFrom(ReadSetting(form::kWindowSizeSetting));
    int width = 0;
    int height = 0;
    if (size.size() == 2 && size[0] > 0 && size[1] > 0) {
        width = Scaled(size[0], m_fonts.dpi);
        height = Scaled(size[1], m_fonts.dpi);
    } else { // wide enough for every column, where the screen is
        const std::vector<int> widths = m_table.ColumnWidths();
        RECT frame{0, 0,
            std::accumulate(widths.begin(), widths.end(), 0) + 2 * m_fonts.charWidth + GetSystemMetrics(SM_CXVSCROLL)
                + 2 * GetSystemMetrics(SM_CXEDGE),
            0};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_APPWINDOW);
        width = frame.right - frame.left;
        height = (work.bottom - work.top) * 7 / 8;
    }
    width = std::min<int>(width, work.right - work.left);
    height = std::min<int>(height, work.bottom - work.top);
    SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - width) / 2,
        work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace vendrel::ui
