#pragma once

// What vendrel-calc --help prints: every mode and option, the file formats
// in brief, and the exit statuses, as the manual has them at length.
namespace vendrel::cli {

extern const char kUsage[];

} // namespace vendrel::cli
