#include "calc/frictioncalc.h"

#include "calc/colebrookwhite.h"
#include "calc/flowzone.h"
#include "calc/frictionlaws.h"
#include "calc/messages.h"
#include "calc/numbertext.h"
#include "calc/portablemath.h"
#include "calc/turbulentsolver.h"

#include <cmath>
#include <limits>

namespace vendrel {
namespace {

constexpr double kPerHour = 0.0002777777777777778; // 1/3600: m³/h to m³/s
constexpr double kPipeAreaFactor = 0.7853981625;   // ten-digit π/4, kept for identical results
constexpr double kMillimetre = 0.001;
constexpr double kViscosityUnit = 0.000001; // the viscosity is typed in 10⁻⁶ m²/s
constexpr double kLaminarLimit = 2000.0;
constexpr double kTurbulentLimit = 4000.0;
constexpr double kOneThirdSingle = 0.3333333432674408;   // 1/3 rounded to single precision
constexpr double kHeadToMillimetres = 50.98399102681758; // 1000/(2·9.807)
constexpr double kResidualScale = 1000000.0;

// Rounds to single precision as the hardware does (to nearest, overflowing to
// infinity); a plain cast of a double beyond the float range is undefined.
float ToSingle(double value)
{
    if (!(std::fabs(value) > std::numeric_limits<float>::max()))
        return static_cast<float>(value);
    // Between the largest float and the midpoint to the next power of two the
    // value rounds down to the largest float; from the midpoint on, to infinity.
    const float rounded = std::fabs(value) < 0x1.ffffffp+127 ? std::numeric_limits<float>::max()
                                                             : std::numeric_limits<float>::infinity();
    return std::signbit(value) ? -rounded : rounded;
}

void AssignFixed(std::string& text, double value)
{
    text.clear();
    AppendFixed(text, value);
}

void AssignResidual(std::string& status, const char* prefix, double residual)
{
    status.assign(prefix);
    AppendFixed(status, residual * kResidualScale);
    status.append(messages::kResidualSuffix);
}

constexpr const char* kResidualPrefixes[]
    = {messages::kSmoothPrefix, messages::kTransitionPrefix, messages::kRoughPrefix};

// The residual of the governing law at the λ found, so the engineer sees how
// closely λ satisfies it. Uses the double-precision Re, K and D, while the
// solver worked in single precision.
void AssignTurbulentStatus(
    std::string& status, FlowZone zone, double lambda, double re, double roughness, double diameter)
{
    switch (zone) {
    case FlowZone::Smooth: {
        const double root = math::SquareRoot(lambda);
        AssignResidual(status, messages::kSmoothPrefix, 2 * math::Log10(root * re) - laws::kSmoothOffset - 1 / root);
        break;
    }
    case FlowZone::Transition: {
        AssignResidual(status, messages::kTransitionPrefix, ColebrookWhiteResidual(lambda, re, roughness, diameter));
        break;
    }
    case FlowZone::Rough:
        AssignResidual(
            status, messages::kRoughPrefix, lambda - laws::kRoughFactor * math::FourthRoot(roughness / diameter));
        break;
    case FlowZone::Failed:
    case FlowZone::None:
        status.assign(messages::kIterationFailed);
        break;
    }
}

// A flow in SI units with its velocity and Reynolds number, as every result
// is computed from them.
struct Flow {
    double diameter;  // m
    double roughness; // m
    double viscosity; // m²/s
    double velocity;  // m/s
    double re;
};

Flow FlowOf(const InputValues& inputs)
{
    Flow flow;
    flow.diameter = inputs.diameter * kMillimetre;
    flow.roughness = inputs.roughness * kMillimetre;
    flow.viscosity = inputs.viscosity * kViscosityUnit;
    flow.velocity = (inputs.flow * kPerHour) / (flow.diameter * flow.diameter * kPipeAreaFactor);
    flow.re = flow.velocity * flow.diameter / flow.viscosity;
    return flow;
}

bool Accepted(const InputValues& inputs)
{
    // A zero, negative or infinite viscosity would produce a plausible-looking
    // but meaningless laminar or rough result, so it is refused like the rest.
    return IsAcceptedInput(inputs.diameter) && IsAcceptedInput(inputs.flow) && IsAcceptedInput(inputs.roughness)
        && IsAcceptedInput(inputs.viscosity);
}

// The λ-based texts of a turbulent flow: Re*, λ and Rf.
void AssignTurbulentResults(FrictionFields& fields, CalculationOutcome& outcome, double lambda, const Flow& flow)
{
    const double roughReynolds
        = math::SquareRoot(lambda * laws::kEighth) * flow.velocity * flow.roughness / flow.viscosity;
    AssignFixed(fields.m_strRoughReynolds, roughReynolds);
    const double frictionRate = lambda / flow.diameter * flow.velocity * flow.velocity * kHeadToMillimetres;
    AssignFixed(fields.m_strLambda, lambda);
    AssignFixed(fields.m_strFrictionRate, frictionRate);
    outcome.finite
        = outcome.finite && std::isfinite(roughReynolds) && std::isfinite(lambda) && std::isfinite(frictionRate);
}

} // namespace

bool IsAcceptedInput(double value)
{
    return value >= kMinimumInput && std::isfinite(value);
}

void ShowInvalidData(FrictionFields& fields)
{
    fields.m_strReynolds.assign(messages::kInvalidData);
}

std::string_view StatusResidual(std::string_view status)
{
    const std::string_view suffix = messages::kResidualSuffix;
    for (const std::string_view prefix : kResidualPrefixes) {
        if (status.size() >= prefix.size() + suffix.size() && status.substr(0, prefix.size()) == prefix
            && status.substr(status.size() - suffix.size()) == suffix)
            return status.substr(prefix.size(), status.size() - prefix.size() - suffix.size());
    }
    return {};
}

CalculationOutcome Calculate(FrictionFields& fields)
{
    const double diameter = ParseNumber(fields.m_strDiameter);
    const double flow = ParseNumber(fields.m_strFlow);
    const double roughness = ParseNumber(fields.m_strRoughness);
    const double viscosity = ParseNumber(fields.m_strViscosity);
    return Calculate(fields, {flow, diameter, roughness, viscosity});
}

CalculationOutcome Calculate(FrictionFields& fields, const InputValues& inputs)
{
    using Zone = CalculationOutcome::Zone;
    if (!Accepted(inputs)) {
        ShowInvalidData(fields);
        return {Zone::Invalid, true};
    }
    const Flow flow = FlowOf(inputs);
    AssignFixed(fields.m_strVelocity, flow.velocity);
    AssignTruncatedInteger(fields.m_strReynolds, flow.re);
    CalculationOutcome outcome{Zone::Invalid, std::isfinite(flow.velocity) && std::isfinite(flow.re)};

    if (flow.re > kTurbulentLimit) {
        FlowZone zone = FlowZone::None;
        const double lambda = SolveTurbulentFriction(
            ToSingle(flow.roughness), ToSingle(flow.diameter), ToSingle(flow.velocity), ToSingle(flow.viscosity), zone);
        AssignTurbulentStatus(fields.m_strStatus, zone, lambda, flow.re, flow.roughness, flow.diameter);
        if (zone == FlowZone::Failed) {
            // No law fits its zone: show no λ-based result rather than -1 and a negative loss.
            fields.m_strLambda.clear();
            fields.m_strFrictionRate.clear();
            fields.m_strRoughReynolds.clear();
            outcome.zone = Zone::Failed;
            return outcome;
        }
        outcome.zone = zone == FlowZone::Smooth ? Zone::Smooth
            : zone == FlowZone::Rough           ? Zone::Rough
                                                : Zone::Transition;
        AssignTurbulentResults(fields, outcome, lambda, flow);
        return outcome;
    }
    // A Re that is not a number fails both comparisons and counts as laminar.
    const bool critical = flow.re >= kLaminarLimit;
    const double lambda = critical ? 0.0025 * math::Pow(flow.re, kOneThirdSingle) : 64 / flow.re;
    fields.m_strStatus.assign(critical ? messages::kCritical : messages::kLaminar);
    fields.m_strRoughReynolds.assign(messages::kNotTurbulent);
    outcome.zone = critical ? Zone::Critical : Zone::Laminar;
    const double frictionRate = lambda / flow.diameter * flow.velocity * flow.velocity * kHeadToMillimetres;
    AssignFixed(fields.m_strLambda, lambda);
    AssignFixed(fields.m_strFrictionRate, frictionRate);
    outcome.finite = outcome.finite && std::isfinite(lambda) && std::isfinite(frictionRate);
    return outcome;
}

CalculationOutcome CalculateColebrookWhite(FrictionFields& fields, const InputValues& inputs)
{
    const CalculationOutcome outcome = Calculate(fields, inputs);
    if (outcome.zone != CalculationOutcome::Zone::Failed)
        return outcome;
    const Flow flow = FlowOf(inputs);
    const double lambda = SolveColebrookWhite(flow.re, flow.roughness, flow.diameter);
    if (std::isnan(lambda))
        return outcome;
    CalculationOutcome fallback{CalculationOutcome::Zone::ColebrookWhite, outcome.finite};
    AssignTurbulentStatus(fields.m_strStatus, FlowZone::Transition, lambda, flow.re, flow.roughness, flow.diameter);
    AssignTurbulentResults(fields, fallback, lambda, flow);
    return fallback;
}

CalculationLaw LawFor(const InputValues& inputs)
{
    if (!Accepted(inputs))
        return CalculationLaw::Invalid;
    const Flow flow = FlowOf(inputs);
    if (!(flow.re >= kLaminarLimit))
        return CalculationLaw::Laminar;
    if (flow.re <= kTurbulentLimit)
        return CalculationLaw::Critical;
    return IsFullyRough(
               ToSingle(flow.roughness), ToSingle(flow.diameter), ToSingle(flow.velocity), ToSingle(flow.viscosity))
        ? CalculationLaw::Rough
        : CalculationLaw::Solved;
}

} // namespace vendrel
