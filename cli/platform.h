#pragma once

#include "messages/message.h"

#include <cstdio>
#include <string>
#include <vector>

namespace vendrel::cli {

// vendrel-calc itself, the same on every system: args are the arguments after
// the program's name, in UTF-8. Returns the exit status.
int RunProgram(const std::vector<std::string>& args);

// What differs between systems; each has its own file (platform_posix.cpp,
// platform_windows.cpp) with the entry point that calls RunProgram.

// True when standard output is shown to a person as it is written.
bool StandardOutputIsTerminal();

// The language the user reads messages in: the locale's, as gettext
// programs take it, on Linux; the user's display language on Windows.
messages::Language MessageLanguage();

} // namespace vendrel::cli
