#include "ui/win32/bookpreview.h"

#include "ui/form/circuitform.h"
#include "ui/win32/bookprinter.h"
#include "ui/win32/utf16.h"
#include "ui/win32/windowfont.h"

#include <algorithm>
#include <array>

namespace vendrel::ui {
namespace {

constexpr wchar_t kPreviewClass[] = L"VendrelBookPreview";
enum Button { kPrevious = 100, kNext, kPrint, kClose };
constexpr int kBar = 40; // the buttons' row, in 96-DPI pixels
constexpr int kGap = 12;

struct Preview {
    const std::vector<book::BookPage>* pages = nullptr;
    std::string title;
    std::size_t page = 0;
    WindowFonts fonts;
    BookFonts pageFonts; // for the page's scale
    double pageFontsScale = 0;
    std::array<HWND, 4> buttons{};
    HWND label = nullptr;
};

void ShowPage(HWND window, Preview& preview)
{
    const std::size_t count = preview.pages->size();
    preview.page = std::min(preview.page, count - 1);
    const std::string where = "第 " + std::to_string(preview.page + 1) + " 页 共 " + std::to_string(count) + " 页";
    SetWindowTextW(preview.label, Utf16(where).c_str());
    EnableWindow(preview.buttons[0], preview.page > 0);
    EnableWindow(preview.buttons[1], preview.page + 1 < count);
    InvalidateRect(window, nullptr, TRUE);
}

void Layout(HWND window, Preview& preview)
{
    const int dpi = preview.fonts.dpi;
    int x = Scaled(kGap, dpi);
    const int y = Scaled(8, dpi);
    const int height = Scaled(kBar - 16, dpi);
    for (HWND button : preview.buttons) {
        const int width = Scaled(button == preview.buttons[2] ? 88 : 76, dpi);
        MoveWindow(button, x, y, width, height, TRUE);
        x += width + Scaled(8, dpi);
    }
    MoveWindow(preview.label, x + Scaled(8, dpi), y + Scaled(4, dpi), Scaled(160, dpi), height, TRUE);
    (void)window;
}

void Paint(HWND window, Preview& preview)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const int top = Scaled(kBar, preview.fonts.dpi);
    const int gap = Scaled(kGap, preview.fonts.dpi);
    RECT area{client.left, top, client.right, client.bottom};
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    const book::BookPage& page = (*preview.pages)[preview.page];
    const double roomX = std::max(1, static_cast<int>(client.right) - 2 * gap);
    const double roomY = std::max(1, static_cast<int>(client.bottom) - top - 2 * gap);
    const double scale = std::min(roomX / page.width, roomY / page.height);
    if (scale != preview.pageFontsScale) {
        preview.pageFonts.clear();
        preview.pageFontsScale = scale;
    }
    const int width = static_cast<int>(page.width * scale);
    const int height = static_cast<int>(page.height * scale);
    const int left = (client.right - width) / 2;
    const int sheetTop = top + gap;
    const RECT shadow{left + 4, sheetTop + 4, left + width + 4, sheetTop + height + 4};
    FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const RECT sheet{left, sheetTop, left + width, sheetTop + height};
    FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawBookPage(dc, page, scale, scale, -left, -sheetTop, false, preview.pageFonts);
    EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* preview = reinterpret_cast<Preview*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_CREATE: {
        preview = static_cast<Preview*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(preview));
        preview->fonts = MakeWindowFonts(WindowDpi(window));
        const std::array<const char*, 4> texts
            = {form::kPreviewPrevious, form::kPreviewNext, form::kPreviewPrint, form::kPreviewClose};
        for (std::size_t b = 0; b < texts.size(); ++b) {
            preview->buttons[b] = CreateWindowExW(0, L"BUTTON", Utf16(texts[b]).c_str(),
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | (b == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, 0, 0, 0, window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPrevious + static_cast<int>(b))), nullptr, nullptr);
            SendMessageW(preview->buttons[b], WM_SETFONT, reinterpret_cast<WPARAM>(preview->fonts.normal.get()), TRUE);
        }
        preview->label
            = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, nullptr, nullptr);
        SendMessageW(preview->label, WM_SETFONT, reinterpret_cast<WPARAM>(preview->fonts.normal.get()), TRUE);
        Layout(window, *preview);
        ShowPage(window, *preview);
        return 0;
    }
    case WM_SIZE:
        if (preview != nullptr) {
            Layout(window, *preview);
            InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
    case WM_PAINT:
        if (preview != nullptr) {
            Paint(window, *preview);
            return 0;
        }
        break;
    case WM_COMMAND:
        if (preview == nullptr)
            break;
        switch (LOWORD(wParam)) {
        case kPrevious:
            if (preview->page > 0)
                --preview->page;
            ShowPage(window, *preview);
            return 0;
        case kNext:
            ++preview->page;
            ShowPage(window, *preview);
            return 0;
        case kPrint: {
            std::string error;
            if (!PrintBookPages(window, *preview->pages, preview->title, error))
                MessageBoxW(window, Utf16(error).c_str(), Utf16(form::kPrintCaption).c_str(), MB_OK | MB_ICONWARNING);
            return 0;
        }
        case kClose:
        case IDCANCEL:
            DestroyWindow(window);
            return 0;
        default:
            break;
        }
        break;
    case WM_KEYDOWN:
        if (preview != nullptr && (wParam == VK_PRIOR || wParam == VK_NEXT)) {
            SendMessageW(window, WM_COMMAND, wParam == VK_PRIOR ? kPrevious : kNext, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void ShowBookPreview(HWND owner, const std::vector<book::BookPage>& pages, const std::string& title)
{
    if (pages.empty())
        return;
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = PreviewProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kPreviewClass;
        return RegisterClassExW(&windowClass);
    }();
    (void)registered;
    Preview preview;
    preview.pages = &pages;
    preview.title = title;
    const int dpi = WindowDpi(owner);
    const HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kPreviewClass, Utf16(title).c_str(),
        WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, Scaled(720, dpi), Scaled(860, dpi), owner,
        nullptr, GetModuleHandleW(nullptr), &preview);
    if (window == nullptr)
        return;
    // Modal over its owner, as a dialog is.
    EnableWindow(owner, FALSE);
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_KEYDOWN && message.hwnd != window && IsChild(window, message.hwnd)
            && (message.wParam == VK_PRIOR || message.wParam == VK_NEXT)) {
            SendMessageW(window, WM_KEYDOWN, message.wParam, message.lParam);
            continue;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
}

} // namespace vendrel::ui
