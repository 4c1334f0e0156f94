#include "design/sizing.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "calc/zonenames.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace vendrel::design {

double PascalsPerMetre(double frictionRate, double density)
{
    return density * kGravity * frictionRate / 1000;
}

std::string DiameterText(double millimetres)
{
    std::string result = FixedText(millimetres, 2);
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    return result;
}

std::string PascalsText(double pascalsPerMetre)
{
    return std::isnan(pascalsPerMetre) ? std::string() : FixedText(pascalsPerMetre, 1);
}

std::string ZoneColumnText(const SizedPipe& pipe)
{
    return std::string(ZoneName(pipe.outcome.zone)) + (pipe.exceededAtLowerFlow ? "†" : "");
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSmallestFlow = 0.000001; // m³/h, the smallest the calculation accepts
constexpr double kLargestFlow = 1e6;       // m³/h, far beyond any pipe here

bool Calculated(const CalculationOutcome& outcome)
{
    using Zone = CalculationOutcome::Zone;
    return outcome.zone != Zone::Invalid && outcome.zone != Zone::Failed && outcome.finite;
}

// A loss in Pa/m as the user reads it in a list, to 0.1: the limits judge it.
double AsListed(double pascals)
{
    return std::isfinite(pascals) ? ParseNumber(PascalsText(pascals)) : pascals;
}

bool Passes(double listed, double limit, Passing passing)
{
    return passing == Passing::Exceeds ? listed > limit : listed >= limit;
}

// Positive doubles are ordered as their bit patterns, so that a bisection
// over these ends at two neighbouring flows.
std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The largest flow from lo up to hi at which holds is true, for a property
// true at small flows and false from some flow on; NaN unless it holds at
// lo and not at hi.
template <typename Property> double LastFlowWhere(double lo, double hi, const Property& holds)
{
    if (!holds(lo) || holds(hi))
        return kNaN;
    std::uint64_t low = Bits(lo);
    std::uint64_t high = Bits(hi);
    while (high - low > 1) {
        const std::uint64_t mid = low + (high - low) / 2;
        (holds(FromBits(mid)) ? low : high) = mid;
    }
    return FromBits(low);
}

// One bore's loss as the flow through it grows. Within a law it grows with
// the flow; where the law changes it may drop a little: at Re 2000 (64/Re
// to 0.0025·Re^⅓) and where the rough zone begins after a band that only
// Colebrook–White answers. So "the loss has passed a limit" asks also about
// the last flow before each drop below the flow in question.
class BoreLoss {
public:
    BoreLoss(double inside, double roughness, double viscosity, double density)
        : m_inside(inside)
        , m_roughness(roughness)
        , m_viscosity(viscosity)
        , m_density(density)
    { }

    InputValues Inputs(double flow) const { return {flow, m_inside, m_roughness, m_viscosity}; }

    // The loss in Pa/m of a calculation's texts; NaN where there is none.
    double Pascals(const FrictionFields& fields, const CalculationOutcome& outcome) const
    {
        return Calculated(outcome) ? PascalsPerMetre(ParseNumber(fields.m_strFrictionRate), m_density) : kNaN;
    }

    double ListedAt(double flow) const
    {
        FrictionFields fields;
        const CalculationOutcome outcome = CalculateColebrookWhite(fields, Inputs(flow));
        return AsListed(Pascals(fields, outcome));
    }

    // Whether the listed loss passed the limit at a smaller flow, before one
    // of the drops, for a flow under law.
    bool PassedBelow(double flow, CalculationLaw law, double limit, Passing passing) const
    {
        if (law == CalculationLaw::Invalid || law == CalculationLaw::Laminar)
            return false;
        if (LaminarEndCouldPass(limit)
            && Passes(LastListed(m_laminarEnd, flow, CalculationLaw::Laminar), limit, passing))
            return true;
        return law == CalculationLaw::Rough
            && Passes(LastListed(m_roughStart, flow, CalculationLaw::Rough), limit, passing);
    }

    bool PassedBy(double flow, double limit, Passing passing) const
    {
        return Passes(ListedAt(flow), limit, passing) || PassedBelow(flow, LawFor(Inputs(flow)), limit, passing);
    }

private:
    // The laminar loss at Re 2000, 64/2000 ÷ D · V² in water column, is far
    // below any limit in the bores of real pipes: then no search is needed.
    bool LaminarEndCouldPass(double limit) const
    {
        const double diameter = m_inside * 0.001;
        const double velocity = 2000 * m_viscosity * 0.000001 / diameter;
        const double head = 0.032 / diameter * velocity * velocity / (2 * kGravity) * 1000;
        return PascalsPerMetre(head, m_density) * 1.01 + 0.05 >= limit;
    }

    // The listed loss at the last flow before the law stops being laminar
    // (before) or becomes rough (from), found once per bore.
    double LastListed(std::optional<double>& cache, double flow, CalculationLaw law) const
    {
        if (!cache) {
            const auto holds = [&](double f) {
                const CalculationLaw at = LawFor(Inputs(f));
                return law == CalculationLaw::Laminar ? at == CalculationLaw::Laminar : at != CalculationLaw::Rough;
            };
            const double last = LastFlowWhere(kSmallestFlow, std::max(flow, kSmallestFlow), holds);
            cache = std::isnan(last) ? kNaN : ListedAt(last);
        }
        return *cache;
    }

    double m_inside;
    double m_roughness;
    double m_viscosity;
    double m_density;
    mutable std::optional<double> m_laminarEnd;
    mutable std::optional<double> m_roughStart;
};

} // namespace

