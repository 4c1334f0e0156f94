#pragma once

#include "calc/calculationoutcome.h"
#include "calc/frictionfields.h"
#include "design/circuitgraph.h"
#include "design/fittings.h"
#include "design/fluids.h"
#include "design/pipeseries.h"
#include "messages/message.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

// The hydraulic calculation of a circuit (水力计算): for every section its
// flow, size, velocity, specific and total friction loss, local loss of its
// fittings and loss of its equipment; every path from the pump's outlet to
// its inlet with its total; the index circuit (最不利环路), the path of the
// largest total, which with a margin is the pump head; and the balance of
// every other path against it. Each section's V and Rf are the calculator's
// digits, as a size list shows them.
namespace vendrel::design {

inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// No water pipe carries more, m/s: a section faster has a flow or a size wrong.
inline constexpr double kPlausibleVelocity = 10;

// A section as its row gives it, its numbers read already.
struct CircuitSection {
    std::string id;
    std::string from;
    std::string to;
    std::string flow;     // m³/h as typed; "" to be derived at the nodes
    double length = 0;    // m
    std::string diameter; // inner, mm, as typed; or ""
    std::string nominal;  // a size of the circuit's series; or ""; with neither, sized
    double zeta = 0;      // Σζ typed besides the fittings
    std::vector<FittingUse> fittings;
    double device = 0;        // kPa: a coil, a chiller, a valve as a figure
    std::optional<double> kv; // a valve on it, m³/h at 1 bar: a control valve, a balancing valve chosen
    std::string roughness;    // mm, "" for the circuit's
    std::string viscosity;    // 10⁻⁶ m²/s, "" for the circuit's
    // The section's fluid at its own temperature, for its density and
    // specific heat; else the circuit's.
    std::optional<FluidProperties> fluid;
    // A terminal's load, kW, and its supply–return difference, K (else the
    // circuit's): the flow that carries it, where no flow is typed.
    std::optional<double> load;
    std::optional<double> deltaT;
    // Why its row cannot be read as it stands: the section is in the network,
    // its flow derived where the row's is unreadable, but not calculated.
    messages::Message problem;
};

struct CircuitSettings {
    const PipeSeries* series = nullptr; // for nominal sizes and sizing
    bool plastic = false;               // the series' velocity limit
    std::string roughness = "0.2";
    std::string viscosity = "1.306";
    Fluid fluid;                  // what the circuit carries, as its head is named
    double density = 999.6996;    // kg/m³ of the circuit's fluid
    double specificHeat = 4.1955; // kJ/(kg·K), for the flows of loads
    std::optional<double> deltaT; // K, supply–return, for the loads of sections that give none
    double maxPascalsPerMetre = 300;
    std::optional<double> maxVelocity; // for every size; else by size
    double headMargin = 0.10;
    double staticHead = 0; // m of the circuit's fluid: the lift of an open system, added after the margin
    double maxImbalance = 0.15;
};

// What a section must throttle at design flow so that every path from the
// pump's outlet to its inlet loses what the index circuit loses.
struct SectionBalance {
    double excess = kNoValue; // Pa, at least 0
    double level = kNoValue;  // excess over the loss between its nodes, with the excess
    bool needed = false;      // level above the circuit's imbalance limit
    // Needed, or at least 1 % of the pump head: a valve or an orifice plate to size.
    bool throttles = false;
};

struct SectionResult {
    // The calculator's form for the section: its flow (typed or derived),
    // inner diameter (typed, of its nominal size or sized), roughness and
    // viscosity, and its results where it was calculated.
    FrictionFields fields;
    bool flowDerived = false;
    bool flowFromLoad = false; // of the section's load, at its temperature difference
    std::string nominal;       // the series' size, where it is one
    bool sized = false;        // chosen by the sizing rules
    CalculationOutcome outcome;
    double pascalsPerMetre = kNoValue; // ρ·g·Rf/1000; PascalsText shows it as size lists do
    double frictionLoss = kNoValue;    // Pa, over the length
    double zetaTotal = kNoValue;
    double localLoss = kNoValue; // Pa, Σζ·ρ·V²/2
    double deviceLoss = kNoValue;
    double valveLoss = kNoValue; // Pa, of its Kv; 0 where it has none
    double density = kNoValue;   // kg/m³ of the section's water
    double totalLoss = kNoValue;
    bool onIndex = false;
    messages::Message problem; // why it could not be calculated; none where it was
    // Over the circuit's Pa/m limit or its size's velocity limit: a size
    // typed, or the series' largest where none keeps within them.
    bool overRate = false;
    bool overVelocity = false;
    bool largestTaken = false; // no size of the series kept within them
    bool implausible = false;  // faster than water pipes carry
    double rateLimit = kNoValue;
    double velocityLimit = kNoValue;
    // Where each sudden expansion or contraction sits, and its K.
    std::vector<messages::Message> fittingNotes;
    SectionBalance balance; // where the circuit has an index circuit

    bool OverLimits() const { return overRate || overVelocity; }
    bool HasWarnings() const { return overRate || overVelocity || largestTaken || implausible; }
    // Figures a designer must look at again, calculated all the same, each
    // with its figure and limit.
    std::vector<messages::Message> Warnings() const;
};

// A path from the pump's outlet to its inlet, kept by its own part: the
// circuit's indexPath's first `before` sections, then own, then its last
// `after`. Paths share the mains, so this keeps their memory linear in
// sections where their section lists would take its square.
struct CircuitPath {
    std::size_t before = 0;
    std::vector<int> own; // in flow order
    std::size_t after = 0;
    std::string leaves;          // the node where it leaves the index circuit; "" on it or where there is none
    std::string rejoins;         // where it rejoins it for good
    double total = kNoValue;     // Pa
    double imbalance = kNoValue; // against the index circuit; NaN on it
    bool index = false;
    bool unbalanced = false; // imbalance above the limit
};

struct CircuitResult {
    // The network as given is no circuit (a cycle, flows that do not
    // balance…): the sections are calculated with the flows typed, as far as
    // they can be, and there are no paths, index circuit or head.
    std::vector<NetworkProblem> errors;
    std::vector<SectionResult> sections;
    std::vector<CircuitPath> paths;
    bool allPathsListed = true;
    std::string start; // the pump's outlet node
    std::string end;   // its inlet
    // The index circuit's sections in flow order; where some section was not
    // calculated, the longest path by the losses that were, what the paths
    // are kept against.
    std::vector<int> indexPath;
    int index = -1;                        // the index circuit in paths, where it is listed
    double indexTotal = kNoValue;          // Pa
    double headPascals = kNoValue;         // with the margin and the static lift
    double headMetres = kNoValue;          // of the circuit's fluid
    bool water = true;                     // whether that is water (水柱), else a brine (液柱)
    double frictionHeadPascals = kNoValue; // the index circuit's with the margin
    double staticHeadMetres = 0;
    double pumpFlow = kNoValue;        // m³/h: what leaves the pump's outlet
    std::size_t sectionsToBalance = 0; // whose balance is needed
};

// Paths beyond this many are not listed; the index circuit is found all the same.
inline constexpr std::size_t kMaxListedPaths = 100000;

// A path's sections in flow order.
std::vector<int> SectionsOf(const CircuitPath& path, const std::vector<int>& indexPath);

CircuitResult CalculateCircuit(const std::vector<CircuitSection>& sections, const CircuitSettings& settings);

} // namespace vendrel::design
