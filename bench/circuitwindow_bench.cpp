// The circuit window after an edit: the whole circuit calculated again and a
// screenful of its cells made into text, as the window shows them. The aim:
// well within a frame (16 ms) for 1,000 sections.
#include "bench/randomcircuit.h"
#include "ui/form/circuitdocument.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace vendrel;

void BM_CircuitWindowEdit(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "vendrel_bench_circuit.csv").string();
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        bench::WriteCircuitCsv(bench::RandomCircuit(static_cast<int>(state.range(0)) / 2), out);
        std::fclose(out);
    }
    form::CircuitDocument document{files::UserLibrary()};
    std::string error;
    if (!document.Open(path, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::filesystem::remove(path);
    const int length = static_cast<int>(form::CircuitColumn::Length);
    const std::string lengths[] = {"12.5", "13"};
    int edit = 0;
    std::size_t shown = 0;
    for (auto _ : state) {
        document.SetCell(7, length, lengths[++edit % 2]);
        for (int row = 0; row < 40; ++row) {
            for (int column = 0; column < document.ColumnCount(); ++column)
                shown += document.CellText(row, column).size();
        }
    }
    benchmark::DoNotOptimize(shown);
    state.counters["sections"] = document.RowCount();
}
BENCHMARK(BM_CircuitWindowEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
