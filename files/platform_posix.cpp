#include "files/platform.h"

#include <dirent.h>
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace vendrel::files {

std::FILE* OpenForReading(const std::string& path)
{
    return std::fopen(path.c_str(), "rb");
}

bool Gb18030ToUtf8(std::string_view bytes, std::string& out)
{
    const std::unique_ptr<void, int (*)(iconv_t)> converter(iconv_open("UTF-8", "GB18030"), &iconv_close);
    if (converter.get() == reinterpret_cast<iconv_t>(-1))
        return false;
    char* in = const_cast<char*>(bytes.data()); // iconv's signature; it does not write there
    std::size_t inLeft = bytes.size();
    char block[4096];
    while (inLeft > 0) {
        char* next = block;
        std::size_t room = sizeof block;
        const std::size_t done = iconv(converter.get(), &in, &inLeft, &next, &room);
        out.append(block, static_cast<std::size_t>(next - block));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG)
            return false; // EILSEQ, or EINVAL: a character cut short at the end
    }
    return true;
}

std::string UserDataFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data == '/')
        return std::string(data) + "/vendrel";
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return std::string(home) + "/.local/share/vendrel";
    return {};
}

std::vector<std::string> CsvFilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && name[0] != '.') {
            std::string extension = name.substr(name.size() - 4);
            std::transform(extension.begin(), extension.end(), extension.begin(),
                [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
            if (extension == ".csv")
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vendrel::files
