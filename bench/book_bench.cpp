// The calculation book of a 1,000-section circuit: laid out and written as
// a PDF, fonts embedded. The aim: under 2 s and 5 MB.
#include "bench/randomcircuit.h"
#include "book/bookpdf.h"
#include "book/circuitbook.h"
#include "design/circuit.h"
#include "files/platform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vendrel;

void BM_BookPdf(benchmark::State& state)
{
    static const design::SeriesCatalog catalog;
    files::CircuitTable table;
    table.sections = bench::RandomCircuit(static_cast<int>(state.range(0)));
    design::CircuitSettings settings;
    settings.series = &catalog.Default();
    const design::CircuitResult result = design::CalculateCircuit(table.sections, settings);
    const std::vector<std::string> fonts = files::BookFontFiles();
    std::string bytes;
    for (auto _ : state) {
        messages::Message error;
        const book::CalculationBook book = book::CircuitBook(table, result, settings, {});
        if (!book::BookPdfBytes(book, fonts, bytes, error)) {
            state.SkipWithError("no book: the fonts cannot be read");
            break;
        }
    }
    state.counters["sections"] = static_cast<double>(table.sections.size());
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_BookPdf)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
