#pragma once

#include "design/circuit.h"
#include "files/circuitreader.h"

#include <cstdio>
#include <string>

namespace vendrel::cli {

struct Options;

// A circuit's hydraulic calculation as vendrel-calc --circuit prints it: the
// heading, the sections, the paths, the index circuit and the pump head, as
// aligned Chinese text.
void WriteCircuitText(const std::string& file, const Options& options, const files::CircuitTable& table,
    const design::CircuitResult& result, std::FILE* out);

// The sections as CSV, the file's own columns first, or with --paths one
// row per path.
void WriteCircuitCsv(
    const Options& options, const files::CircuitTable& table, const design::CircuitResult& result, std::FILE* out);

} // namespace vendrel::cli
