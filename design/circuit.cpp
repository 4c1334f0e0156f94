#include "design/circuit.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/circuitbalance.h"
#include "design/circuittexts.h"
#include "design/sizing.h"
#include "design/velocitylimits.h"
#include "design/water.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace vendrel::design {
namespace {

bool Calculated(const CalculationOutcome& outcome)
{
    using Zone = CalculationOutcome::Zone;
    return outcome.zone != Zone::Invalid && outcome.zone != Zone::Failed && outcome.finite;
}

// What every section of a circuit shares, made once: its roughness and
// viscosity read, and the sizes and limits a section without a size is
// chosen from.
struct CircuitContext {
    double roughness;
    double viscosity;
    std::vector<SizeChoice> sizes;
    SizingLimits limits;
};

// Whether any section has an expansion or a contraction, whose K asks for
// the bores next to it; most circuits have none.
bool AsksNeighbourBores(const std::vector<CircuitSection>& sections)
{
    return std::any_of(sections.begin(), sections.end(), [](const CircuitSection& section) {
        return std::any_of(section.fittings.begin(), section.fittings.end(),
            [](const FittingUse& use) { return ChangesBore(use.key); });
    });
}

// The bores across each section's nodes, where one section alone enters
// its start and one alone leaves its end: NaN where that is not so, or the
// section there was not calculated.
std::vector<NeighbourBores> NeighboursOf(const std::vector<CircuitSection>& sections, const std::vector<double>& bores)
{
    std::vector<NeighbourBores> neighbours(sections.size());
    std::unordered_map<std::string_view, std::pair<std::vector<int>, std::vector<int>>> nodes; // entering, leaving
    for (std::size_t s = 0; s < sections.size(); ++s) {
        nodes[sections[s].to].first.push_back(static_cast<int>(s));
        nodes[sections[s].from].second.push_back(static_cast<int>(s));
    }
    const auto across = [&](const std::vector<int>& ours, const std::vector<int>& theirs) {
        return ours.size() == 1 && theirs.size() == 1 ? bores[static_cast<std::size_t>(theirs.front())] : kNoValue;
    };
    for (std::size_t s = 0; s < sections.size(); ++s) {
        if (sections[s].fittings.empty())
            continue;
        const auto& start = nodes[sections[s].from];
        const auto& end = nodes[sections[s].to];
        neighbours[s] = {across(start.second, start.first), across(end.first, end.second)};
    }
    return neighbours;
}

// Whether a loss as shown, to 0.1 Pa/m, is over the limit: the text is
// written only where rounding could decide it.
bool RateOver(double pascalsPerMetre, double limit)
{
    if (std::fabs(pascalsPerMetre - limit) > 0.1)
        return pascalsPerMetre > limit;
    return ParseNumber(PascalsText(pascalsPerMetre)) > limit;
}

// The velocity a section of a given size may carry, m/s: its series size's
// own, else the one for every size, else the default for its bore. bore is
// its typed diameter read, NaN where it has none.
double VelocityLimitOf(
    const CircuitSection& section, const CircuitSettings& settings, const CircuitContext& circuit, double bore)
{
    if (!section.nominal.empty() && section.diameter.empty()) {
        for (const SizeChoice& size : circuit.sizes) {
            if (size.nominal == section.nominal)
                return size.maxVelocity;
        }
    }
    if (settings.maxVelocity)
        return *settings.maxVelocity;
    return std::isnan(bore) ? std::numeric_limits<double>::infinity() : DefaultMaxVelocity(bore, settings.plastic);
}

// The size and the calculator's results of one section, before its losses.
// flow is the section's flow text read, where it was typed, or NaN. Returns
// the bore and the velocity limit it is judged by; a NaN bore where it was
// not calculated.
std::pair<double, double> CalculateSection(const CircuitSection& section, const CircuitSettings& settings,
    const CircuitContext& circuit, double flow, SectionResult& result)
{
    constexpr std::pair<double, double> kNotCalculated{kNoValue, kNoValue};
    const std::string& roughness = section.roughness.empty() ? settings.roughness : section.roughness;
    const std::string& viscosity = section.viscosity.empty() ? settings.viscosity : section.viscosity;
    const double density = section.fluid ? section.fluid->density : settings.density;
    result.density = density;
    FrictionFields& fields = result.fields;
    if (!section.diameter.empty()) {
        fields.m_strDiameter = section.diameter;
    } else if (!section.nominal.empty()) {
        for (const PipeSize& size : *settings.series) {
            if (size.nominal == section.nominal)
                fields.m_strDiameter = DiameterText(size.Inside());
        }
        result.nominal = section.nominal;
    }
    fields.m_strRoughness = roughness;
    fields.m_strViscosity = viscosity;
    double bore = section.diameter.empty() ? kNoValue : ParseNumber(section.diameter);
    double velocityLimit = VelocityLimitOf(section, settings, circuit, bore);
    if (fields.m_strDiameter.empty()) {
        // Sized as a size list recommends, with its Colebrook–White answers.
        Sizing sizing = SizeForFlow(circuit.sizes, fields.m_strFlow, roughness, viscosity, density, circuit.limits);
        // Beyond the series the largest size is taken, so that the circuit
        // still has a head; the designer is told to give the size.
        int chosen = sizing.recommended;
        if (chosen < 0 && !sizing.pipes.empty() && Calculated(sizing.pipes.back().outcome)) {
            chosen = static_cast<int>(sizing.pipes.size()) - 1;
            result.largestTaken = true;
        }
        if (chosen < 0) {
            result.problem = messages::Message(messages::MessageId::NoSizeWithinLimits);
            return kNotCalculated;
        }
        SizedPipe& pipe = sizing.pipes[static_cast<std::size_t>(chosen)];
        result.nominal = std::move(pipe.nominal);
        result.sized = true;
        fields = std::move(pipe.fields);
        result.outcome = pipe.outcome;
        result.pascalsPerMetre = pipe.pascalsPerMetre;
        bore = ParseNumber(fields.m_strDiameter);
        velocityLimit = pipe.maxVelocity;
    } else {
        // One bore, as a size list would show it.
        if (section.diameter.empty())
            bore = ParseNumber(fields.m_strDiameter);
        result.outcome = CalculateColebrookWhite(fields,
            {std::isnan(flow) ? ParseNumber(fields.m_strFlow) : flow, bore,
                section.roughness.empty() ? circuit.roughness : ParseNumber(roughness),
                section.viscosity.empty() ? circuit.viscosity : ParseNumber(viscosity)});
        if (Calculated(result.outcome))
            result.pascalsPerMetre = PascalsPerMetre(ParseNumber(fields.m_strFrictionRate), density);
    }
    if (!Calculated(result.outcome)) {
        result.pascalsPerMetre = kNoValue;
        using messages::MessageId;
        result.problem = messages::Message(result.outcome.zone == CalculationOutcome::Zone::Invalid
                ? MessageId::SectionInputsInvalid
                : result.outcome.finite ? MessageId::NoFrictionLaw
                                        : MessageId::SectionNotFinite);
        return kNotCalculated;
    }
    return {bore, velocityLimit};
}

// A section's losses, its fittings' K placed by the bores next to it, and
// what a designer must look at again.
void FinishSection(const CircuitSection& section, const CircuitSettings& settings, double bore, double velocityLimit,
    const NeighbourBores& neighbours, SectionResult& result)
{
    const FrictionFields& fields = result.fields;
    const double density = result.density;
    double fittings = 0;
    if (!section.fittings.empty()
        && !FittingsZeta(section.fittings, bore, fittings, result.problem, neighbours, &result.fittingNotes))
        return;
    const double velocity = ParseNumber(fields.m_strVelocity);
    result.frictionLoss = result.pascalsPerMetre * section.length;
    result.zetaTotal = section.zeta + fittings;
    result.localLoss = result.zetaTotal * density * velocity * velocity / 2;
    result.deviceLoss = section.device * 1000;
    result.valveLoss = section.kv ? ValveLoss(ParseNumber(fields.m_strFlow), *section.kv, density) : 0;
    result.totalLoss = result.frictionLoss + result.localLoss + result.deviceLoss + result.valveLoss;
    // Judged on the figures as shown, as a size list judges them; the
    // messages are made only where they are shown.
    result.implausible = velocity > kPlausibleVelocity;
    result.overRate = RateOver(result.pascalsPerMetre, settings.maxPascalsPerMetre);
    result.overVelocity = velocity > velocityLimit;
    result.rateLimit = settings.maxPascalsPerMetre;
    result.velocityLimit = velocityLimit;
}

// The flow of a section's load, to 0.001 m³/h: "" with problem where it
// has no temperature difference, or a flow typed beside it disagrees by
// more than 0.5 %. flow, NaN where none was typed, becomes the load's where
// the flow is to be taken from it.
std::string FlowOfSectionLoad(
    const CircuitSection& section, const CircuitSettings& settings, double& flow, messages::Message& problem)
{
    using messages::MessageId;
    const std::optional<double> deltaT = section.deltaT ? section.deltaT : settings.deltaT;
    if (!deltaT) {
        problem = messages::Message(MessageId::SectionLoadNeedsDeltaT);
        return {};
    }
    FluidProperties fluid;
    fluid.density = section.fluid ? section.fluid->density : settings.density;
    fluid.specificHeat = section.fluid ? section.fluid->specificHeat : settings.specificHeat;
    const std::string text = FixedText(FlowOfLoad(*section.load, *deltaT, fluid), 3);
    const double ofLoad = ParseNumber(text);
    if (std::isnan(flow)) {
        flow = ofLoad;
    } else if (std::fabs(flow - ofLoad) > 0.005 * ofLoad) {
        problem = messages::Message(MessageId::FlowDisagreesWithLoad,
            {{"flow", section.flow}, {"computed", text}, {"load", ShortestText(*section.load)},
                {"delta", ShortestText(*deltaT)}});
    }
    return text;
}

} // namespace

