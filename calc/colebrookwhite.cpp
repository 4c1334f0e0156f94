#include "calc/colebrookwhite.h"

#include "calc/frictionlaws.h"
#include "calc/portablemath.h"

#include <cmath>
#include <limits>

namespace vendrel {
namespace {

constexpr double kBracketLow = 0.000000001;
constexpr double kBracketHigh = 1.0;
// Halving [1e-9, 1] down to neighbouring doubles near λ = 0.01 takes about
// 60 rounds; the cap only guards against a bracket that never closes.
constexpr int kMaxRounds = 200;

} // namespace

double ColebrookWhiteResidual(double lambda, double reynolds, double roughness, double diameter)
{
    const double root = math::SquareRoot(lambda);
    return 2 * math::Log10(laws::kColebrookViscous / reynolds / root + roughness * laws::kInverse371 / diameter)
        + 1 / root;
}

double SolveColebrookWhite(double reynolds, double roughness, double diameter)
{
    const auto law = [&](double lambda) { return ColebrookWhiteResidual(lambda, reynolds, roughness, diameter); };
    double lo = kBracketLow;
    double hi = kBracketHigh;
    const double atLow = law(lo);
    double atHigh = law(hi);
    // Positive below the root, negative above it.
    if (!(atLow > 0 && atHigh < 0))
        return std::numeric_limits<double>::quiet_NaN();
    double atLowEnd = atLow;
    for (int round = 0; round < kMaxRounds; ++round) {
        const double mid = (lo + hi) * 0.5;
        if (mid == lo || mid == hi)
            break;
        const double atMid = law(mid);
        if (atMid > 0) {
            lo = mid;
            atLowEnd = atMid;
        } else {
            hi = mid;
            atHigh = atMid;
        }
    }
    // The root lies between two neighbouring doubles: the one nearer to it.
    return std::fabs(atLowEnd) < std::fabs(atHigh) ? lo : hi;
}

} // namespace vendrel
