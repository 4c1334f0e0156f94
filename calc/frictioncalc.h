#pragma once

#include "calc/calculationoutcome.h"
#include "calc/frictionfields.h"

#include <string_view>

// How one calculation flows: the four input texts of FrictionFields are read
// as classic-locale decimal numbers (numbertext.h) → checked (each at least
// 0.000001 and finite, else only the Reynolds text changes, to "数据有误") →
// converted to SI → velocity V and Reynolds number Re → regime: laminar
// (Re < 2000, λ = 64/Re), critical (2000 ≤ Re ≤ 4000, λ = 0.0025·Re^⅓) or
// turbulent (SolveTurbulentFriction picks the zone and λ) → specific friction
// loss Rf = λ/D · V²/2g in mm of water column per m, roughness Reynolds number
// Re*, and a status line naming the zone with the residual of its law → all
// six result texts written back. Input texts are never rewritten. The outcome
// returned says which zone the texts show, for callers that act on it.

namespace vendrel {

CalculationOutcome Calculate(FrictionFields& fields);

// The four inputs as numbers, in the units typed.
struct InputValues {
    double flow;      // m³/h
    double diameter;  // mm
    double roughness; // mm
    double viscosity; // 10⁻⁶ m²/s
};

// Calculate for inputs already read from the texts in fields, for a caller
// that reads them its own, stricter way; the texts are left as they are.
CalculationOutcome Calculate(FrictionFields& fields, const InputValues& inputs);

// Calculate, except that where its zone solver finds no law whose root fits
// its own zone (Failed), λ is the Colebrook–White root in full precision
// (SolveColebrookWhite) and the status line shows that law's residual; the
// zone is then ColebrookWhite. For the design aids, which must not lose a
// real pipe at the rough boundary; the calculator itself keeps its 迭代失败.
CalculationOutcome CalculateColebrookWhite(FrictionFields& fields, const InputValues& inputs);

// Which law Calculate applies to inputs, for the design aids that follow a
// bore's loss as the flow grows: it jumps where the law changes.
enum class CalculationLaw {
    Invalid,  // an input is refused
    Laminar,  // Re < 2000
    Critical, // 2000 ≤ Re ≤ 4000
    Rough,    // turbulent, and the rough law's Re* is above 60
    Solved,   // turbulent, by Colebrook–White or the smooth law (or neither)
};
CalculationLaw LawFor(const InputValues& inputs);

// The smallest input accepted, in the units typed; also rejects empty,
// non-numeric, zero and negative texts.
inline constexpr double kMinimumInput = 0.000001;

// True for a number Calculate accepts as an input: at least 0.000001, finite.
bool IsAcceptedInput(double value);

// Shows the invalid-data message the way Calculate does for a refused input:
// only the Reynolds text changes.
void ShowInvalidData(FrictionFields& fields);

// The residual printed in a turbulent status line, "-0.029784" of
// "过渡区：λ误差为-0.029784^-6"; empty for any other status.
std::string_view StatusResidual(std::string_view status);

} // namespace vendrel
