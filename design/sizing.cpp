#include "design/sizing.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"

#include <cmath>
#include <limits>
#include <utility>

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

Sizing SizeForFlow(const std::vector<SizeChoice>& sizes, std::string_view flow, std::string_view roughness,
    std::string_view viscosity, double density, const SizingLimits& limits)
{
    using Zone = CalculationOutcome::Zone;
    Sizing sizing;
    sizing.pipes.resize(sizes.size()); // filled in place: a pipe holds ten texts
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SizedPipe& pipe = sizing.pipes[i];
        pipe.nominal = sizes[i].nominal;
        pipe.diameter = DiameterText(sizes[i].inside);
        SetInputs(pipe.fields, flow, pipe.diameter, roughness, viscosity);
        pipe.outcome = Calculate(pipe.fields);
        const bool calculated
            = pipe.outcome.zone != Zone::Invalid && pipe.outcome.zone != Zone::Failed && pipe.outcome.finite;
        // From the printed texts: the limits judge the digits the user sees.
        pipe.pascalsPerMetre = calculated ? PascalsPerMetre(ParseNumber(pipe.fields.m_strFrictionRate), density)
                                          : std::numeric_limits<double>::quiet_NaN();
        pipe.pascals = PascalsText(pipe.pascalsPerMetre);
        // Pa/m as shown, to 0.1: a size listed at 300.0 is within 300.
        pipe.withinLimits = calculated && ParseNumber(pipe.pascals) <= limits.maxPascalsPerMetre
            && ParseNumber(pipe.fields.m_strVelocity) <= limits.maxVelocity;
        if (pipe.withinLimits && sizing.recommended < 0)
            sizing.recommended = static_cast<int>(i);
    }
    return sizing;
}

namespace {

// The loss in Pa/m at a flow, NaN where the calculation gives none (no
// friction law fitting its zone, just about the rough boundary).
double RateAt(double flow, double inside, double roughness, double viscosity, double density)
{
    FrictionFields fields;
    const CalculationOutcome outcome = Calculate(fields, {flow, inside, roughness, viscosity});
    if (outcome.zone == CalculationOutcome::Zone::Invalid || outcome.zone == CalculationOutcome::Zone::Failed
        || !outcome.finite)
        return std::numeric_limits<double>::quiet_NaN();
    return PascalsPerMetre(ParseNumber(fields.m_strFrictionRate), density);
}

} // namespace

double FlowForRate(double inside, double roughness, double viscosity, double density, double pascalsPerMetre)
{
    const auto rateAt
        = [&](double logFlow) { return RateAt(std::exp(logFlow), inside, roughness, viscosity, density); };
    // Which side of the target a flow is on. Where the calculation gives no
    // loss (a band of flows where no law fits its zone) the nearest flow with
    // a loss decides, as the loss grows with the flow on either side of the
    // band; counting the band as one side would steer the search into it
    // when the crossing lies elsewhere. No loss within ×e either way counts
    // as below.
    const auto below = [&](double logFlow) {
        double rate = rateAt(logFlow);
        for (double step = 1e-9; std::isnan(rate) && step < 1; step *= 2) {
            rate = rateAt(logFlow - step);
            if (std::isnan(rate))
                rate = rateAt(logFlow + step);
        }
        return std::isnan(rate) || rate < pascalsPerMetre;
    };
    double lo = std::log(1e-6);
    double hi = std::log(1e6);
    if (!below(lo) || below(hi))
        return std::numeric_limits<double>::quiet_NaN();
    while (hi - lo > 1e-12) {
        const double mid = (lo + hi) / 2;
        (below(mid) ? lo : hi) = mid;
    }
    // The loss must cross the target here between two calculated losses. It
    // may jump across it (at Re 2000 and 4000, where the law changes), but a
    // crossing next to a flow without a loss is not a flow to print.
    const double before = rateAt(lo - 1e-9);
    const double after = rateAt(hi + 1e-9);
    if (!(before < pascalsPerMetre && after >= pascalsPerMetre))
        return std::numeric_limits<double>::quiet_NaN();
    return std::exp((lo + hi) / 2);
}

} // namespace vendrel::design
