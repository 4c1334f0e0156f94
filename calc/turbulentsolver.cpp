#include "calc/turbulentsolver.h"

#include <cmath>

namespace vendrel {
namespace {

constexpr double kBracketLow = 0.000000001;
constexpr double kBracketHigh = 1.0;
constexpr double kTolerance = 0.000000001;
constexpr double kSmoothLimit = 0.3;               // Re* below this: hydraulically smooth
constexpr double kRoughLimit = 60.0;               // Re* above this: fully rough
constexpr double kInverse371 = 0.2695417789757412; // 1/3.71, applied as a multiplier
constexpr double kFailed = -1.0;

// Re* for a trial λ.
double RoughReynolds(double lambda, double K, double V, double nu)
{
    return std::pow(lambda * 0.125, 0.5) * K * V / nu;
}

// Plain bisection on [kBracketLow, kBracketHigh]; returns the last midpoint
// (not either bracket end), which is what the residuals shown are based on.
template <typename Law> double Bisect(const Law& law, double lawAtLow)
{
    double lo = kBracketLow;
    double hi = kBracketHigh;
    double mid;
    do {
        mid = (hi + lo) * 0.5;
        if (law(mid) * lawAtLow > 0)
            lo = mid;
        else
            hi = mid;
    } while (std::fabs(hi - lo) > kTolerance);
    return mid;
}

} // namespace

double SolveTurbulentFriction(float K, float D, float V, float nu, FlowZone& zone)
{
    const double k = K;
    const double d = D;
    const double v = V;
    const double n = nu;

    zone = FlowZone::Rough;
    const double roughLambda = std::pow(k / d, 0.25) * 0.11;
    if (RoughReynolds(roughLambda, k, v, n) > kRoughLimit)
        return roughLambda;

    const double re = d * v / n;
    const double relativeRoughness = k * kInverse371 / d;
    const double viscousTerm = 2.51 / re;

    // Colebrook–White residual: positive below the root, negative above it.
    const auto colebrook = [&](double lambda) {
        const double inverseRoot = 1 / std::pow(lambda, 0.5);
        return 2 * std::log10(viscousTerm * inverseRoot + relativeRoughness) + inverseRoot;
    };
    zone = FlowZone::Transition;
    const double colebrookLow = colebrook(kBracketLow);
    if (colebrookLow * colebrook(kBracketHigh) < 0) {
        const double lambda = Bisect(colebrook, colebrookLow);
        const double roughReynolds = RoughReynolds(lambda, k, v, n);
        if (roughReynolds >= kSmoothLimit && roughReynolds <= kRoughLimit)
            return lambda;
    }

    // Smooth-pipe residual: negative below the root, positive above it.
    const auto smooth = [&](double lambda) {
        const double root = std::pow(lambda, 0.5);
        return 2 * std::log10(root * re) - 0.8 - 1 / root;
    };
    zone = FlowZone::Smooth;
    const double smoothLow = smooth(kBracketLow);
    if (smoothLow * smooth(kBracketHigh) > 0) {
        zone = FlowZone::Failed;
        return kFailed;
    }
    const double lambda = Bisect(smooth, smoothLow);
    if (RoughReynolds(lambda, k, v, n) < kSmoothLimit)
        return lambda;
    zone = FlowZone::Failed;
    return kFailed;
}

} // namespace vendrel
