#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// What reading the user's files needs of the system, each system in a file
// of its own (platform_posix.cpp, platform_windows.cpp).
namespace vendrel::files {

// Opens a file named in UTF-8 for reading its bytes unchanged, or returns
// nullptr with errno set.
std::FILE* OpenForReading(const std::string& path);

// Replaces a file named in UTF-8 with bytes, or leaves it as it was: they go
// to a new file beside it, which then takes its name. False with error, the
// system's reason, where that cannot be done.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error);

// Appends the UTF-8 of GB18030 bytes to out; false where they are not
// valid GB18030 (GBK on a system without GB18030: Wine).
bool Gb18030ToUtf8(std::string_view bytes, std::string& out);

// The folder of the user's own Vendrel data, in UTF-8: $XDG_DATA_HOME/vendrel
// (~/.local/share/vendrel) on Linux, %APPDATA%\Vendrel on Windows; empty
// where the system names none.
std::string UserDataFolder();

// The TrueType fonts the calculation book is set in, named as the C
// library's fopen takes them: WenQuanYi Micro Hei, and DejaVu Sans for the
// signs it lacks; Debian's own on Linux, the copies in the program's fonts
// folder on Windows. $VENDREL_BOOK_FONTS, where it is set, lists others, as
// PATH lists folders.
std::vector<std::string> BookFontFiles();

// The names of the files in a folder whose names end in ".csv" in any case,
// sorted; none where the folder cannot be read.
std::vector<std::string> CsvFilesIn(const std::string& folder);

} // namespace vendrel::files
