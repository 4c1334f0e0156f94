#pragma once

#include "ui/win32/dialogtemplate.h"

#include <windows.h>

namespace vendrel::ui {

// A modal dialog built from one of the form's descriptions: the calculator
// itself, or a small window over it. Its messages go to OnMessage of the
// object that opened it.
class ModalDialog {
public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Opens the window and waits until it is closed; IDOK or IDCANCEL.
    INT_PTR DoModal(HWND parent);

protected:
    // appWindow: the program's main window, with a button on the taskbar.
    explicit ModalDialog(const form::Form& form, bool appWindow = false)
        : m_template(form, appWindow)
    { }
    virtual ~ModalDialog() = default;

    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DialogTemplate m_template;
};

} // namespace vendrel::ui
