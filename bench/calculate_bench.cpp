#include "bench/randomschedule.h"
#include "calc/frictioncalc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

using vendrel::FrictionFields;

FrictionFields Fields(const char* flow, const char* diameter, const char* roughness)
{
    FrictionFields f;
    vendrel::SetInputs(f, flow, diameter, roughness, "1.306");
    return f;
}

void BM_Calculate(benchmark::State& state, FrictionFields fields)
{
    for (auto _ : state) {
        vendrel::Calculate(fields);
        benchmark::DoNotOptimize(fields);
    }
}

BENCHMARK_CAPTURE(BM_Calculate, laminar, Fields("0.2", "50", "0.2"));
BENCHMARK_CAPTURE(BM_Calculate, critical, Fields("0.3", "25", "0.2"));
BENCHMARK_CAPTURE(BM_Calculate, smooth, Fields("10", "50", "0.001"));
BENCHMARK_CAPTURE(BM_Calculate, transition, Fields("10", "50", "0.2"));
BENCHMARK_CAPTURE(BM_Calculate, rough, Fields("1000", "300", "0.5"));
// Both implicit laws bisected, neither accepted: the most work one call can do.
BENCHMARK_CAPTURE(BM_Calculate, failure, Fields("3.2", "50", "2"));

// What the failure path cannot go below: 64 square roots (as pow) each
// followed by the base-10 logarithm that depends on it, as two chains of 32,
// one per law. Bisection cannot start a step before the previous step's sign
// is known, so this is the floor for the work the two bisections must do.
[[gnu::noinline]] double LogarithmFloor(double x)
{
    double colebrook = x;
    double smooth = x * 1.1;
    for (int i = 0; i < 32; ++i) {
        colebrook = x + 0.001 * std::log10(std::pow(colebrook, 0.5));
        smooth = x + 0.001 * std::log10(std::pow(smooth, 0.5));
    }
    return colebrook + smooth;
}

// The same 64 evaluations with no dependencies at all, so the processor can
// overlap them freely: what they cost when only throughput limits them.
[[gnu::noinline]] double LogarithmThroughput(double x)
{
    double sum = 0;
    for (int i = 0; i < 64; ++i)
        sum += std::pow(x + i * 0.001, 0.5) + std::log10(x + i * 0.001);
    return sum;
}

void BM_Logarithms(benchmark::State& state, double (*evaluate)(double))
{
    double x = 0.0123;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(evaluate(x));
    }
}
BENCHMARK_CAPTURE(BM_Logarithms, floor_dependent, &LogarithmFloor);
BENCHMARK_CAPTURE(BM_Logarithms, throughput_independent, &LogarithmThroughput);

// The worst case against both references, measured in alternating batches so
// that the shared machine's changing speed affects all alike. Reports the
// median time per call of each and the ratios.
void BM_FailureOverFloor(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    constexpr int kBatch = 32;
    FrictionFields fields = Fields("3.2", "50", "2");
    double x = 0.0123;
    std::vector<double> failure;
    std::vector<double> floor;
    std::vector<double> throughput;
    const auto batch = [&](auto&& work) {
        const auto start = Clock::now();
        for (int i = 0; i < kBatch; ++i)
            work();
        return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kBatch;
    };
    for (auto _ : state) {
        failure.push_back(batch([&] {
            vendrel::Calculate(fields);
            benchmark::DoNotOptimize(fields);
        }));
        floor.push_back(batch([&] {
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(LogarithmFloor(x));
        }));
        throughput.push_back(batch([&] {
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(LogarithmThroughput(x));
        }));
    }
    const auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    const double failureNs = median(failure);
    state.counters["failure_ns"] = failureNs;
    state.counters["floor_ns"] = median(floor);
    state.counters["throughput_ns"] = median(throughput);
    state.counters["over_floor"] = failureNs / state.counters["floor_ns"];
    state.counters["over_throughput"] = failureNs / state.counters["throughput_ns"];
}
BENCHMARK(BM_FailureOverFloor)->MinTime(1.0);

// The same random schedule that scripts/bench-cli.sh streams through
// vendrel-calc --csv, calculated in-process: the time per row to compare with.
void BM_CalculateSchedule(benchmark::State& state)
{
    const auto schedule = vendrel::bench::RandomSchedule(static_cast<std::size_t>(state.range(0)));
    FrictionFields fields;
    for (auto _ : state) {
        for (const auto& row : schedule) {
            vendrel::SetInputs(fields, row.flow, row.diameter, row.roughness, row.viscosity);
            vendrel::Calculate(fields);
            benchmark::DoNotOptimize(fields);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_CalculateSchedule)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
