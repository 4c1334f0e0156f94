#include "ui/win32/circuitwnd.h"

#include "files/platform.h"
#include "files/userlibrary.h"
#include "ui/win32/circuitids.h"
#include "ui/win32/registry.h"
#include "ui/win32/resource.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>

namespace vendrel::ui {
namespace {

using form::CircuitCommand;

HICON AppIcon(int sizeMetricX, int sizeMetricY)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
        GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), LR_SHARED));
}

HWND CreateLabel(HWND parent, int id, const char* text = nullptr)
{
    return CreateWindowExW(0, WC_STATICW, text != nullptr ? Utf16(text).c_str() : nullptr,
        WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

} // namespace

CCircuitWnd::CCircuitWnd()
    : m_document(files::LoadUserLibrary(files::UserDataFolder()))
    , m_settings(m_document)
    , m_table(
          m_document, [this] { Changed(); }, [this] { UpdateStatus(); })
{ }

CCircuitWnd::~CCircuitWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
}

void CCircuitWnd::Show()
{
    if (m_hWnd != nullptr) {
        if (IsIconic(m_hWnd))
            ShowWindow(m_hWnd, SW_RESTORE);
        SetForegroundWindow(m_hWnd);
        return;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, kCircuitWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = &CCircuitWnd::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = AppIcon(SM_CXICON, SM_CYICON);
        windowClass.hIconSm = AppIcon(SM_CXSMICON, SM_CYSMICON);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kCircuitWindowClass;
        RegisterClassExW(&windowClass);
    }
    m_document.New();
    CreateWindowExW(WS_EX_APPWINDOW, kCircuitWindowClass, Utf16(m_document.Caption()).c_str(),
        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
        nullptr, instance, this);
    if (m_hWnd == nullptr)
        return;
    ShowWindow(m_hWnd, SW_SHOWDEFAULT);
    UpdateWindow(m_hWnd);
}

