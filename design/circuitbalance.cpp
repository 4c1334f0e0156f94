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
    // ζ falls from infinity at n = 0 to 0 at n = 1.
    double below = 0;
    double above = 1;
    for (int step = 0; step < 100 && above - below > 0x1p-60; ++step) {
        const double middle = (below + above) / 2;
        (OrificeZeta(middle) > zeta ? below : above) = middle;
    }
    return (below + above) / 2;
}

void BalanceCircuit(const CircuitGraph& graph, const std::vector<double>& totals, const CircuitSettings& settings,
    CircuitResult& result)
{
    const std::vector<double> toEnd = graph.LongestToEnd(totals);
    const double whole = toEnd[static_cast<std::size_t>(graph.Start())];
    result.sectionsToBalance = 0;
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
        if (balance.excess == 0 || (!balance.needed && balance.excess < kThrottledShare * result.headPascals))
            continue;
        const FrictionFields& fields = section.fields;
        balance.kv = KvFor(ParseNumber(fields.m_strFlow), balance.excess, section.density);
        const double velocity = ParseNumber(fields.m_strVelocity);
        const double n = OrificeRatio(balance.excess / (section.density * velocity * velocity / 2));
        const double bore = ParseNumber(fields.m_strDiameter);
        balance.orifice = bore * std::sqrt(n);
        // Idelchik's Re is the orifice's: the pipe's times D/d.
        balance.approximate = ParseNumber(fields.m_strReynolds) / std::sqrt(n) < kOrificeReynolds;
        balance.impractical = balance.orifice < kSmallestOrifice || balance.orifice < kSmallestOrificeShare * bore;
    }
}

} // namespace vendrel::design
