#pragma once

#include <windows.h>

#include <string>

namespace vendrel::ui {

// The clipboard's text, CF_UNICODETEXT, in UTF-8: "" where it has none.
std::string ClipboardText(HWND owner);
// Puts text on the clipboard in place of what it had; false where it is
// held by another program.
bool SetClipboardText(HWND owner, const std::string& text);

} // namespace vendrel::ui
