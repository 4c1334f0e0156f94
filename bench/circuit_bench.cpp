// The hydraulic calculation of a large circuit against what it is made of:
// the bare forward calculations of its sections and the graph work alone.
// The aim: within 1.2× of those two together.
#include "bench/randomcircuit.h"
#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/circuit.h"
#include "design/circuitgraph.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace vendrel;

design::CircuitSettings Settings()
{
    static const design::SeriesCatalog catalog;
    design::CircuitSettings settings;
    settings.series = &catalog.Default();
    return settings;
}

void BM_Circuit(benchmark::State& state)
{
    const std::vector<design::CircuitSection> sections = bench::RandomCircuit(static_cast<int>(state.range(0)));
    const design::CircuitSettings settings = Settings();
    for (auto _ : state)
        benchmark::DoNotOptimize(design::CalculateCircuit(sections, settings));
    state.counters["sections"] = static_cast<double>(sections.size());
}
BENCHMARK(BM_Circuit)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// The sections' forward calculations, bare, at the flows the circuit derives:
// from the texts, as the size benchmarks time them.
void BM_BareForward(benchmark::State& state)
{
    const std::vector<design::CircuitSection> sections = bench::RandomCircuit(static_cast<int>(state.range(0)));
    const design::CircuitResult result = design::CalculateCircuit(sections, Settings());
    for (auto _ : state) {
        for (std::size_t s = 0; s < sections.size(); ++s) {
            const std::string& flow = result.sections[s].fields.m_strFlow;
            FrictionFields fields;
            SetInputs(fields, flow, sections[s].diameter, "0.2", "1.306");
            benchmark::DoNotOptimize(CalculateColebrookWhite(fields,
                {ParseNumber(flow), ParseNumber(sections[s].diameter), ParseNumber("0.2"), ParseNumber("1.306")}));
        }
    }
}
BENCHMARK(BM_BareForward)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// The graph work alone: the network, the flows, the index, every path and
// its balance, each node's largest loss to the pump's inlet.
void BM_GraphWork(benchmark::State& state)
{
    const std::vector<design::CircuitSection> sections = bench::RandomCircuit(static_cast<int>(state.range(0)));
    std::vector<std::string_view> ids;
    std::vector<std::string_view> from;
    std::vector<std::string_view> to;
    std::vector<double> given;
    std::vector<double> weights;
    for (const design::CircuitSection& s : sections) {
        ids.push_back(s.id);
        from.push_back(s.from);
        to.push_back(s.to);
        given.push_back(s.flow.empty() ? NAN : ParseNumber(s.flow));
        weights.push_back(s.length + s.device);
    }
    for (auto _ : state) {
        design::CircuitGraph graph;
        std::vector<design::NetworkProblem> problems;
        design::CircuitGraph::Build(ids, from, to, graph, problems);
        std::vector<double> flows = given;
        std::vector<bool> derived;
        graph.DeriveFlows(flows, derived, problems);
        const std::vector<int> index = graph.LongestPath(weights);
        benchmark::DoNotOptimize(graph.LongestToEnd(weights)); // for each section's excess
        double sum = 0;
        graph.ForEachPath(design::kMaxListedPaths, [&](const std::vector<int>& path) {
            const design::SharedEnds shared = design::SharedWith(path, index);
            // What the circuit keeps of it.
            const std::vector<int> own(path.begin() + static_cast<std::ptrdiff_t>(shared.before),
                path.end() - static_cast<std::ptrdiff_t>(shared.after));
            sum += design::Imbalance(path, index, shared, weights) + static_cast<double>(own.size());
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_GraphWork)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
