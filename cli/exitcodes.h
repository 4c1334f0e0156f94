#pragma once

namespace vendrel::cli {

inline constexpr int kExitSuccess = 0;
// Malformed input, or a calculation that produced no result.
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

} // namespace vendrel::cli
