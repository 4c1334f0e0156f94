#include "design/sizing.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace vendrel::design {

double PascalsPerMetre(double frictionRate, double density)
{
    return density * kGravity * frictionRate / 1000;
}

std::string DiameterText(double millimetres)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, millimetres, std::chars_format::fixed, 2);
    std::string result(text, written.ptr);
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    return result;
}

Sizing SizeForFlow(const std::vector<SizeChoice>& sizes, std::string_view flow, std::string_view roughness,
    std::string_view viscosity, double density, const SizingLimits& limits)
{
    using Zone = CalculationOutcome::Zone;
    Sizing sizing;
    for (const SizeChoice& size : sizes) {
        SizedPipe pipe;
        pipe.nominal = size.nominal;
        pipe.diameter = DiameterText(size.inside);
        SetInputs(pipe.fields, flow, pipe.diameter, roughness, viscosity);
        pipe.outcome = Calculate(pipe.fields);
        const bool calculated
            = pipe.outcome.zone != Zone::Invalid && pipe.outcome.zone != Zone::Failed && pipe.outcome.finite;
        // From the printed texts: the limits judge the digits the user sees.
        pipe.pascalsPerMetre = calculated ? PascalsPerMetre(ParseNumber(pipe.fields.m_strFrictionRate), density)
                                          : std::numeric_limits<double>::quiet_NaN();
        pipe.withinLimits = calculated && pipe.pascalsPerMetre <= limits.maxPascalsPerMetre
            && ParseNumber(pipe.fields.m_strVelocity) <= limits.maxVelocity;
        if (pipe.withinLimits && sizing.recommended < 0)
            sizing.recommended = static_cast<int>(sizing.pipes.size());
        sizing.pipes.push_back(std::move(pipe));
    }
    return sizing;
}

} // namespace vendrel::design
