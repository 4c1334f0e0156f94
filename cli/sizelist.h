#pragma once

#include "cli/commandline.h"

#include <cstdio>

namespace vendrel::cli {

// vendrel-calc --size: every size of a pipe series calculated for one flow,
// with the loss in mm of water column and in Pa per metre, the smallest size
// within the limits marked. Aligned text, or CSV with --format csv. Returns
// the exit status.
int RunSizeList(const CommandLine& command, std::FILE* out, std::FILE* err);

// vendrel-calc --table: the selection chart of a series, for every size the
// flows at which the loss is the lower and the upper limit in Pa/m, and the
// velocities there. Returns the exit status.
int RunFlowTable(const CommandLine& command, std::FILE* out, std::FILE* err);

} // namespace vendrel::cli
