#pragma once

#include "book/bookpages.h"
#include "ui/win32/gdihandle.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace vendrel::ui {

// The book's font at each height in device units, made once a drawing.
using BookFonts = std::map<int, UniqueFont>;

// Draws a laid-out page on a device context, unitsPerPoint device units to
// a point, the page's corner at (left, top) of the device's own origin
// negated; turned, a landscape page a quarter clockwise onto a portrait one.
void DrawBookPage(HDC dc, const book::BookPage& page, double unitsPerPointX, double unitsPerPointY, double left,
    double top, bool turned, BookFonts& fonts);

// Asks for a printer with the common print dialog and prints the calculation
// book's pages on it with GDI, as the PDF lays them out, each page in its
// own orientation. False with why where printing failed; true where it was
// done or the user cancelled.
bool PrintBookPages(HWND owner, const std::vector<book::BookPage>& pages, const std::string& title, std::string& error);

} // namespace vendrel::ui
