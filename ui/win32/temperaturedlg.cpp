#include "ui/win32/temperaturedlg.h"

#include "ui/form/aidforms.h"
#include "ui/form/entryaids.h"
#include "ui/win32/utf16.h"

namespace vendrel::ui {

CTemperatureDlg::CTemperatureDlg(std::string initial, std::function<std::string(const std::string&)> apply)
    : ModalDialog(form::TemperatureForm())
    , m_text(std::move(initial))
    , m_apply(std::move(apply))
{ }

INT_PTR CTemperatureDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextW(m_hWnd, form::IDC_TEMPERATURE, Utf16(m_text).c_str());
        SendDlgItemMessageW(m_hWnd, form::IDC_TEMPERATURE, EM_SETSEL, 0, -1);
        return TRUE; // the focus to the first tab stop, the entry
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(m_hWnd, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void CTemperatureDlg::OnOK()
{
    HWND entry = GetDlgItem(m_hWnd, form::IDC_TEMPERATURE);
    const std::string text = WindowText(entry);
    const std::string error = m_apply(text);
    if (error.empty()) {
        m_text = text;
        EndDialog(m_hWnd, IDOK);
        return;
    }
    MessageBoxW(m_hWnd, Utf16(error).c_str(), Utf16(form::kTemperatureCaption).c_str(), MB_OK | MB_ICONWARNING);
    SetFocus(entry);
    SendMessageW(entry, EM_SETSEL, 0, -1);
}

} // namespace vendrel::ui
