#include "ui/win32/frictiondlg.h"

#include "ui/form/circuitform.h"
#include "ui/form/entryaids.h"
#include "ui/form/frictionform.h"
#include "ui/win32/entrymenu.h"
#include "ui/win32/fluiddlg.h"
#include "ui/win32/registry.h"
#include "ui/win32/resource.h"
#include "ui/win32/sizedlg.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>
#include <windowsx.h>

namespace vendrel::ui {
namespace {

static_assert(form::ID_CALCULATE == IDOK && form::ID_EXIT == IDCANCEL, "the buttons are the dialog's OK and cancel");

// Posted by WM_INITDIALOG: the warning about the user's files, once the
// calculator is on the screen beneath it.
constexpr UINT kShowLibraryWarnings = WM_APP + 1;

HICON LoadAppIcon(int sizeMetricX, int sizeMetricY)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
        GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), LR_SHARED));
}

} // namespace

CFrictionDlg::CFrictionDlg(HWND parent)
    : ModalDialog(form::FrictionForm(), true)
    , m_parent(parent)
    , m_hIcon(LoadAppIcon(SM_CXICON, SM_CYICON))
    , m_hSmallIcon(LoadAppIcon(SM_CXSMICON, SM_CYSMICON))
{ }

INT_PTR CFrictionDlg::DoModal()
{
    return ModalDialog::DoModal(m_parent);
}

INT_PTR CFrictionDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kOpenCircuitSysCommand && m_openCircuit) {
            m_openCircuit();
            return TRUE;
        }
        return FALSE;
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
    case kShowLibraryWarnings:
        MessageBoxW(
            m_hWnd, Utf16(LibraryWarnings()).c_str(), Utf16(form::kLibraryCaption).c_str(), MB_OK | MB_ICONWARNING);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CFrictionDlg::OnInitDialog()
{
    InitFields();
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    // The entries' context menus are ours: the edit control's own one has
    // no room for the aids and speaks the language of Windows.
    for (const form::ControlId id : {form::IDC_FLOW, form::IDC_DIAMETER, form::IDC_ROUGHNESS, form::IDC_VISCOSITY})
        SetWindowSubclass(GetDlgItem(m_hWnd, id), &CFrictionDlg::EntryProc, id, reinterpret_cast<DWORD_PTR>(this));
    // The circuit window from the system menu too, where the keyboard finds it (Alt+Space).
    const HMENU system = GetSystemMenu(m_hWnd, FALSE);
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(system, MF_STRING, kOpenCircuitSysCommand, Utf16(form::kOpenCircuitItem).c_str());
    if (!LibraryWarnings().empty())
        PostMessageW(m_hWnd, kShowLibraryWarnings, 0, 0);
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

LRESULT CALLBACK CFrictionDlg::EntryProc(
    HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self)
{
    switch (message) {
    case WM_CONTEXTMENU: // the right button, the Menu key or Shift+F10
        reinterpret_cast<CFrictionDlg*>(self)->OnEntryMenu(edit, static_cast<form::ControlId>(id), lParam);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &CFrictionDlg::EntryProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void CFrictionDlg::OnEntryMenu(HWND edit, form::ControlId id, LPARAM where)
{
    SetFocus(edit);
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (where == -1) {
        // From the keyboard: under the text cursor.
        RECT client;
        GetClientRect(edit, &client);
        GetCaretPos(&at);
        at.y = client.bottom;
        ClientToScreen(edit, &at);
    }
    std::vector<std::string> materials;
    for (int material = 0; material < MaterialCount(); ++material)
        materials.push_back(MaterialItem(material));
    const UniqueMenu menu = CreateEntryMenu(edit, id, materials);
    const auto command = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, m_hWnd, nullptr));
    if (command == 0 || RunEditCommand(edit, command))
        return;
    if (command == kOpenCircuit && m_openCircuit)
        m_openCircuit();
    else if (command == kFluid)
        OnFluid();
    else if (command == kStandardSize)
        OnStandardSize();
    else if (command >= kFirstMaterial && command - kFirstMaterial < static_cast<UINT>(MaterialCount()))
        ApplyMaterial(static_cast<int>(command - kFirstMaterial));
}

void CFrictionDlg::OnFluid()
{
    CFluidDlg prompt(m_lastFluid, [this](const CFluidDlg::Texts& typed) {
        return ApplyFluid(typed.fluid, typed.concentration, typed.temperature);
    });
    if (prompt.DoModal(m_hWnd) == IDOK)
        m_lastFluid = prompt.texts();
}

void CFrictionDlg::OnStandardSize()
{
    const int series = LastSeries();
    form::SizeTable first = StandardSizes(series);
    if (!first.error.empty()) {
        MessageBoxW(m_hWnd, Utf16(first.error).c_str(), Utf16(form::kSizeCaption).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    std::vector<std::string> names;
    for (int i = 0; i < SeriesCount(); ++i)
        names.push_back(SeriesName(i));
    CSizeDlg::Source source;
    source.tableFor = [this](int chosen) { return StandardSizes(chosen); };
    source.useSeriesRoughness = [this](int chosen) { return UseSeriesRoughness(chosen); };
    CSizeDlg sizes(std::move(source), std::move(names), series, std::move(first));
    if (sizes.DoModal(m_hWnd) == IDOK)
        ApplyStandardSize(sizes.diameter());
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

std::string CFrictionDlg::Setting(const std::string& key) const
{
    return ReadSetting(key);
}

void CFrictionDlg::SaveSetting(const std::string& key, const std::string& value)
{
    WriteSetting(key, value);
}

std::string CFrictionDlg::ControlText(form::ControlId id) const
{
    return WindowText(GetDlgItem(m_hWnd, id));
}

void CFrictionDlg::SetControlText(form::ControlId id, const std::string& text)
{
    // An edit control shows a text set this way from its first character.
    SetDlgItemTextW(m_hWnd, id, Utf16(text).c_str());
}

void CFrictionDlg::ReplaceEntryText(form::ControlId id, const std::string& text)
{
    // WM_SETTEXT would empty the edit's undo; a replaced selection can be undone.
    const HWND edit = GetDlgItem(m_hWnd, id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Utf16(text).c_str()));
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

} // namespace vendrel::ui
