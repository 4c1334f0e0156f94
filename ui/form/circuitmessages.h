#pragma once

#include <string>

namespace vendrel::form {

// A problem the circuit reader or calculation states (in English, as the
// command line prints it) as the Chinese window shows it; one it does not
// know is shown as it is.
std::string ChineseProblem(const std::string& problem);

} // namespace vendrel::form