std::vector<messages::Message> SectionResult::Warnings() const
{
    using messages::Message;
    using messages::MessageId;
    std::vector<Message> warnings;
    if (largestTaken)
        warnings.push_back(Message(MessageId::LargestSizeTaken, {{"nominal", nominal}}));
    if (implausible)
        warnings.push_back(Message(MessageId::ImplausibleVelocity,
            {{"velocity", fields.m_strVelocity}, {"limit", ShortestText(kPlausibleVelocity)}}));
    if (overRate)
        warnings.push_back(Message(
            MessageId::OverRateLimit, {{"rate", PascalsText(pascalsPerMetre)}, {"limit", ShortestText(rateLimit)}}));
    if (overVelocity)
        warnings.push_back(Message(MessageId::OverVelocityLimit,
            {{"velocity", fields.m_strVelocity}, {"limit", ShortestText(velocityLimit)}}));
    return warnings;
}

std::vector<int> SectionsOf(const CircuitPath& path, const std::vector<int>& indexPath)
{
    std::vector<int> sections(indexPath.begin(), indexPath.begin() + static_cast<std::ptrdiff_t>(path.before));
    sections.insert(sections.end(), path.own.begin(), path.own.end());
    sections.insert(sections.end(), indexPath.end() - static_cast<std::ptrdiff_t>(path.after), indexPath.end());
    return sections;
}

