#include "files/platform.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cerrno>

namespace vendrel::files {
namespace {

// GB18030's code page, and GBK's, the part of it Excel saves on a Chinese
// Windows: where the system has no GB18030 (Wine), GBK serves.
constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;

std::wstring ToUtf16(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

bool AppendUtf8(const wchar_t* text, int length, std::string& out)
{
    if (length == 0)
        return true;
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return false;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, text, length, &out[start], size, nullptr, nullptr);
    return true;
}

std::string SystemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length
        = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message;
    if (length > 0)
        AppendUtf8(text, static_cast<int>(length), message);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "system error " + std::to_string(code) : message;
}

} // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error)
{
    const std::wstring name = ToUtf16(path);
    const std::wstring temporary = name + L".vendrel-new";
    const HANDLE file
        = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = SystemMessage(GetLastError());
        return false;
    }
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD n = 0;
        written = WriteFile(file, bytes.data() + done, chunk, &n, nullptr) != 0 && n > 0;
        done += n;
    }
    written = written && FlushFileBuffers(file) != 0;
    DWORD failure = written ? 0 : GetLastError();
    if (CloseHandle(file) == 0 && written) {
        written = false;
        failure = GetLastError();
    }
    if (written
        && MoveFileExW(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        written = false;
        failure = GetLastError();
    }
    if (!written) {
        error = SystemMessage(failure);
        DeleteFileW(temporary.c_str());
    }
    return written;
}

std::FILE* OpenForReading(const std::string& path)
{
    const std::wstring name = ToUtf16(path);
    std::FILE* file = _wfopen(name.c_str(), L"rb");
    // Windows refuses to open a folder as a file, with "Permission denied";
    // Linux's "Is a directory" says what is wrong.
    const DWORD attributes = file == nullptr && errno == EACCES ? GetFileAttributesW(name.c_str()) : 0;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        errno = EISDIR;
    return file;
}

bool Gb18030ToUtf8(std::string_view bytes, std::string& out)
{
    if (bytes.empty())
        return true;
    const UINT page = IsValidCodePage(kGb18030) ? kGb18030 : kGbk;
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return false;
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), size);
    return AppendUtf8(wide.data(), size, out);
}

std::string UserDataFolder()
{
    wchar_t* path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path))) {
        const std::wstring wide = std::wstring(path) + L"\\Vendrel";
        AppendUtf8(wide.c_str(), static_cast<int>(wide.size()), folder);
    }
    CoTaskMemFree(path);
    return folder;
}

namespace {

// fopen takes the ANSI code page: the short name of a folder named in other
// characters.
std::string ForFopen(const std::wstring& path)
{
    std::wstring name = path;
    std::wstring shortName(MAX_PATH, L'\0');
    const DWORD shortLength = GetShortPathNameW(path.c_str(), shortName.data(), MAX_PATH);
    if (shortLength > 0 && shortLength < MAX_PATH)
        name = shortName.substr(0, shortLength);
    const int size
        = WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

} // namespace

std::vector<std::string> BookFontFiles()
{
    std::vector<std::string> files;
    if (const wchar_t* chosen = _wgetenv(L"VENDREL_BOOK_FONTS"); chosen != nullptr && *chosen != L'\0') {
        std::wstring_view list(chosen);
        for (std::size_t end; !list.empty(); list.remove_prefix(std::min(list.size(), end + 1))) {
            end = list.find(L';');
            if (end != 0)
                files.push_back(ForFopen(std::wstring(list.substr(0, end))));
        }
        return files;
    }
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()))) == program.size())
        program.resize(program.size() * 2);
    program.resize(length);
    const std::wstring fonts = program.substr(0, program.find_last_of(L"\\/") + 1) + L"fonts\\";
    files.push_back(ForFopen(fonts + L"wqy-microhei.ttc"));
    files.push_back(ForFopen(fonts + L"DejaVuSans.ttf"));
    return files;
}

std::vector<std::string> CsvFilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((ToUtf16(folder) + L"\\*.csv").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        // "*.csv" also finds "a.csvx" by its short name: the long one decides.
        const std::size_t length = wcslen(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && length > 4
            && _wcsicmp(found.cFileName + length - 4, L".csv") == 0) {
            std::string name;
            AppendUtf8(found.cFileName, static_cast<int>(length), name);
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vendrel::files
