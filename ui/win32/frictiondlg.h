#pragma once

#include "ui/form/frictiondlgbase.h"
#include "ui/win32/fluiddlg.h"
#include "ui/win32/modaldialog.h"

#include <windows.h>

#include <functional>
#include <string>

namespace vendrel::ui {

// The calculator as a Win32 modal dialog, built from the form description:
// four entries, five results, a status line and two buttons. "计算" (or
// Enter) calculates and leaves the dialog open; "退出", Esc or the close box
// end it. Windows itself lays it out in dialog units of the 宋体 9 pt font.
class CFrictionDlg : public form::FrictionDlgBase, private ModalDialog {
public:
    explicit CFrictionDlg(HWND parent = nullptr);

    // Opens the dialog and waits until it is closed; returns IDCANCEL.
    INT_PTR DoModal();
    // What the entries' menus and the system menu do to open the circuit window.
    void SetCircuitOpener(std::function<void()> open) { m_openCircuit = std::move(open); }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL OnInitDialog();
    void OnOK();
    void OnCancel();
    bool OnPaint();
    HCURSOR OnQueryDragIcon() const { return m_hIcon; }

    static LRESULT CALLBACK EntryProc(
        HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void OnEntryMenu(HWND edit, form::ControlId id, LPARAM where);
    void OnFluid();
    void OnStandardSize();

    std::string ControlText(form::ControlId id) const override;
    void SetControlText(form::ControlId id, const std::string& text) override;
    void ReplaceEntryText(form::ControlId id, const std::string& text) override;
    std::string Setting(const std::string& key) const override;
    void SaveSetting(const std::string& key, const std::string& value) override;

    HWND m_parent;
    // Shared resource handles (LR_SHARED): Windows owns them, nothing frees them.
    HICON m_hIcon;
    HICON m_hSmallIcon;
    CFluidDlg::Texts m_lastFluid{0, "30", "10"}; // what the fluid aid was last given
    std::function<void()> m_openCircuit;
};

} // namespace vendrel::ui
