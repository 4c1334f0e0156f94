#include "cli/platform.h"

#include <unistd.h>

namespace vendrel::cli {

bool StandardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

} // namespace vendrel::cli

int main(int argc, char** argv)
{
    return vendrel::cli::RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
