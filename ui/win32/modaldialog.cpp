#include "ui/win32/modaldialog.h"

namespace vendrel::ui {

INT_PTR ModalDialog::DoModal(HWND parent)
{
    return DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), m_template.get(), parent, &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<ModalDialog*>(lParam)->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dialog != nullptr ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

} // namespace vendrel::ui
