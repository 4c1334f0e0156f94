#include "ui/win32/clipboard.h"

#include "ui/win32/utf16.h"

#include <cstring>

namespace vendrel::ui {

std::string ClipboardText(HWND owner)
{
    if (!OpenClipboard(owner))
        return {};
    std::string text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data)); wide != nullptr) {
            text = Utf8(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(HWND owner, const std::string& text)
{
    const std::wstring wide = Utf16(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (data == nullptr)
        return false;
    std::memcpy(GlobalLock(data), wide.c_str(), bytes);
    GlobalUnlock(data);
    if (!OpenClipboard(owner)) {
        GlobalFree(data);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    CloseClipboard();
    if (!placed) // else the clipboard owns it
        GlobalFree(data);
    return placed;
}

} // namespace vendrel::ui
