#pragma once

#include <cstdio>

namespace vendrel::cli {

struct Options;

// vendrel-calc --size: every size of a pipe series calculated for one flow,
// with the loss in mm of water column and in Pa per metre, the smallest size
// within the limits marked. Aligned text, or CSV with --format csv. Returns
// the exit status.
int RunSizeList(const Options& options, std::FILE* out, std::FILE* err);

// vendrel-calc --table: the selection chart of a series, for every size the
// flows at which the loss reaches the lower limit in Pa/m and passes the
// upper one, and the velocities there. Returns the exit status.
int RunFlowTable(const Options& options, std::FILE* out, std::FILE* err);

} // namespace vendrel::cli
