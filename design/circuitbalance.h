#pragma once

#include "design/circuit.h"
#include "design/circuitgraph.h"

#include <vector>

// Balancing a circuit (水力平衡): with p(n) the largest loss from node n to
// the pump's inlet at design flows, a section from a to b that loses L must
// throttle p(a) − L − p(b) more. With that added to every section, every
// path from the pump's outlet to its inlet loses p(outlet), the index
// circuit's total, so the head and the design flows hold.
namespace vendrel::design {

// The Kv, m³/h at 1 bar, of a valve that passes flow m³/h losing pascals:
// Kv = Q·√(ρ/1000 ÷ (Δp/100 kPa)).
double KvFor(double flow, double pascals, double density);
// What a valve of that Kv loses at that flow, Pa: (Q/Kv)²·100 kPa·ρ/1000.
double ValveLoss(double flow, double kv, double density);

// The loss coefficient of a thin sharp-edged orifice in a straight pipe,
// referred to the pipe's velocity, for the area ratio n = (d/D)²:
// ζ = [(1 − n) + 0.707·(1 − n)^0.375]² / n². Idelchik, Handbook of
// Hydraulic Resistance, 3rd ed. (1994), diagram 4-14, for Re in the orifice
// of 10⁵ and more.
double OrificeZeta(double n);
// The area ratio of the orifice whose ζ that is; NaN for no ζ above 0.
double OrificeRatio(double zeta);
// Below this Re in its bore the orifice's ζ is outside the diagram's range.
inline constexpr double kOrificeReynolds = 1e5;
// An orifice smaller than either clogs or is hard to make: a valve rather.
inline constexpr double kSmallestOrifice = 20;       // mm
inline constexpr double kSmallestOrificeShare = 0.3; // of the pipe's bore

// What throttles a section's excess at its flow: a balancing valve's Kv, or
// the bore of a thin orifice plate in its pipe; NaN where it throttles nothing.
struct Throttle {
    double kv = kNoValue;      // m³/h at 1 bar
    double orifice = kNoValue; // mm
    bool approximate = false;  // the Re in the orifice below the diagram's range
    bool impractical = false;  // under 20 mm or 30 % of the bore: a valve rather
};
// Sized when asked, for the sections shown: a circuit has thousands.
Throttle ThrottleOf(const SectionResult& section);

// Each calculated section's balance in a circuit whose every section was
// calculated, from totals, its losses, Pa, in section order; counts those
// needing it.
void BalanceCircuit(const CircuitGraph& graph, const std::vector<double>& totals, const CircuitSettings& settings,
    CircuitResult& result);

} // namespace vendrel::design
