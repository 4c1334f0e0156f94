#pragma once

#include "design/pipeseries.h"
#include "design/sizing.h"

#include <optional>
#include <string>
#include <vector>

// The largest water velocity design guidance allows in a pipe, by size and
// material: the default velocity limit of sizing (vendrel-calc --size and
// the size window), where the user gives none of their own.
namespace vendrel::design {

// Pipes up to this inner diameter, in mm, take the small-pipe limit.
inline constexpr double kSmallPipeInside = 50;

// The limit in m/s for a pipe of inner diameter mm; plastic pipes above the
// small sizes take a lower one than steel and copper.
double DefaultMaxVelocity(double insideMillimetres, bool plastic);

// The default limits as a size list names them, for metal or plastic pipe:
// "流速：内径 50 mm 及以下不超过 1.2 m/s，以上不超过 3 m/s".
std::string DefaultVelocityLimitsText(bool plastic);

// The sizes of a series to size with, each with its velocity limit: the
// one the user gives for all, else the series' own for that size, else the
// default for its bore and the series' material (plastic or not).
std::vector<SizeChoice> SizeChoices(const PipeSeries& series, bool plastic, std::optional<double> maxVelocity);

// The velocity limits SizeChoices applies, as a size list's heading names
// them: "流速不超过 1.5 m/s", the series' own, or the defaults.
std::string VelocityLimitsText(const PipeSeries& series, bool plastic, std::optional<double> maxVelocity);

} // namespace vendrel::design
