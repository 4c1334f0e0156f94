#include "calc/turbulentsolver.h"

#include "calc/frictionlaws.h"
#include "calc/portablemath.h"

#include <cmath>

namespace vendrel {
namespace {

constexpr double kBracketLow = 0.000000001;
constexpr double kBracketHigh = 1.0;
constexpr double kTolerance = 0.000000001;
constexpr double kSmoothLimit = 0.3; // Re* below this: hydraulically smooth
constexpr double kRoughLimit = 60.0; // Re* above this: fully rough
constexpr double kFailed = -1.0;
// Outside this band of the rough law's Re*, the smooth law is usually needed
// after Colebrook–White (smooth pipes below it, no fitting zone above it).
constexpr double kSmoothLikelyBelow = 0.25;
constexpr double kSmoothLikelyAbove = 40.0;

// Re* for a trial λ.
double RoughReynolds(double lambda, double K, double V, double nu)
{
    return math::SquareRoot(lambda * laws::kEighth) * K * V / nu;
}

double RoughLambda(double k, double d)
{
    return math::FourthRoot(k / d) * laws::kRoughFactor;
}

// Plain bisection on [kBracketLow, kBracketHigh] for a law whose value at the
// lower end is lawAtLow. The result is the last midpoint, not either end: the
// residuals shown to the user are computed at it.
struct Bisection {
    double lawAtLow = 0;
    double lo = kBracketLow;
    double hi = kBracketHigh;
    double mid = 0;

    bool Done() const { return !(std::fabs(hi - lo) > kTolerance); }
    double NextMid() { return mid = (hi + lo) * 0.5; }
    void Take(double lawAtMid)
    {
        if (lawAtMid * lawAtLow > 0)
            lo = mid;
        else
            hi = mid;
    }
    template <typename Law> double Finish(const Law& law)
    {
        while (!Done())
            Take(law(NextMid()));
        return mid;
    }
};

// Runs two bisections side by side. Each step of one waits on a logarithm of
// the step before; interleaving two independent chains keeps the processor
// busy instead of waiting. The results are exactly those of running them apart.
template <typename LawA, typename LawB>
void BisectTogether(Bisection& a, const LawA& lawA, Bisection& b, const LawB& lawB)
{
    while (!a.Done() && !b.Done()) {
        const double atA = lawA(a.NextMid());
        const double atB = lawB(b.NextMid());
        a.Take(atA);
        b.Take(atB);
    }
    a.Finish(lawA);
    b.Finish(lawB);
}

} // namespace

double SolveTurbulentFriction(float K, float D, float V, float nu, FlowZone& zone)
{
    const double k = K;
    const double d = D;
    const double v = V;
    const double n = nu;

    zone = FlowZone::Rough;
    const double roughLambda = RoughLambda(k, d);
    const double roughReynolds = RoughReynolds(roughLambda, k, v, n);
    if (roughReynolds > kRoughLimit)
        return roughLambda;

    const double re = d * v / n;
    const double relativeRoughness = k * laws::kInverse371 / d;
    const double viscousTerm = laws::kColebrookViscous / re;
    // Colebrook–White residual: positive below the root, negative above it.
    const auto colebrook = [&](double lambda) {
        const double inverseRoot = 1 / math::SquareRoot(lambda);
        return 2 * math::Log10(viscousTerm * inverseRoot + relativeRoughness) + inverseRoot;
    };
    // Smooth-pipe residual: negative below the root, positive above it.
    const auto smooth = [&](double lambda) {
        const double root = math::SquareRoot(lambda);
        return 2 * math::Log10(root * re) - laws::kSmoothOffset - 1 / root;
    };

    // The smooth law is solved alongside Colebrook–White when it will probably
    // be needed; it is a pure function, so solving it early changes nothing.
    const bool smoothLikely = !(roughReynolds >= kSmoothLikelyBelow && roughReynolds <= kSmoothLikelyAbove);
    Bisection smoothSearch;
    bool smoothBracketed = false;
    bool smoothSolved = false;
    const auto bracketSmooth = [&] {
        smoothSearch.lawAtLow = smooth(kBracketLow);
        smoothBracketed = !(smoothSearch.lawAtLow * smooth(kBracketHigh) > 0);
    };
    if (smoothLikely)
        bracketSmooth();

    zone = FlowZone::Transition;
    Bisection colebrookSearch{colebrook(kBracketLow)};
    if (colebrookSearch.lawAtLow * colebrook(kBracketHigh) < 0) {
        if (smoothLikely && smoothBracketed) {
            BisectTogether(colebrookSearch, colebrook, smoothSearch, smooth);
            smoothSolved = true;
        } else {
            colebrookSearch.Finish(colebrook);
        }
        const double colebrookReynolds = RoughReynolds(colebrookSearch.mid, k, v, n);
        if (colebrookReynolds >= kSmoothLimit && colebrookReynolds <= kRoughLimit)
            return colebrookSearch.mid;
    }

    zone = FlowZone::Smooth;
    if (!smoothLikely)
        bracketSmooth();
    if (!smoothBracketed) {
        zone = FlowZone::Failed;
        return kFailed;
    }
    if (!smoothSolved)
        smoothSearch.Finish(smooth);
    if (RoughReynolds(smoothSearch.mid, k, v, n) < kSmoothLimit)
        return smoothSearch.mid;
    zone = FlowZone::Failed;
    return kFailed;
}

bool IsFullyRough(float K, float D, float V, float nu)
{
    return RoughReynolds(RoughLambda(K, D), K, V, nu) > kRoughLimit;
}

} // namespace vendrel
