#include "cli/platform.h"

#include "messages/language.h"

#include <cstdlib>
#include <unistd.h>

namespace vendrel::cli {

bool StandardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

messages::Language MessageLanguage()
{
    return messages::LanguageOfLocale(
        std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

} // namespace vendrel::cli

int main(int argc, char** argv)
{
    return vendrel::cli::RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
