#include "ui/win32/fluiddlg.h"

#include "ui/form/aidforms.h"
#include "ui/win32/utf16.h"

namespace vendrel::ui {

CFluidDlg::CFluidDlg(Texts initial, std::function<form::FluidAid(const Texts&)> apply)
    : ModalDialog(form::FluidForm())
    , m_texts(std::move(initial))
    , m_apply(std::move(apply))
{ }

INT_PTR CFluidDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG: {
        for (const char* choice : form::kFluidChoices)
            SendDlgItemMessageW(
                m_hWnd, form::IDC_FLUID, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf16(choice).c_str()));
        SendDlgItemMessageW(m_hWnd, form::IDC_FLUID, CB_SETCURSEL, static_cast<WPARAM>(m_texts.fluid), 0);
        SetDlgItemTextW(m_hWnd, form::IDC_CONCENTRATION, Utf16(m_texts.concentration).c_str());
        SetDlgItemTextW(m_hWnd, form::IDC_TEMPERATURE, Utf16(m_texts.temperature).c_str());
        ShowFluid();
        HWND temperature = GetDlgItem(m_hWnd, form::IDC_TEMPERATURE);
        SetFocus(temperature);
        SendMessageW(temperature, EM_SETSEL, 0, -1);
        return FALSE; // the focus set
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            EndDialog(m_hWnd, IDCANCEL);
            return TRUE;
        case form::IDC_FLUID:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                ShowFluid();
            return TRUE;
        case form::IDC_CONCENTRATION:
        case form::IDC_TEMPERATURE:
            if (HIWORD(wParam) == EN_CHANGE)
                ShowFluid();
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

CFluidDlg::Texts CFluidDlg::Typed() const
{
    Texts typed;
    typed.fluid = static_cast<int>(SendDlgItemMessageW(m_hWnd, form::IDC_FLUID, CB_GETCURSEL, 0, 0));
    typed.concentration = WindowText(GetDlgItem(m_hWnd, form::IDC_CONCENTRATION));
    typed.temperature = WindowText(GetDlgItem(m_hWnd, form::IDC_TEMPERATURE));
    return typed;
}

// What the texts give, as they are typed; water takes no concentration.
void CFluidDlg::ShowFluid()
{
    const Texts typed = Typed();
    EnableWindow(GetDlgItem(m_hWnd, form::IDC_CONCENTRATION), typed.fluid != 0);
    const form::FluidAid aid = form::FluidAidFor(typed.fluid, typed.concentration, typed.temperature);
    SetDlgItemTextW(m_hWnd, form::IDC_FLUID_PROPERTIES, Utf16(aid.error.empty() ? aid.properties : aid.error).c_str());
}

void CFluidDlg::OnOK()
{
    const Texts typed = Typed();
    const form::FluidAid aid = m_apply(typed);
    if (aid.error.empty()) {
        m_texts = typed;
        EndDialog(m_hWnd, IDOK);
        return;
    }
    MessageBoxW(m_hWnd, Utf16(aid.error).c_str(), Utf16(form::kFluidCaption).c_str(), MB_OK | MB_ICONWARNING);
    HWND entry = GetDlgItem(m_hWnd, aid.wrong);
    SetFocus(entry);
    SendMessageW(entry, EM_SETSEL, 0, -1);
}

} // namespace vendrel::ui
