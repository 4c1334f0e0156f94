#include "design/velocitylimits.h"

#include "calc/numbertext.h"

#include <algorithm>
#include <cmath>

namespace vendrel::design {
namespace {

// The "USA recommendations" for noncorrosive water as Silverglance's
// Blowpipe UV help prints them ("Pipe sizing (SI units)",
// https://www.silverglance.co.uk/onlinehelp/blowpipeuv/sizingsi.html):
// pipe diameter <= 50 mm, all pipes, 0.6–1.2 m/s; > 50 mm, plastic pipes
// 1.2–1.5 m/s, steel and copper pipes 1.2–3.0 m/s; 75–400 Pa/m throughout.
// These are the figures usually quoted from the pipe-sizing chapter of the
// ASHRAE Handbook—Fundamentals, whose text we could not check. Other
// tables agree at DN50: the HVAC Pump Handbook, 2nd ed. (McGraw-Hill,
// 2006), Table 3.1, prints 4.3 ft/s (1.31 m/s) as the most a 2-inch
// schedule 40 pipe carries, and A. O. Smith's CAHP heat-pump manual, Table
// 5.2, ≤1.2 m/s from DN50 on. The page does not say which diameter it
// means; we take the inner one, which every series has.
constexpr double kSmallPipeVelocity = 1.2;
constexpr double kMetalVelocity = 3.0;
constexpr double kPlasticVelocity = 1.5;

} // namespace

double DefaultMaxVelocity(double insideMillimetres, bool plastic)
{
    if (insideMillimetres <= kSmallPipeInside)
        return kSmallPipeVelocity;
    return plastic ? kPlasticVelocity : kMetalVelocity;
}

std::string DefaultVelocityLimitsText(bool plastic)
{
    return "流速：内径 " + ShortestText(kSmallPipeInside) + " mm 及以下不超过 " + ShortestText(kSmallPipeVelocity)
        + " m/s，以上不超过 " + ShortestText(plastic ? kPlasticVelocity : kMetalVelocity) + " m/s";
}

std::vector<SizeChoice> SizeChoices(const PipeSeries& series, bool plastic, std::optional<double> maxVelocity)
{
    std::vector<SizeChoice> sizes;
    sizes.reserve(series.sizes.size());
    for (const PipeSize& size : series) {
        const double limit = maxVelocity   ? *maxVelocity
            : std::isnan(size.maxVelocity) ? DefaultMaxVelocity(size.Inside(), plastic)
                                           : size.maxVelocity;
        sizes.push_back({size.nominal, size.Inside(), limit});
    }
    return sizes;
}

std::string VelocityLimitsText(const PipeSeries& series, bool plastic, std::optional<double> maxVelocity)
{
    if (maxVelocity)
        return "流速不超过 " + ShortestText(*maxVelocity) + " m/s";
    const bool own
        = std::any_of(series.begin(), series.end(), [](const PipeSize& s) { return !std::isnan(s.maxVelocity); });
    return own ? "流速不超过管道系列所列各管径的限值" : DefaultVelocityLimitsText(plastic);
}

} // namespace vendrel::design
