#pragma once

#include "calc/calculationoutcome.h"
#include "calc/frictionfields.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Choosing a bore: the calculation run over every size of a pipe series for
// one flow, with the loss also in Pa/m, and the smallest size within limits.
// Every result comes from Calculate, so a size list shows the digits the
// dialog shows for that bore.
namespace vendrel::design {

// g as the calculation takes it for the head of water, m/s².
inline constexpr double kGravity = 9.807;

// A specific friction loss in mm of water column per metre as Pa/m, for water
// of density kg/m³: ρ·g·Rf/1000.
double PascalsPerMetre(double frictionRate, double density);

struct SizingLimits {
    double maxPascalsPerMetre = 300;
    double maxVelocity = std::numeric_limits<double>::infinity(); // m/s
};

// One size to try: its name and its inner diameter in mm.
struct SizeChoice {
    std::string nominal;
    double inside;
};

struct SizedPipe {
    std::string nominal;
    std::string diameter; // the inner diameter as given to the calculation, mm
    FrictionFields fields;
    CalculationOutcome outcome;
    double pascalsPerMetre = 0; // NaN where no loss was calculated
    std::string pascals;        // as listed, PascalsText(pascalsPerMetre)
    bool withinLimits = false;  // judged on the listed texts
};

struct Sizing {
    std::vector<SizedPipe> pipes;
    int recommended = -1; // the smallest size within the limits, or -1
};

// The sizes in the order given (smallest first), each calculated for the
// flow, roughness and viscosity texts, with the loss in Pa/m for water of the
// given density.
Sizing SizeForFlow(const std::vector<SizeChoice>& sizes, std::string_view flow, std::string_view roughness,
    std::string_view viscosity, double density, const SizingLimits& limits);

// The flow in m³/h at which the loss of a bore (mm) reaches the given Pa/m,
// for a roughness (mm) and a viscosity (10⁻⁶ m²/s): the loss grows with the
// flow, so the crossing is bracketed from 10⁻⁶ to 10⁶ m³/h and bisected on a
// log scale to 10⁻¹² relative. Where the zone changes the loss jumps, and
// the flow returned is where it jumps past the target. NaN when the loss does
// not reach it in the bracket, or reaches it next to flows for which no law
// fits its zone (迭代失败).
double FlowForRate(double inside, double roughness, double viscosity, double density, double pascalsPerMetre);

// A loss in Pa/m as size lists show it, to 0.1 Pa/m; empty for NaN.
std::string PascalsText(double pascalsPerMetre);

// The titles of a size list's columns, after the mark of the recommended
// size: nominal size, inner diameter, V, Rf, Pa/m, zone.
inline constexpr std::array<const char*, 6> kSizeColumnTitles
    = {"公称直径", "内径(mm)", "流速(m/s)", "比摩阻(mm水柱/m)", "比摩阻(Pa/m)", "流区"};

// A diameter in mm as the calculator takes it: up to two decimals, no
// trailing zeros ("52.48", "53", "52.5").
std::string DiameterText(double millimetres);

} // namespace vendrel::design
