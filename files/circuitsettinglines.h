#pragma once

#include "files/circuitreader.h"

#include <string>
#include <vector>

// How the circuit reader takes the settings lines before a header.
namespace vendrel::files {

// Whether a line before the header is one of a name and a value: nothing
// in its cells after the second (a spreadsheet pads the line with empty
// cells), and a setting's or a project line's name first, or anything but a
// column of a circuit's header (which has four at least).
bool IsNameValueLine(const std::vector<std::string>& cells);

// Adds a name-value line to the table: a setting or a project line; or a
// problem where its name is neither, or it, or another of its sense, is
// there already.
void AddNameValueLine(
    CircuitTable& table, const std::vector<std::string>& cells, long line, std::vector<messages::Message>& problems);

} // namespace vendrel::files