void CCircuitWnd::RunUntilClosed()
{
    // The message hook translates the window's keys here as in the calculator's loop.
    MSG message;
    while (m_hWnd != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK CCircuitWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<CCircuitWnd*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->m_hWnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<CCircuitWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        // Wakes a loop waiting for the window to close, whatever message closed it.
        PostMessageW(nullptr, WM_NULL, 0, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CALLBACK CCircuitWnd::MessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    // Every key the thread takes from its queue, in any loop: those for this window are its own to translate.
    auto& message = *reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST
        && message.hwnd != nullptr) {
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        wchar_t name[32] = {};
        GetClassNameW(root, name, 32);
        auto* self = lstrcmpW(name, kCircuitWindowClass) == 0
            ? reinterpret_cast<CCircuitWnd*>(GetWindowLongPtrW(root, GWLP_USERDATA))
            : nullptr;
        if (self != nullptr && self->PreTranslate(message)) {
            message.message = WM_NULL;
            message.wParam = 0;
            message.lParam = 0;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CCircuitWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_GETMINMAXINFO: {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = {60 * m_fonts.charWidth, 30 * m_fonts.height};
        return 0;
    }
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
        LRESULT result = 0;
        if (notice.code == NM_SETFOCUS)
            UpdateStatus();
        if (m_table.OnNotify(notice, result) || m_paths.OnNotify(notice, result))
            return result;
        break;
    }
    case WM_CTLCOLOREDIT:
        if (const HBRUSH brush = m_settings.OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_INITMENUPOPUP:
        EnableMenuItem(m_menu.bar, CommandId(CircuitCommand::Undo), m_document.CanUndo() ? MF_ENABLED : MF_GRAYED);
        EnableMenuItem(m_menu.bar, CommandId(CircuitCommand::Redo), m_document.CanRedo() ? MF_ENABLED : MF_GRAYED);
        return 0;
    case WM_ACTIVATE:
        // A window that is not a dialog keeps no focus of its own: kept here for its return.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(m_hWnd, focus))
                m_lastFocus = focus;
        }
        break;
    case WM_SETFOCUS:
        SetFocus(m_lastFocus != nullptr && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus) ? m_lastFocus
                                                                                                 : m_table.hwnd());
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION: // Windows signing out: unsaved changes are asked about as on closing
        return ConfirmDiscard() ? TRUE : FALSE;
    case WM_DESTROY:
        m_hook.reset();
        return 0;
    case kCellColoursMessage: {
        NMLVCUSTOMDRAW draw{};
        const bool sections = wParam == kSectionsId;
        draw.nmcd.hdr = {sections ? m_table.hwnd() : m_paths.hwnd(), wParam, static_cast<UINT>(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | (sections ? CDDS_SUBITEM : 0);
        draw.nmcd.dwItemSpec = LOWORD(lParam);
        draw.iSubItem = HIWORD(lParam);
        LRESULT result = 0;
        if (!m_table.OnNotify(draw.nmcd.hdr, result))
            m_paths.OnNotify(draw.nmcd.hdr, result);
        return static_cast<LRESULT>(draw.clrText) | static_cast<LRESULT>(draw.clrTextBk) << 32;
    }
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

void CCircuitWnd::OnCreate()
{
    m_lastFocus = nullptr;
    m_menu = CreateCircuitMenu();
    SetMenu(m_hWnd, m_menu.bar);
    ShowRecentFiles(m_menu, form::CircuitDocument::RecentFiles(ReadSetting(form::kRecentFilesSetting)));
    m_shortcuts = CircuitShortcuts();
    m_settings.Create(m_hWnd, kFirstSettingId);
    m_table.Create(m_hWnd, kSectionsId);
    m_pathsTitle = CreateLabel(m_hWnd, kPathsTitleId, form::kPathsTitle);
    m_paths.Create(m_hWnd, kPathsId);
    m_summary = CreateLabel(m_hWnd, kSummaryId);
    m_notes = CreateLabel(m_hWnd, kNotesId);
    m_status = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), GetModuleHandleW(nullptr), nullptr);
    SetFonts(WindowDpi(m_hWnd));
    // The widths the user left the columns at, where they are for these columns.
    std::vector<int> widths = form::NumbersFrom(ReadSetting(form::kColumnWidthsSetting));
    if (static_cast<int>(widths.size()) == m_document.ColumnCount()) {
        for (int& width : widths)
            width = Scaled(width, m_fonts.dpi);
    } else {
        widths = FormColumnWidths();
    }
    m_table.ShowColumns(widths);
    RestoreSize();
    m_hook.reset(SetWindowsHookExW(WH_GETMESSAGE, &CCircuitWnd::MessageHook, nullptr, GetCurrentThreadId()));
    Changed();
    SetFocus(m_table.hwnd());
}

void CCircuitWnd::Changed()
{
    m_table.Refresh();
    m_paths.Show(m_document.Paths());
    SetWindowTextW(m_summary, Utf16(m_document.SummaryText()).c_str());
    SetWindowTextW(m_notes, Utf16(m_document.Notes()).c_str());
    m_settings.Refresh();
    SetWindowTextW(m_hWnd, Utf16(m_document.Caption()).c_str());
    UpdateStatus();
    Layout(); // the summary and the notes may take more lines, or fewer
}

void CCircuitWnd::UpdateStatus()
{
    if (m_status == nullptr)
        return;
    std::string text = m_settings.FocusedMessage();
    const HWND focus = GetFocus();
    if (text.empty() && (focus == m_table.hwnd() || focus == m_table.EditorWindow()))
        text = m_table.CurrentMessage();
    SendMessageW(m_status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Utf16(m_document.StatusText(text)).c_str()));
}

void CCircuitWnd::OnClose()
{
    if (!ConfirmDiscard())
        return;
    RememberSize();
    DestroyWindow(m_hWnd);
}

void CCircuitWnd::ShowError(const std::string& message) const
{
    MessageBoxW(m_hWnd, Utf16(message).c_str(), Utf16(form::kCircuitCaption).c_str(), MB_OK | MB_ICONWARNING);
}

} // namespace vendrel::ui
