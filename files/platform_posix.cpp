#include "files/platform.h"

#include <dirent.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // The new file keeps the old one's permissions, or has what a new file would.
    struct stat old { };
    mode_t mode = 0;
    if (stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    bool written = fchmod(fd, mode) == 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        written = n > 0 || (n < 0 && errno == EINTR);
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    written = written && fsync(fd) == 0;
    const int failure = written ? 0 : errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = std::strerror(errno);
    } else if (!written) {
        error = std::strerror(failure);
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) != 0) {
        written = false;
        error = std::strerror(errno);
    }
    if (!written)
        std::remove(temporary.c_str());
    return written;
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

std::vector<std::string> BookFontFiles()
{
    const char* chosen = std::getenv("VENDREL_BOOK_FONTS");
    if (chosen == nullptr || *chosen == '\0')
        return {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
    std::vector<std::string> files;
    std::string_view list(chosen);
    for (std::size_t end; !list.empty(); list.remove_prefix(std::min(list.size(), end + 1))) {
        end = list.find(':');
        if (end != 0)
            files.emplace_back(list.substr(0, end));
    }
    return files;
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
