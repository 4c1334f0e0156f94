#include "cli/strictcalculation.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/water.h"
#include "messages/numbercheck.h"

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;

enum Input { kFlow, kDiameter, kRoughness, kViscosity, kInputCount };
constexpr std::array<std::string_view, kInputCount> kUnits = {"m³/h", "mm", "mm", "10^-6 m²/s"};

// What is wrong with an input text, none for nothing; value is the number read.
Message InputProblem(std::string_view text, std::string_view unit, double& value)
{
    return messages::CheckNumber(text, messages::AtLeast(kMinimumInput, unit), value);
}

} // namespace

std::optional<std::string> ViscosityFromTemperature(
    std::string_view text, std::string_view name, std::vector<Message>& problems)
{
    double celsius = 0;
    Message problem;
    std::optional<std::string> viscosity = design::ViscosityAtTemperature(text, celsius, problem);
    if (!viscosity)
        problems.push_back(messages::Named(std::string(name), std::move(problem)));
    return viscosity;
}

bool CheckInput(
    std::string_view text, std::string_view name, std::string_view unit, double& value, std::vector<Message>& problems)
{
    Message problem = InputProblem(text, unit, value);
    if (problem.Empty())
        return true;
    problems.push_back(messages::Named(std::string(name), std::move(problem)));
    return false;
}

CalculationOutcome CalculateStrictly(FrictionFields& fields, const InputNames& names, std::vector<Message>& problems)
{
    return CalculateStrictly(fields,
        {fields.m_strFlow, fields.m_strDiameter, fields.m_strRoughness, fields.m_strViscosity}, names, problems);
}

CalculationOutcome CalculateStrictly(FrictionFields& fields, const InputTexts& texts, const InputNames& names,
    std::vector<Message>& problems, bool shown)
{
    // Nothing of an earlier calculation shows through, as after SetInputs.
    for (std::string* result : {&fields.m_strVelocity, &fields.m_strReynolds, &fields.m_strLambda,
             &fields.m_strFrictionRate, &fields.m_strRoughReynolds, &fields.m_strStatus})
        result->clear();
    bool allNumbers = true;
    double values[kInputCount] = {};
    for (int input = 0; input < kInputCount; ++input) {
        // A good input, nearly every one, is read once and not looked at further.
        const std::string_view text = texts[static_cast<std::size_t>(input)];
        if (ParseWholeNumber(text, values[input]) && IsAcceptedInput(values[input]))
            continue;
        Message problem = InputProblem(text, kUnits[static_cast<std::size_t>(input)], values[input]);
        if (problem.Empty())
            continue;
        // A number outside the range is still calculated, as the form does.
        const MessageId id = problem.Id();
        allNumbers = allNumbers && (id == MessageId::Below || id == MessageId::TooLarge);
        const std::string_view name = names[static_cast<std::size_t>(input)];
        if (!name.empty())
            problems.push_back(messages::Named(std::string(name), std::move(problem)));
    }
    if (!allNumbers) {
        ShowInvalidData(fields);
        return {CalculationOutcome::Zone::Invalid, true};
    }

    const InputValues inputs{values[kFlow], values[kDiameter], values[kRoughness], values[kViscosity]};
    const CalculationOutcome outcome = Calculate(fields, inputs);
    if (outcome.zone == CalculationOutcome::Zone::Failed) {
        // What the design aids take instead, for the engineer to judge: a
        // second calculation, only for a message that is shown.
        FrictionFields fallback;
        const bool colebrook
            = shown && CalculateColebrookWhite(fallback, inputs).zone == CalculationOutcome::Zone::ColebrookWhite;
        problems.push_back(colebrook ? Message(MessageId::IterationFailedColebrook,
                               {{"lambda", fallback.m_strLambda}, {"rate", fallback.m_strFrictionRate}})
                                     : Message(MessageId::IterationFailed));
    }
    if (!outcome.finite)
        problems.push_back(Message(MessageId::ResultsNotFinite));
    return outcome;
}

void ReportOutcome(const CalculationOutcome& outcome, std::vector<Message>& problems)
{
    if (outcome.zone == CalculationOutcome::Zone::Failed)
        problems.push_back(Message(MessageId::IterationFailed));
    if (!outcome.finite)
        problems.push_back(Message(MessageId::ResultsNotFinite));
}

} // namespace vendrel::cli
