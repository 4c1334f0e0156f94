#pragma once

#include <cstdio>
#include <string>

namespace vendrel::cli {

struct Options;

// vendrel-calc --circuit: the hydraulic calculation of a circuit file, as
// aligned Chinese text (the sections, the paths, the index circuit and the
// pump head), or CSV of the sections or, with --paths, of the paths.
// Returns the exit status.
int RunCircuit(const std::string& file, const Options& options, std::FILE* out, std::FILE* err);

} // namespace vendrel::cli
