#include "ui/win32/bookprinter.h"

#include "files/platform.h"
#include "ui/win32/gdihandle.h"
#include "ui/win32/utf16.h"

#include <commdlg.h>

#include <cmath>
#include <map>

namespace vendrel::ui {
namespace {

using book::BookPage;
using book::PageColour;

COLORREF Colour(const PageColour& colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

struct GlobalFreer {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using UniqueGlobal = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalFreer>;
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// The book's first font, for this program only while it runs.
const wchar_t* BookFace()
{
    static const bool added = [] {
        const std::vector<std::string> fonts = files::BookFontFiles();
        if (fonts.empty())
            return false;
        const int size = MultiByteToWideChar(CP_ACP, 0, fonts.front().c_str(), -1, nullptr, 0);
        std::wstring path(static_cast<std::size_t>(std::max(size, 1)), L'\0');
        MultiByteToWideChar(CP_ACP, 0, fonts.front().c_str(), -1, path.data(), size);
        return AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr) > 0;
    }();
    (void)added; // without it, GDI's nearest face
    return L"WenQuanYi Micro Hei";
}

std::string LastError()
{
    return "Windows error " + std::to_string(GetLastError());
}

} // namespace

bool PrintBookPages(HWND owner, const std::vector<BookPage>& pages, const std::string& title, std::string& error)
{
    if (pages.empty())
        return true;
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!PrintDlgW(&dialog)) {
        const DWORD code = CommDlgExtendedError();
        if (code == 0)
            return true; // cancelled
        error = "打印对话框出错（" + std::to_string(code) + "）";
        return false;
    }
    const UniqueGlobal devMode(dialog.hDevMode);
    const UniqueGlobal devNames(dialog.hDevNames);
    const UniqueDc dc(dialog.hDC);
    const std::wstring name = Utf16(title);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (StartDocW(dc.get(), &document) <= 0) {
        error = LastError();
        return false;
    }
    std::map<int, UniqueFont> fonts; // by height in device units
    bool printed = true;
    // A printer keeps one orientation through a document: a landscape page
    // is turned a quarter clockwise onto the portrait sheet.
    SetGraphicsMode(dc.get(), GM_ADVANCED);
    for (const BookPage& page : pages) {
        if (StartPage(dc.get()) <= 0) {
            printed = false;
            break;
        }
        // Points to the device's units, from the paper's corner: the layout has its margins.
        const double dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX) / 72.0;
        const double dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY) / 72.0;
        const auto offsetX = static_cast<FLOAT>(GetDeviceCaps(dc.get(), PHYSICALOFFSETX));
        const auto offsetY = static_cast<FLOAT>(GetDeviceCaps(dc.get(), PHYSICALOFFSETY));
        const bool turned = page.width > page.height;
        const XFORM place = turned ? XFORM{0, 1, -1, 0, static_cast<FLOAT>(page.height * dpiX) - offsetX, -offsetY}
                                   : XFORM{1, 0, 0, 1, -offsetX, -offsetY};
        SetWorldTransform(dc.get(), &place);
        const auto x = [&](double points) { return static_cast<int>(std::lround(points * dpiX)); };
        const auto y = [&](double points) { return static_cast<int>(std::lround(points * (turned ? dpiX : dpiY))); };
        for (const auto& box : page.boxes) {
            const UniqueBrush brush(CreateSolidBrush(Colour(box.fill)));
            const RECT area{x(box.x), y(box.y), x(box.x + box.width), y(box.y + box.height)};
            FillRect(dc.get(), &area, brush.get());
        }
        for (const auto& rule : page.rules) {
            const int width = std::max(1, static_cast<int>(std::lround(rule.width * dpiX)));
            const std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter> pen(
                CreatePen(PS_SOLID, width, Colour(rule.colour)));
            const HGDIOBJ was = SelectObject(dc.get(), pen.get());
            MoveToEx(dc.get(), x(rule.x1), y(rule.y1), nullptr);
            LineTo(dc.get(), x(rule.x2), y(rule.y2));
            SelectObject(dc.get(), was);
        }
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextAlign(dc.get(), TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        for (const auto& text : page.texts) {
            const int height = static_cast<int>(std::lround(text.size * dpiY));
            UniqueFont& font = fonts[height];
            if (!font)
                font.reset(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, BookFace()));
            const HGDIOBJ was = SelectObject(dc.get(), font.get());
            SetTextColor(dc.get(), Colour(text.colour));
            const std::wstring wide = Utf16(text.text);
            TextOutW(dc.get(), x(text.x), y(text.baseline), wide.c_str(), static_cast<int>(wide.size()));
            SelectObject(dc.get(), was);
        }
        if (EndPage(dc.get()) <= 0) {
            printed = false;
            break;
        }
    }
    if (!printed) {
        error = LastError();
        AbortDoc(dc.get());
        return false;
    }
    if (EndDoc(dc.get()) <= 0) {
        error = LastError();
        return false;
    }
    return true;
}

} // namespace vendrel::ui
