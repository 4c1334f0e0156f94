#pragma once

#include "ui/win32/utf16.h"

#include <windows.h>

#include <cstdlib>
#include <string>

// The program the Windows tests drive, and paths as it sees them.
namespace vendrel::tests {

// A path of the build machine's as Windows names it: under Wine a Unix path
// is found on drive Z:.
inline std::wstring WindowsPath(const std::string& path)
{
    std::wstring windows = ui::Utf16(path);
    for (wchar_t& c : windows) {
        if (c == L'/')
            c = L'\\';
    }
    return !windows.empty() && windows.front() == L'\\' ? L"Z:" + windows : windows;
}

// The build passes the program's path; VENDREL_EXE_UNDER_TEST points the
// tests at another copy, the installed one.
inline std::wstring ProgramPath()
{
    if (const wchar_t* other = _wgetenv(L"VENDREL_EXE_UNDER_TEST"); other != nullptr && *other != L'\0')
        return other;
    return WindowsPath(VENDREL_EXE);
}

} // namespace vendrel::tests
