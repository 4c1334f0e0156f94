#pragma once

#include <string>
#include <string_view>

namespace vendrel::ui {

// The core and the form speak UTF-8, Windows' wide APIs UTF-16: converted
// here, at the boundary, and nowhere else.
std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

} // namespace vendrel::ui
