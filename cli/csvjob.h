#pragma once

#include <cstdio>

namespace vendrel::cli {

// Calculates every row of a pipe schedule: reads CSV from in (the header names
// any of flow, diameter, roughness, viscosity, in any case; flow and diameter
// are required) and writes, per row, the four input texts, the six results,
// the zone and the residual. Every row in gives one row out, in order; a row
// that could not be calculated is written too, and reported on err with its
// line. Stops at the first malformed line, failed read or failed write, with a
// message on err; rows written before stay complete. rowByRow writes each row
// as soon as it is calculated, for someone watching. Returns the exit status.
int RunCsvJob(std::FILE* in, const char* inputName, std::FILE* out, std::FILE* err, bool rowByRow = false);

} // namespace vendrel::cli
