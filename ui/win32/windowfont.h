#pragma once

#include "ui/win32/gdihandle.h"

#include <windows.h>

namespace vendrel::ui {

// The calculator's font, the form's face and size, for a window laid out in
// code at its monitor's DPI: plain, and italic and bold for marked cells.
struct WindowFonts {
    UniqueFont normal;
    UniqueFont italic;
    UniqueFont bold;
    int dpi = USER_DEFAULT_SCREEN_DPI;
    int charWidth = 0; // the average character, as dialog units count it
    int height = 0;    // a line of text
};
WindowFonts MakeWindowFonts(int dpi);

// Gives a list view's rows a third more height than the Chinese text in
// them: it makes its rows as tall as its small images. The list keeps the
// images returned, and must not outlive them.
UniqueImageList SetRowHeight(HWND list, const WindowFonts& fonts);

// The DPI a window is shown at: its monitor's where Windows says (10 and
// later), else the system's.
int WindowDpi(HWND window);

// Device-independent pixels (at 96 DPI) to and from the window's.
inline int Scaled(int value, int dpi)
{
    return MulDiv(value, dpi, USER_DEFAULT_SCREEN_DPI);
}
inline int Unscaled(int value, int dpi)
{
    return MulDiv(value, USER_DEFAULT_SCREEN_DPI, dpi);
}

} // namespace vendrel::ui
