#include "cli/platform.h"

#include <unistd.h>

namespace vendrel::cli {

bool StandardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

std::FILE* OpenForReading(const std::string& path)
{
    return std::fopen(path.c_str(), "rb");
}

} // namespace vendrel::cli

int main(int argc, char** argv)
{
    return vendrel::cli::RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
