// Feeds arbitrary texts to the four inputs and checks that every field then
// holds one of the shapes the form may show, and that inputs are untouched.
#include "calc/frictioncalc.h"
#include "calc/messages.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace vendrel;

bool Digits(std::string_view& text)
{
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    text.remove_prefix(n);
    return n > 0;
}

bool IsNonFinite(std::string_view text)
{
    return text == "inf" || text == "-inf" || text == "nan";
}

// "%f": optional minus, digits, point, exactly six digits.
bool IsFixed(std::string_view text)
{
    if (IsNonFinite(text))
        return true;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (!Digits(text) || text.empty() || text.front() != '.')
        return false;
    text.remove_prefix(1);
    return text.size() == 6 && Digits(text) && text.empty();
}

bool IsInteger(std::string_view text)
{
    if (IsNonFinite(text))
        return true;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return Digits(text) && text.empty();
}

bool IsResidual(std::string_view text)
{
    for (const char* prefix : {messages::kSmoothPrefix, messages::kTransitionPrefix, messages::kRoughPrefix}) {
        const std::string_view p = prefix;
        const std::string_view suffix = messages::kResidualSuffix;
        if (text.size() > p.size() + suffix.size() && text.substr(0, p.size()) == p
            && text.substr(text.size() - suffix.size()) == suffix)
            return IsFixed(text.substr(p.size(), text.size() - p.size() - suffix.size()));
    }
    return false;
}

void Require(bool condition, const char* what, const std::string& text)
{
    if (!condition) {
        std::fprintf(stderr, "unexpected %s: \"%s\"\n", what, text.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The four inputs are separated by NUL bytes; missing ones are empty.
    std::string texts[4];
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < 4; ++i) {
        if (data[i] == 0)
            ++field;
        else
            texts[field] += static_cast<char>(data[i]);
    }

    FrictionFields f;
    SetInputs(f, texts[0], texts[1], texts[2], texts[3]);
    const CalculationOutcome outcome = Calculate(f);
    using Zone = CalculationOutcome::Zone;

    Require(f.m_strFlow == texts[0] && f.m_strDiameter == texts[1] && f.m_strRoughness == texts[2]
            && f.m_strViscosity == texts[3],
        "change to an input", f.m_strFlow);
    Require(
        (outcome.zone == Zone::Invalid) == (f.m_strReynolds == messages::kInvalidData), "outcome for", f.m_strReynolds);
    const bool anyNonFinite = IsNonFinite(f.m_strVelocity) || IsNonFinite(f.m_strReynolds) || IsNonFinite(f.m_strLambda)
        || IsNonFinite(f.m_strFrictionRate) || IsNonFinite(f.m_strRoughReynolds);
    Require(outcome.finite != anyNonFinite, "finiteness reported for", f.m_strFrictionRate);
    if (f.m_strReynolds == messages::kInvalidData) {
        const bool untouched = f.m_strVelocity.empty() && f.m_strLambda.empty() && f.m_strFrictionRate.empty()
            && f.m_strRoughReynolds.empty() && f.m_strStatus.empty();
        Require(untouched, "result beside the invalid-data message", f.m_strStatus);
        return 0;
    }
    Require(IsFixed(f.m_strVelocity), "velocity", f.m_strVelocity);
    Require(IsInteger(f.m_strReynolds), "Reynolds number", f.m_strReynolds);
    Require(f.m_strReynolds != "nan" && f.m_strVelocity != "nan", "NaN velocity or Reynolds number", f.m_strReynolds);
    Require(
        (outcome.zone == Zone::Failed) == (f.m_strStatus == messages::kIterationFailed), "outcome for", f.m_strStatus);
    if (f.m_strStatus == messages::kIterationFailed) {
        Require(f.m_strLambda.empty() && f.m_strFrictionRate.empty() && f.m_strRoughReynolds.empty(),
            "λ-based result after a failed iteration", f.m_strLambda);
        return 0;
    }
    Require(IsFixed(f.m_strLambda) && f.m_strLambda[0] != '-', "friction factor", f.m_strLambda);
    Require(IsFixed(f.m_strFrictionRate) && f.m_strFrictionRate[0] != '-', "friction loss", f.m_strFrictionRate);
    if (f.m_strStatus == messages::kLaminar || f.m_strStatus == messages::kCritical) {
        Require(f.m_strRoughReynolds == messages::kNotTurbulent, "non-turbulent marker", f.m_strRoughReynolds);
    } else {
        Require(IsResidual(f.m_strStatus), "status", f.m_strStatus);
        Require(IsFixed(f.m_strRoughReynolds), "roughness Reynolds number", f.m_strRoughReynolds);
    }
    return 0;
}
