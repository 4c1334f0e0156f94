#include "ui/win32/windowfont.h"

#include "ui/form/frictionform.h"
#include "ui/win32/utf16.h"

namespace vendrel::ui {
namespace {

UniqueFont MakeFont(int dpi, bool italic, bool bold)
{
    const form::Form& form = form::FrictionForm();
    LOGFONTW font{};
    font.lfHeight = -MulDiv(form.fontPointSize, dpi, 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfCharSet = GB2312_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, Utf16(form.fontFamily).c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace

WindowFonts MakeWindowFonts(int dpi)
{
    WindowFonts fonts;
    fonts.normal = MakeFont(dpi, false, false);
    fonts.italic = MakeFont(dpi, true, false);
    fonts.bold = MakeFont(dpi, false, true);
    fonts.dpi = dpi;
    // Measured as Windows measures a dialog's font for its dialog units.
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, fonts.normal.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    constexpr wchar_t letters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    GetTextExtentPoint32W(dc, letters, 52, &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    fonts.charWidth = (extent.cx / 26 + 1) / 2;
    fonts.height = metrics.tmHeight;
    return fonts;
}

UniqueImageList SetRowHeight(HWND list, const WindowFonts& fonts)
{
    UniqueImageList images(ImageList_Create(1, fonts.height + (fonts.height + 2) / 3, ILC_COLOR, 0, 0));
    ListView_SetImageList(list, images.get(), LVSIL_SMALL);
    return images;
}

int WindowDpi(HWND window)
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    // Looked up, not linked: Windows 7 and 8 have no such function.
    const auto dpiForWindow = user32 != nullptr
        ? reinterpret_cast<DpiForWindow>(reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")))
        : nullptr;
    if (dpiForWindow != nullptr)
        return static_cast<int>(dpiForWindow(window));
    const HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

} // namespace vendrel::ui
