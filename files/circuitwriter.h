#pragma once

#include "files/circuitreader.h"

#include <string>
#include <vector>

namespace vendrel::files {

// A circuit file as the circuit window saves it, for Excel and for
// vendrel-calc --circuit alike: UTF-8 with a byte-order mark and CRLF line
// ends; the project lines and the settings a line each ("工程名称,某某大厦",
// "管道系列,sch40"), then the header and the rows, each cell quoted where it
// must be.
std::string CircuitFileText(const std::vector<ProjectLine>& project, const std::vector<CircuitSetting>& settings,
    const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

} // namespace vendrel::files
