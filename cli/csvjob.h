#pragma once

#include <cstdio>

namespace vendrel::cli {

// Calculates every row of a pipe schedule: reads CSV from in (the header names
// any of flow, diameter, roughness, viscosity; flow and diameter are required)
// and writes, per row, the four input texts then the six results. Stops at the
// first malformed line with a message on err naming it; rows written before
// stay complete. Returns the process exit status.
int RunCsvJob(std::FILE* in, const char* inputName, std::FILE* out, std::FILE* err);

} // namespace vendrel::cli
