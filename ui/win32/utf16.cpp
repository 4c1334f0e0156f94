#include "ui/win32/utf16.h"

#include <windows.h>

namespace vendrel::ui {

std::wstring Utf16(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    std::string narrow(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, utf16.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

std::string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

} // namespace vendrel::ui
