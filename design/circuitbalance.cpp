#include "design/circuitbalance.h"

#include "calc/numbertext.h"

#include <cmath>

namespace vendrel::design {
namespace {

// Kv is defined at 1 bar, 100 kPa, of water of 1000 kg/m³.
constexpr double kKvPascals = 100000;
constexpr double kKvDensity = 1000;
// Excesses this small beside the index circuit's total are its rounding.
constexpr double kRoundingShare = 1e-9;
// Below this share of the pump head a section is left as it is, unless its level needs balancing.
constexpr double kThrottledShare = 0.01;

} // namespace

double KvFor(double flow, double pascals, double density)
{
    return flow * std::sqrt(density / kKvDensity / (pascals / kKvPascals));
}

double ValveLoss(double flow, double kv, double density)
{
    const double ratio = flow / kv;
    return ratio * ratio * kKvPascals * density / kKvDensity;
}

double OrificeZeta(double n)
{
    const double open = 1 - n;
    // (1 − n)^0.375 as (⁸√(1 − n))³: square roots are the same bits on every platform.
    const double eighth = std::sqrt(std::sqrt(std::sqrt(open)));
    const double root = open + 0.707 * eighth * eighth * eighth;
    return root * root / (n * n);
}

double OrificeRatio(double zeta)
{
    if (!(zeta > 0) || !std::isfinite(zeta))
        return kNoValue;
    // In x = (1 − n)^⅛ the orifice's √ζ·n = (1 − n) + 0.707·(1 − n)^0.375 is
    // h(x) = (√ζ + 1)·x⁸ + 0.707·x³ − √ζ = 0: rising and convex on [0, 1],
    // below 0 at 0 and above at 1. Newton's method from x = 1 comes down to
    // the root and stops where a step no longer does, in + − × ÷ alone.
    const double root = std::sqrt(zeta);
    double x = 1;
    for (int step = 0; step < 200; ++step) {
        const double x2 = x * x;
        const double x3 = x2 * x;
        const double x7 = x3 * x3 * x;
        const double h = (root + 1) * x7 * x + 0.707 * x3 - root;
        const double slope = 8 * (root + 1) * x7 + 3 * 0.707 * x2;
        const double next = x - h / slope;
        if (!(next < x))
            break;
        x = next;
    }
    const double x4 = x * x * x * x;
    return 1 - x4 * x4;
}

Throttle ThrottleOf(const SectionResult& section)
{
    Throttle throttle;
    const SectionBalance& balance = section.balance;
    if (!balance.throttles)
        return throttle;
    const FrictionFields& fields = section.fields;
    throttle.kv = KvFor(ParseNumber(fields.m_strFlow), balance.excess, section.density);
    const double velocity = ParseNumber(fields.m_strVelocity);
    const double n = OrificeRatio(balance.excess / (section.density * velocity * velocity / 2));
    const double bore = ParseNumber(fields.m_strDiameter);
    throttle.orifice = bore * std::sqrt(n);
    // Idelchik's Re is the orifice's: the pipe's times D/d.
    throttle.approximate = ParseNumber(fields.m_strReynolds) / std::sqrt(n) < kOrificeReynolds;
    throttle.impractical = throttle.orifice < kSmallestOrifice || throttle.orifice < kSmallestOrificeShare * bore;
    return throttle;
}

void BalanceCircuit(const CircuitGraph& graph, const std::vector<double>& totals, const CircuitSettings& settings,
    CircuitResult& result)
{
    const std::vector<double> toEnd = graph.LongestToEnd(totals);
    const double whole = toEnd[static_cast<std::size_t>(graph.Start())];
    result.sectionsToBalance = 0;
    if (!std::isfinite(whole))
        return; // an infinite loss leaves every excess unknown
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        SectionResult& section = result.sections[s];
        SectionBalance& balance = section.balance;
        const double drop = toEnd[static_cast<std::size_t>(graph.From(static_cast<int>(s)))]
            - toEnd[static_cast<std::size_t>(graph.To(static_cast<int>(s)))];
        balance.excess = drop - totals[s];
        if (balance.excess < kRoundingShare * whole)
            balance.excess = 0;
        balance.level = drop > 0 ? balance.excess / drop : 0;
        balance.needed = balance.level > settings.maxImbalance;
        if (balance.needed)
            ++result.sectionsToBalance;
        balance.throttles
            = balance.excess > 0 && (balance.needed || balance.excess >= kThrottledShare * result.headPascals);
    }
}

} // namespace vendrel::design
