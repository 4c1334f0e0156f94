#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vendrel::ui {

// The core and the form speak UTF-8, Windows' wide APIs UTF-16: converted
// here, at the boundary, and nowhere else.
std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// A window's text (a control's contents) in UTF-8.
std::string WindowText(HWND window);

} // namespace vendrel::ui
