#pragma once

namespace vendrel::cli {

inline constexpr int kExitSuccess = 0;
// Every result was written, but some could not be calculated: an input that
// is not a number or is out of range, no zone fitting, results not finite.
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;
// Results are missing: the input could not be opened or read, the CSV is
// malformed, or the output could not be written.
inline constexpr int kExitIncomplete = 3;

} // namespace vendrel::cli
