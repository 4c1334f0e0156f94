#include "ui/win32/bookprinter.h"

#include "files/platform.h"
#include "ui/win32/gdihandle.h"
#include "ui/win32/utf16.h"

#include <commdlg.h>

#include <array>
#include <cmath>

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

// The book's fonts, for this program only while it runs: the first face
// draws what it has, the second what it lacks, as in the PDF. Without
// them, GDI's nearest faces.
const std::array<const wchar_t*, 2>& BookFaces()
{
    static const std::array<const wchar_t*, 2> faces = [] {
        for (const std::string& font : files::BookFontFiles()) {
            const int size = MultiByteToWideChar(CP_ACP, 0, font.c_str(), -1, nullptr, 0);
            std::wstring path(static_cast<std::size_t>(std::max(size, 1)), L'\0');
            MultiByteToWideChar(CP_ACP, 0, font.c_str(), -1, path.data(), size);
            AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
        }
        return std::array<const wchar_t*, 2>{L"WenQuanYi Micro Hei", L"DejaVu Sans"};
    }();
    return faces;
}

std::string LastError()
{
    return "Windows error " + std::to_string(GetLastError());
}

} // namespace

void DrawBookPage(HDC dc, const BookPage& page, double unitsPerPointX, double unitsPerPointY, double left, double top,
    bool turned, BookFonts& fonts)
{
    // With the device's own origin moved to the page's corner, and a
    // landscape page turned a quarter clockwise onto a portrait sheet.
    const int mode = SetGraphicsMode(dc, GM_ADVANCED);
    XFORM was{};
    GetWorldTransform(dc, &was);
    const auto dx = static_cast<FLOAT>(-left);
    const auto dy = static_cast<FLOAT>(-top);
    const XFORM place = turned ? XFORM{0, 1, -1, 0, static_cast<FLOAT>(page.height * unitsPerPointX) + dx, dy}
                               : XFORM{1, 0, 0, 1, dx, dy};
    SetWorldTransform(dc, &place);
    const double dpiY = turned ? unitsPerPointX : unitsPerPointY;
    const auto x = [&](double points) { return static_cast<int>(std::lround(points * unitsPerPointX)); };
    const auto y = [&](double points) { return static_cast<int>(std::lround(points * dpiY)); };
    for (const auto& box : page.boxes) {
        const UniqueBrush brush(CreateSolidBrush(Colour(box.fill)));
        const RECT area{x(box.x), y(box.y), x(box.x + box.width), y(box.y + box.height)};
        FillRect(dc, &area, brush.get());
    }
    for (const auto& rule : page.rules) {
        const int width = std::max(1, static_cast<int>(std::lround(rule.width * unitsPerPointX)));
        const std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter> pen(
            CreatePen(PS_SOLID, width, Colour(rule.colour)));
        const HGDIOBJ old = SelectObject(dc, pen.get());
        MoveToEx(dc, x(rule.x1), y(rule.y1), nullptr);
        LineTo(dc, x(rule.x2), y(rule.y2));
        SelectObject(dc, old);
    }
    SetBkMode(dc, TRANSPARENT);
    // Each run from the current position on: a sign the first face lacks in the second.
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_UPDATECP);
    const auto font = [&](int height, std::size_t face) {
        UniqueFont& made = fonts[height * 2 + static_cast<int>(face)];
        if (!made)
            made.reset(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, BookFaces()[face]));
        return made.get();
    };
    for (const auto& text : page.texts) {
        const int height = std::max(1, static_cast<int>(std::lround(text.size * dpiY)));
        const std::wstring wide = Utf16(text.text);
        if (wide.empty())
            continue;
        const HGDIOBJ old = SelectObject(dc, font(height, 0));
        std::vector<WORD> glyphs(wide.size());
        GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
        SetTextColor(dc, Colour(text.colour));
        MoveToEx(dc, x(text.x), y(text.baseline), nullptr);
        for (std::size_t start = 0; start < wide.size();) {
            const bool missing = glyphs[start] == 0xFFFF;
            std::size_t end = start;
            while (end < wide.size() && (glyphs[end] == 0xFFFF) == missing)
                ++end;
            SelectObject(dc, font(height, missing ? 1 : 0));
            TextOutW(dc, 0, 0, wide.c_str() + start, static_cast<int>(end - start));
            start = end;
        }
        SelectObject(dc, old);
    }
    SetWorldTransform(dc, &was);
    SetGraphicsMode(dc, mode);
}

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
    BookFonts fonts;
    bool printed = true;
    // A printer keeps one orientation through a document: a landscape page
    // is turned a quarter clockwise onto the portrait sheet.
    for (const BookPage& page : pages) {
        if (StartPage(dc.get()) <= 0) {
            printed = false;
            break;
        }
        // Points to the device's units, from the paper's corner: the layout has its margins.
        const double dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX) / 72.0;
        const double dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY) / 72.0;
        const auto offsetX = static_cast<double>(GetDeviceCaps(dc.get(), PHYSICALOFFSETX));
        const auto offsetY = static_cast<double>(GetDeviceCaps(dc.get(), PHYSICALOFFSETY));
        DrawBookPage(dc.get(), page, dpiX, dpiY, offsetX, offsetY, page.width > page.height, fonts);
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
