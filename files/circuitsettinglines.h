#pragma once

#include "files/circuitreader.h"

#include <string>
#include <vector>

// How the circuit reader takes the settings lines before a header.
namespace vendrel::files {

// The setting a line before the header gives: a known name, then at most a
// value (a spreadsheet pads the line with empty cells); -1 for the header.
int CircuitSettingOf(const std::vector<std::string>& cells);

// Adds that line's setting to the table, or a problem where it, or another
// of its sense, is there already.
void AddCircuitSetting(
    CircuitTable& table, const std::vector<std::string>& cells, long line, std::vector<messages::Message>& problems);

} // namespace vendrel::files
