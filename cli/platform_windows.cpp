#include "cli/platform.h"

#include "messages/language.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>

namespace vendrel::cli {
namespace {

std::string ToUtf8(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back(); // the terminating NUL
    return utf8;
}

// _isatty is also true for NUL and other character devices; only a console
// shows text to a person.
bool IsConsole(DWORD standardHandle)
{
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(standardHandle), &mode) != 0;
}

// Everything is written in UTF-8. A console shows it as such only with its
// output code page switched; the user's code page is given back at exit.
class Utf8Console {
public:
    Utf8Console()
    {
        if (!IsConsole(STD_OUTPUT_HANDLE) && !IsConsole(STD_ERROR_HANDLE))
            return;
        m_previousCodePage = ::GetConsoleOutputCP();
        ::SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console()
    {
        if (m_previousCodePage == 0)
            return;
        // Messages still held in standard error's buffer are shown in UTF-8
        // too (standard output is closed by now).
        std::fflush(stderr);
        ::SetConsoleOutputCP(m_previousCodePage);
    }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT m_previousCodePage = 0;
};

} // namespace

bool StandardOutputIsTerminal()
{
    return IsConsole(STD_OUTPUT_HANDLE);
}

messages::Language MessageLanguage()
{
    return messages::LanguageOfWindows(::GetUserDefaultUILanguage());
}

} // namespace vendrel::cli

// Windows passes the arguments in UTF-16 (-municode selects this entry point).
int wmain(int argc, wchar_t** argv)
{
    using namespace vendrel::cli;
    // The same bytes as on Linux: no "\r" added to line ends, none taken away.
    // Typed input keeps text mode, where Ctrl+Z ends it as Windows users expect.
    if (!IsConsole(STD_INPUT_HANDLE))
        ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    const Utf8Console console;
    // mingw-w64's printf writes to an unbuffered stream byte by byte, and
    // consoles garble UTF-8 characters split across writes (Wine's drops the
    // spaces too). The results are flushed wherever a person waits for them.
    if (IsConsole(STD_OUTPUT_HANDLE))
        std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
    if (IsConsole(STD_ERROR_HANDLE))
        std::setvbuf(stderr, nullptr, _IOFBF, BUFSIZ);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(ToUtf8(argv[i]));
    return RunProgram(args);
}
