#pragma once

#include "calc/calculationoutcome.h"
#include "calc/frictionfields.h"
#include "messages/message.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::cli {

// What each front end of vendrel-calc calls the four inputs, in the order
// flow, diameter, roughness, viscosity ("--flow" or the CSV column "flow").
using InputNames = std::array<std::string_view, 4>;
// The four input texts, in the same order.
using InputTexts = std::array<std::string_view, 4>;

// One calculation as scripts need it. The form reads "10,5" as 10 and "50mm"
// as 50; here an input text must be wholly a number, else the form shows the
// invalid-data message without calculating. Every problem that leaves a
// result missing or meaningless is appended to problems for a person to read,
// naming the input ("--flow: \"10,5\" is not a number (use \".\" as the
// decimal point)"). The four inputs must already be in fields. An input
// named "" has no value and was reported already (a temperature or a
// material that gave none): the others are still checked.
CalculationOutcome CalculateStrictly(
    FrictionFields& fields, const InputNames& names, std::vector<messages::Message>& problems);

// The same for input texts held elsewhere, which need not be copied into
// fields: its six results are emptied and written, its input texts left as
// they are. A failed solver's problem tells what the Colebrook–White law
// alone gives, a second calculation, only where shown says the problems
// will be shown.
CalculationOutcome CalculateStrictly(FrictionFields& fields, const InputTexts& texts, const InputNames& names,
    std::vector<messages::Message>& problems, bool shown = true);

// Checks one input text as a calculation does: wholly a number, at least
// 0.000001 and finite. Returns false with a problem appended, naming name
// and the unit, for one that is not; value is the number read.
bool CheckInput(std::string_view text, std::string_view name, std::string_view unit, double& value,
    std::vector<messages::Message>& problems);

// What leaves a calculation's results missing or meaningless, for a person to
// read: no friction law fitting its zone, or results that are not finite.
void ReportOutcome(const CalculationOutcome& outcome, std::vector<messages::Message>& problems);

// The viscosity text for water at the temperature text (°C), or nothing with
// a problem appended, named name, when it is not a number or not within
// 0–100 °C.
std::optional<std::string> ViscosityFromTemperature(
    std::string_view text, std::string_view name, std::vector<messages::Message>& problems);

} // namespace vendrel::cli
