#include "cli/strictcalculation.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/water.h"

#include <cmath>
#include <cstdio>

namespace vendrel::cli {
namespace {

enum Input { kFlow, kDiameter, kRoughness, kViscosity, kInputCount };
constexpr std::array<const char*, kInputCount> kUnits = {"m³/h", "mm", "mm", "10^-6 m²/s"};
constexpr std::size_t kMaxQuoted = 60;

const std::string& InputText(const FrictionFields& fields, int input)
{
    switch (input) {
    case kFlow:
        return fields.m_strFlow;
    case kDiameter:
        return fields.m_strDiameter;
    case kRoughness:
        return fields.m_strRoughness;
    default:
        return fields.m_strViscosity;
    }
}

// Why a text is not a number, in the words most likely to help.
std::string NotANumber(std::string_view text, std::string_view unit)
{
    if (text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos)
        return "no value";
    std::string problem = Quoted(text) + " is not a number";
    if (text.find(',') != std::string_view::npos || text.find("，") != std::string_view::npos)
        return problem + " (use \".\" as the decimal point)";
    if (ParseNumber(text) != 0)
        return problem + " (give the number alone, in " + std::string(unit) + ")";
    return problem;
}

} // namespace

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    std::size_t i = 0;
    for (; i < text.size() && quoted.size() < kMaxQuoted; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    // Cut at a character boundary, never inside a UTF-8 sequence.
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        quoted += text[i++];
    if (i < text.size())
        quoted += "…";
    return quoted + "\"";
}

std::optional<std::string> ViscosityFromTemperature(
    std::string_view text, std::string_view name, std::vector<std::string>& problems)
{
    double celsius = 0;
    if (!ParseWholeNumber(text, celsius)) {
        problems.push_back(std::string(name) + ": " + NotANumber(text, "°C"));
        return std::nullopt;
    }
    std::optional<std::string> viscosity = design::KinematicViscosityText(celsius);
    if (!viscosity)
        problems.push_back(
            std::string(name) + ": " + Quoted(text) + " is outside 0 to 100 °C, the range of liquid water at 0.1 MPa");
    return viscosity;
}

namespace {

// What is wrong with an input text, "" for nothing; number says whether it
// is a number at all, value is the number read.
std::string InputProblem(std::string_view text, std::string_view unit, double& value, bool& number)
{
    number = ParseWholeNumber(text, value);
    if (!number)
        return NotANumber(text, unit);
    if (std::isinf(value))
        return Quoted(text) + " is too large";
    if (!IsAcceptedInput(value))
        return Quoted(text) + " is below 0.000001 " + (unit.substr(0, 3) == "10^" ? "×" : "") + std::string(unit);
    return {};
}

} // namespace

bool CheckInput(std::string_view text, std::string_view name, std::string_view unit, double& value,
    std::vector<std::string>& problems)
{
    bool number = false;
    const std::string problem = InputProblem(text, unit, value, number);
    if (problem.empty())
        return true;
    problems.push_back(std::string(name) + ": " + problem);
    return false;
}

CalculationOutcome CalculateStrictly(
    FrictionFields& fields, const InputNames& names, std::vector<std::string>& problems)
{
    const auto report = [&](int input, const std::string& problem) {
        const std::string_view name = names[static_cast<std::size_t>(input)];
        if (!name.empty())
            problems.push_back(std::string(name) + ": " + problem);
    };
    bool allNumbers = true;
    double values[kInputCount] = {};
    for (int input = 0; input < kInputCount; ++input) {
        bool number = false;
        const std::string problem
            = InputProblem(InputText(fields, input), kUnits[static_cast<std::size_t>(input)], values[input], number);
        if (!problem.empty())
            report(input, problem);
        allNumbers = allNumbers && number;
    }
    if (!allNumbers) {
        ShowInvalidData(fields);
        return {CalculationOutcome::Zone::Invalid, true};
    }

    const InputValues inputs{values[kFlow], values[kDiameter], values[kRoughness], values[kViscosity]};
    const CalculationOutcome outcome = Calculate(fields, inputs);
    const std::size_t failure = problems.size(); // ReportOutcome names a failed solver first
    ReportOutcome(outcome, problems);
    if (outcome.zone == CalculationOutcome::Zone::Failed) {
        // What the design aids take instead, for the engineer to judge.
        FrictionFields fallback;
        if (CalculateColebrookWhite(fallback, inputs).zone == CalculationOutcome::Zone::ColebrookWhite)
            problems[failure] += "; by the Colebrook–White law alone λ is " + fallback.m_strLambda + " and Rf "
                + fallback.m_strFrictionRate + " mm/m";
    }
    return outcome;
}

void ReportOutcome(const CalculationOutcome& outcome, std::vector<std::string>& problems)
{
    if (outcome.zone == CalculationOutcome::Zone::Failed)
        problems.push_back("no friction law's solution lies in its own zone (迭代失败)");
    if (!outcome.finite) {
        problems.push_back("the results are not finite numbers: check the units (flow in m³/h, diameter and roughness "
                           "in mm, viscosity in 10^-6 m²/s)");
    }
}

} // namespace vendrel::cli
