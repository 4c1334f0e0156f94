#include "ui/win32/frictiondlg.h"

#include "ui/form/frictionform.h"
#include "ui/win32/resource.h"
#include "ui/win32/utf16.h"

namespace vendrel::ui {
namespace {

static_assert(form::ID_CALCULATE == IDOK && form::ID_EXIT == IDCANCEL, "the buttons are the dialog's OK and cancel");

HICON LoadAppIcon(int sizeMetricX, int sizeMetricY)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
        GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), LR_SHARED));
}

} // namespace

CFrictionDlg::CFrictionDlg(HWND parent)
    : m_parent(parent)
    , m_hIcon(LoadAppIcon(SM_CXICON, SM_CYICON))
    , m_hSmallIcon(LoadAppIcon(SM_CXSMICON, SM_CYSMICON))
    , m_template(form::FrictionForm())
{ }

INT_PTR CFrictionDlg::DoModal()
{
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), m_template.get(), m_parent, &CFrictionDlg::DialogProc,
        reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CFrictionDlg::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<CFrictionDlg*>(lParam)->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<CFrictionDlg*>(GetWindowLongPtrW(window, DWLP_USER));
    return dialog != nullptr ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CFrictionDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        // Enter in any entry presses the default button, Esc and the close
        // box send IDCANCEL: the dialog manager routes all of them here.
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    default:
        return FALSE;
    }
}

BOOL CFrictionDlg::OnInitDialog()
{
    InitFields();
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    return TRUE; // the focus goes to the first tab stop, the flow entry
}

void CFrictionDlg::OnOK()
{
    CalculateFields();
}

void CFrictionDlg::OnCancel()
{
    EndDialog(m_hWnd, IDCANCEL);
}

// A minimised dialog paints its own icon, centred in the client area.
bool CFrictionDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(m_hWnd, &client);
    DrawIcon(dc, (client.right - client.left - iconWidth + 1) / 2, (client.bottom - client.top - iconHeight + 1) / 2,
        m_hIcon);
    EndPaint(m_hWnd, &paint);
    return true;
}

std::string CFrictionDlg::ControlText(form::ControlId id) const
{
    HWND control = GetDlgItem(m_hWnd, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void CFrictionDlg::SetControlText(form::ControlId id, const std::string& text)
{
    // An edit control shows a text set this way from its first character.
    SetDlgItemTextW(m_hWnd, id, Utf16(text).c_str());
}

} // namespace vendrel::ui