CircuitResult CalculateCircuit(const std::vector<CircuitSection>& sections, const CircuitSettings& settings)
{
    CircuitResult result;
    std::vector<std::string_view> ids;
    std::vector<std::string_view> from;
    std::vector<std::string_view> to;
    ids.reserve(sections.size());
    from.reserve(sections.size());
    to.reserve(sections.size());
    for (const CircuitSection& section : sections) {
        ids.push_back(section.id);
        from.push_back(section.from);
        to.push_back(section.to);
    }
    std::vector<double> flows;
    flows.reserve(sections.size());
    for (const CircuitSection& section : sections)
        flows.push_back(section.flow.empty() ? kNoValue : ParseNumber(section.flow));
    // A terminal's flow from its load, as typed to 0.001 m³/h; a flow typed
    // as well must agree with it. Kept only for a circuit with loads.
    const bool loads
        = std::any_of(sections.begin(), sections.end(), [](const CircuitSection& section) { return section.load; });
    std::vector<std::string> loadFlows(loads ? sections.size() : 0);
    std::vector<messages::Message> loadProblems(loadFlows.size());
    for (std::size_t s = 0; s < loadFlows.size(); ++s) {
        if (sections[s].load)
            loadFlows[s] = FlowOfSectionLoad(sections[s], settings, flows[s], loadProblems[s]);
    }
    // A load without a temperature difference leaves its flow unknown, which
    // the nodes then cannot balance: that, not the nodes, is what to mend.
    for (std::size_t s = 0; s < loadFlows.size(); ++s) {
        if (loadFlows[s].empty() && !loadProblems[s].Empty())
            result.errors.push_back({static_cast<int>(s), loadProblems[s]});
    }
    std::vector<bool> derived;
    // A network being drawn is seldom a circuit yet: its sections are still
    // calculated, with the flows they were given, for the user typing them.
    CircuitGraph graph;
    const bool network = result.errors.empty() && CircuitGraph::Build(ids, from, to, graph, result.errors)
        && graph.DeriveFlows(flows, derived, result.errors);
    if (network) {
        result.start = graph.NodeName(graph.Start());
        result.end = graph.NodeName(graph.End());
        result.pumpFlow = 0;
        for (std::size_t s = 0; s < sections.size(); ++s) {
            if (graph.From(static_cast<int>(s)) == graph.Start())
                result.pumpFlow += flows[s];
        }
    } else {
        derived.assign(sections.size(), false);
    }

    result.sections.resize(sections.size());
    std::vector<double> totals(sections.size());
    bool complete = true;
    CircuitContext circuit{ParseNumber(settings.roughness), ParseNumber(settings.viscosity), {}, SizingLimits()};
    if (settings.series != nullptr)
        circuit.sizes = SizeChoices(*settings.series, settings.plastic, settings.maxVelocity);
    circuit.limits.maxPascalsPerMetre = settings.maxPascalsPerMetre;
    std::vector<double> bores(sections.size(), kNoValue);
    std::vector<double> velocityLimits(sections.size(), kNoValue);
    const bool neighboursAsked = AsksNeighbourBores(sections);
    const auto finish = [&](std::size_t s, const NeighbourBores& neighbours) {
        SectionResult& section = result.sections[s];
        if (!std::isnan(bores[s]))
            FinishSection(sections[s], settings, bores[s], velocityLimits[s], neighbours, section);
        totals[s] = section.totalLoss;
        complete = complete && !std::isnan(section.totalLoss);
    };
    for (std::size_t s = 0; s < sections.size(); ++s) {
        SectionResult& section = result.sections[s];
        section.flowFromLoad = loads && !loadFlows[s].empty() && sections[s].flow.empty();
        section.flowDerived = derived[s] && !section.flowFromLoad;
        section.fields.m_strFlow = section.flowFromLoad ? loadFlows[s]
            : derived[s]                                ? FlowAsTyped(flows[s])
                                                        : sections[s].flow;
        if (!sections[s].problem.Empty())
            section.problem = sections[s].problem;
        else if (loads && !loadProblems[s].Empty())
            section.problem = loadProblems[s];
        else if (section.fields.m_strFlow.empty())
            section.problem = messages::Message(messages::MessageId::FlowNotDerivable);
        else
            std::tie(bores[s], velocityLimits[s])
                = CalculateSection(sections[s], settings, circuit, derived[s] ? kNoValue : flows[s], section);
        // Without an expansion or a contraction the losses need no other
        // section: finished while the section is still in the cache.
        if (!neighboursAsked)
            finish(s, {});
    }
    // The losses once every bore is known: an expansion or a contraction is
    // placed by the bores on either side of it.
    if (neighboursAsked) {
        const std::vector<NeighbourBores> neighbours = NeighboursOf(sections, bores);
        for (std::size_t s = 0; s < sections.size(); ++s)
            finish(s, neighbours[s]);
    }

    if (!network)
        return result;
    std::vector<int>& index = result.indexPath;
    if (complete) {
        index = graph.LongestPath(totals);
        result.indexTotal = 0;
        for (const int s : index) {
            result.sections[static_cast<std::size_t>(s)].onIndex = true;
            result.indexTotal += totals[static_cast<std::size_t>(s)];
        }
        // The lift of an open system takes no margin: it is known exactly.
        result.frictionHeadPascals = result.indexTotal * (1 + settings.headMargin);
        result.staticHeadMetres = settings.staticHead;
        result.headPascals = result.frictionHeadPascals + settings.staticHead * settings.density * kGravity;
        result.water = settings.fluid.kind == FluidKind::Water;
        result.headMetres = result.headPascals / (settings.density * kGravity);
        BalanceCircuit(graph, totals, settings, result);
    } else {
        std::vector<double> known = totals;
        for (double& total : known)
            total = std::isnan(total) ? 0 : total;
        index = graph.LongestPath(known);
    }
    result.allPathsListed = graph.ForEachPath(kMaxListedPaths, [&](const std::vector<int>& sectionsOfPath) {
        CircuitPath path;
        path.total = 0;
        for (const int s : sectionsOfPath)
            path.total += totals[static_cast<std::size_t>(s)];
        const SharedEnds shared = SharedWith(sectionsOfPath, index);
        path.before = shared.before;
        path.after = shared.after;
        path.own.assign(sectionsOfPath.begin() + static_cast<std::ptrdiff_t>(shared.before),
            sectionsOfPath.end() - static_cast<std::ptrdiff_t>(shared.after));
        if (complete) {
            path.index = path.own.empty();
            if (path.index) {
                result.index = static_cast<int>(result.paths.size());
            } else {
                path.imbalance = Imbalance(sectionsOfPath, index, shared, totals);
                path.unbalanced = path.imbalance > settings.maxImbalance;
                path.leaves = graph.NodeName(graph.From(path.own.front()));
                path.rejoins = graph.NodeName(graph.To(path.own.back()));
            }
        }
        result.paths.push_back(std::move(path));
    });
    return result;
}

} // namespace vendrel::design