Sizing SizeForFlow(const std::vector<SizeChoice>& sizes, std::string_view flow, std::string_view roughness,
    std::string_view viscosity, double density, const SizingLimits& limits)
{
    Sizing sizing;
    sizing.pipes.resize(sizes.size()); // filled in place: a pipe holds ten texts
    const double flowValue = ParseNumber(flow);
    const double roughnessValue = ParseNumber(roughness);
    const double viscosityValue = ParseNumber(viscosity);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SizedPipe& pipe = sizing.pipes[i];
        pipe.nominal = sizes[i].nominal;
        pipe.diameter = DiameterText(sizes[i].inside);
        const BoreLoss bore(ParseNumber(pipe.diameter), roughnessValue, viscosityValue, density);
        SetInputs(pipe.fields, flow, pipe.diameter, roughness, viscosity);
        pipe.outcome = CalculateColebrookWhite(pipe.fields, bore.Inputs(flowValue));
        // From the printed texts: the limits judge the digits the user sees.
        pipe.pascalsPerMetre = bore.Pascals(pipe.fields, pipe.outcome);
        pipe.pascals = PascalsText(pipe.pascalsPerMetre);
        pipe.maxVelocity = std::min(limits.maxVelocity, sizes[i].maxVelocity);
        // Pa/m as shown, to 0.1: a size listed at 300.0 is within 300.
        const bool rateWithin = Calculated(pipe.outcome) && ParseNumber(pipe.pascals) <= limits.maxPascalsPerMetre;
        pipe.exceededAtLowerFlow = rateWithin
            && bore.PassedBelow(flowValue, LawFor(bore.Inputs(flowValue)), limits.maxPascalsPerMetre, Passing::Exceeds);
        pipe.withinLimits
            = rateWithin && !pipe.exceededAtLowerFlow && ParseNumber(pipe.fields.m_strVelocity) <= pipe.maxVelocity;
        if (pipe.withinLimits && sizing.recommended < 0)
            sizing.recommended = static_cast<int>(i);
    }
    return sizing;
}

double FlowForRate(
    double inside, double roughness, double viscosity, double density, double pascalsPerMetre, Passing passing)
{
    const BoreLoss bore(inside, roughness, viscosity, density);
    const auto passed = [&](double logFlow) { return bore.PassedBy(std::exp(logFlow), pascalsPerMetre, passing); };
    double lo = std::log(kSmallestFlow);
    double hi = std::log(kLargestFlow);
    if (passed(lo) || !passed(hi))
        return kNaN;
    while (hi - lo > 1e-12) {
        const double mid = (lo + hi) / 2;
        (passed(mid) ? hi : lo) = mid;
    }
    return std::exp((lo + hi) / 2);
}

} // namespace vendrel::design
