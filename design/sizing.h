#pragma once

#include "calc/calculationoutcome.h"
#include "calc/frictionfields.h"

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Choosing a bore: the calculation run over every size of a pipe series for
// one flow, with the loss also in Pa/m, and the smallest size within limits.
// Every result comes from Calculate, so a size list shows the digits the
// dialog shows for that bore; only where the calculator's zone solver finds
// no law fitting its zone does the list take λ from the Colebrook–White law
// alone (CalculateColebrookWhite), marked, so that no real pipe is lost.
namespace vendrel::design {

// g as the calculation takes it for the head of water, m/s².
inline constexpr double kGravity = 9.807;

// A specific friction loss in mm of water column per metre as Pa/m, for water
// of density kg/m³: ρ·g·Rf/1000.
double PascalsPerMetre(double frictionRate, double density);

struct SizingLimits {
    double maxPascalsPerMetre = 300;
    // For every size, besides the size's own limit (SizeChoice::maxVelocity).
    double maxVelocity = std::numeric_limits<double>::infinity(); // m/s
};

// One size to try: its name, its inner diameter in mm and the largest
// velocity in m/s it may carry.
struct SizeChoice {
    std::string nominal;
    double inside;
    double maxVelocity = std::numeric_limits<double>::infinity();
};

struct SizedPipe {
    std::string nominal;
    std::string diameter; // the inner diameter as given to the calculation, mm
    FrictionFields fields;
    CalculationOutcome outcome;
    double pascalsPerMetre = 0;                                   // NaN where no loss was calculated
    std::string pascals;                                          // as listed, PascalsText(pascalsPerMetre)
    double maxVelocity = std::numeric_limits<double>::infinity(); // the limit applied
    bool withinLimits = false;                                    // judged on the listed texts
    // The loss listed is within the limit, but at a smaller flow it was not:
    // where the rough zone begins, the calculator's λ falls below the one
    // Colebrook–White gives just before it. Such a size is not recommended.
    bool exceededAtLowerFlow = false;
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

// How a loss passes a limit: exceeds it (the end of a size's band) or
// reaches it (the start).
enum class Passing { Exceeds, Reaches };

// The smallest flow in m³/h at which the listed loss of a bore (mm) passes
// the given Pa/m, for a roughness (mm) and a viscosity (10⁻⁶ m²/s), or at
// which it has passed it at a smaller flow (the loss drops a little where
// the law changes, at Re 2000 and where the rough zone begins): bracketed
// from 10⁻⁶ to 10⁶ m³/h and bisected on a log scale to 10⁻¹² relative. The
// size list's judgement of the same limit, so that a size is within it
// exactly below this flow. NaN when the loss does not pass it within the
// bracket, or already at its start.
double FlowForRate(double inside, double roughness, double viscosity, double density, double pascalsPerMetre,
    Passing passing = Passing::Exceeds);

// A loss in Pa/m as size lists show it, to 0.1 Pa/m; empty for NaN.
std::string PascalsText(double pascalsPerMetre);

// Rf's title: a loss in mm of the column of the fluid pumped, water's (水柱)
// or a brine's (液柱).
inline constexpr const char* FrictionRateTitle(bool water)
{
    return water ? "比摩阻(mm水柱/m)" : "比摩阻(mm液柱/m)";
}

// The titles of a size list's columns, after the mark of the recommended
// size: nominal size, inner diameter, V, Rf, Pa/m, zone.
inline constexpr std::array<const char*, 6> SizeColumnTitles(bool water)
{
    return {"公称直径", "内径(mm)", "流速(m/s)", FrictionRateTitle(water), "比摩阻(Pa/m)", "流区"};
}

// What a size list's zone column shows: the zone's name, "†" after it where
// the size's loss passed the limit at a smaller flow.
std::string ZoneColumnText(const SizedPipe& pipe);
inline constexpr char kExceededAtLowerFlowNote[]
    = "† 流量稍小时比摩阻已超过限值（粗糙区公式在此给出的 λ 小于 Colebrook–White 公式），不推荐";

// A diameter in mm as the calculator takes it: up to two decimals, no
// trailing zeros ("52.48", "53", "52.5").
std::string DiameterText(double millimetres);

} // namespace vendrel::design
