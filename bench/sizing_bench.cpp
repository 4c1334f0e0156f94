// What choosing a size costs against the calculations it is made of. The
// aim: the size list and the selection table within 1.2× of the same forward
// calculations (and, for the table, the same bisection) done bare.
#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "cli/commandline.h"
#include "cli/options.h"
#include "cli/sizelist.h"
#include "design/pipeseries.h"
#include "design/sizing.h"
#include "design/water.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vendrel;

constexpr char kFlow[] = "40";
constexpr char kRoughness[] = "0.2";
constexpr char kViscosity[] = "1.306";

// 30 bores from 15 to 600 mm, evenly on a log scale: a series as long as
// the longest in use.
std::vector<design::SizeChoice> ThirtySizes()
{
    std::vector<design::SizeChoice> sizes;
    for (int i = 0; i < 30; ++i)
        sizes.push_back({"DN" + std::to_string(i), 15 * std::pow(40.0, i / 29.0)});
    return sizes;
}

void BM_BareForward30(benchmark::State& state)
{
    const std::vector<design::SizeChoice> sizes = ThirtySizes();
    for (auto _ : state) {
        for (const design::SizeChoice& size : sizes) {
            FrictionFields fields;
            SetInputs(fields, kFlow, design::DiameterText(size.inside), kRoughness, kViscosity);
            Calculate(fields);
            benchmark::DoNotOptimize(fields);
        }
    }
}
BENCHMARK(BM_BareForward30);

// The forward calculations --size makes for the default series.
void BM_BareForwardSeries(benchmark::State& state)
{
    const design::SeriesCatalog catalog;
    for (auto _ : state) {
        for (const design::PipeSize& size : catalog.Default()) {
            FrictionFields fields;
            SetInputs(fields, kFlow, design::DiameterText(size.Inside()), kRoughness, kViscosity);
            Calculate(fields);
            benchmark::DoNotOptimize(fields);
        }
    }
}
BENCHMARK(BM_BareForwardSeries);

void BM_SizeForFlow30(benchmark::State& state)
{
    const std::vector<design::SizeChoice> sizes = ThirtySizes();
    const double density = design::WaterDensity(10);
    for (auto _ : state)
        benchmark::DoNotOptimize(design::SizeForFlow(sizes, kFlow, kRoughness, kViscosity, density, {}));
}
BENCHMARK(BM_SizeForFlow30);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The options of vendrel-calc --size or --table for the default series,
// read once as the program reads them.
void ReadCommand(cli::CommandLine::Mode mode, cli::Options& options)
{
    cli::CommandLine command;
    command.mode = mode;
    command.flow = kFlow;
    command.roughness = kRoughness;
    command.viscosity = kViscosity;
    messages::Message error;
    if (!cli::ReadOptions(command, options, error))
        std::abort();
}

// The whole of vendrel-calc --size for the default series, printed.
void BM_SizeCommand(benchmark::State& state)
{
    const std::unique_ptr<std::FILE, FileCloser> sink(std::fopen("/dev/null", "w"));
    cli::Options options;
    ReadCommand(cli::CommandLine::Mode::Size, options);
    for (auto _ : state)
        benchmark::DoNotOptimize(cli::RunSizeList(options, sink.get(), sink.get()));
    state.counters["sizes"] = options.series->count();
}
BENCHMARK(BM_SizeCommand);

// The bisection --table runs for each end of each size, written out bare:
// the same bracket, steps and tolerance as FlowForRate (keep them in step),
// the loss read from the same text.
double BareFlowForRate(double inside, double density, double target)
{
    const auto below = [&](double logFlow) {
        FrictionFields fields;
        Calculate(fields, {std::exp(logFlow), inside, ParseNumber(kRoughness), ParseNumber(kViscosity)});
        const double rate = density * design::kGravity * ParseNumber(fields.m_strFrictionRate) / 1000;
        return std::isnan(rate) || rate < target;
    };
    double lo = std::log(1e-6);
    double hi = std::log(1e6);
    if (!below(lo) || below(hi))
        return NAN;
    while (hi - lo > 1e-12) {
        const double mid = (lo + hi) / 2;
        (below(mid) ? lo : hi) = mid;
    }
    below(lo - 1e-9);
    below(hi + 1e-9);
    return std::exp((lo + hi) / 2);
}

void BM_BareTable(benchmark::State& state)
{
    const double density = design::WaterDensity(10);
    const design::SeriesCatalog catalog;
    for (auto _ : state) {
        for (const design::PipeSize& size : catalog.Default()) {
            for (const double target : {100.0, 300.0}) {
                const double flow = BareFlowForRate(size.Inside(), density, target);
                FrictionFields fields; // the velocity at that flow
                SetInputs(fields, std::to_string(flow), design::DiameterText(size.Inside()), kRoughness, kViscosity);
                Calculate(fields);
                benchmark::DoNotOptimize(fields);
            }
        }
    }
}
BENCHMARK(BM_BareTable);

// The whole of vendrel-calc --table for the default series, printed.
void BM_TableCommand(benchmark::State& state)
{
    const std::unique_ptr<std::FILE, FileCloser> sink(std::fopen("/dev/null", "w"));
    cli::Options options;
    ReadCommand(cli::CommandLine::Mode::Table, options);
    for (auto _ : state)
        benchmark::DoNotOptimize(cli::RunFlowTable(options, sink.get(), sink.get()));
}
BENCHMARK(BM_TableCommand);

} // namespace

BENCHMARK_MAIN();
