// Feeds arbitrary bytes to the circuit reader and the calculation behind it:
// a file is read or refused with a message, and a circuit read is either
// calculated, a result per section, and its book made, or refused naming why.
#include "book/bookpages.h"
#include "book/circuitbook.h"
#include "design/circuit.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "files/circuitreader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vendrel;
    static const design::SeriesCatalog series;
    static const design::MaterialCatalog materials;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::tmpfile(), &std::fclose);
    if (!in)
        return 0;
    std::fwrite(data, 1, size, in.get());
    std::rewind(in.get());
    files::CircuitTable table;
    std::vector<messages::Message> problems;
    // A row's temperature is of the circuit's fluid, water or a brine; its
    // loads are carried at the circuit's temperature difference, or none.
    const design::Fluid fluid = size % 2 != 0 ? design::Fluid(design::FluidKind::EthyleneGlycol, 30) : design::Fluid();
    const bool read = files::ReadCircuitText(in.get(), table, problems)
        && files::ReadCircuitRows(table, table.headerLine, series.Default(), materials, fluid, problems);
    for (const messages::Message& problem : problems) {
        if (!messages::HasEveryArgument(problem))
            std::abort(); // every message says all it names, in both languages
    }
    if (!read) {
        if (problems.empty())
            std::abort(); // a refusal says why
        return 0;
    }
    // Circuits of many paths would only make the run slow, not find more.
    if (table.sections.size() > 60)
        return 0;
    design::CircuitSettings settings;
    settings.series = &series.Default();
    settings.fluid = fluid;
    if (size % 3 != 0)
        settings.deltaT = 5;
    const design::CircuitResult result = design::CalculateCircuit(table.sections, settings);
    if (result.errors.empty() && result.sections.size() != table.sections.size())
        std::abort(); // a result per section
    for (const design::NetworkProblem& problem : result.errors) {
        if (!messages::HasEveryArgument(problem.message))
            std::abort();
    }
    for (const design::SectionResult& section : result.sections) {
        if (!messages::HasEveryArgument(section.problem))
            std::abort();
    }
    for (const design::CircuitPath& path : result.paths) {
        if (!path.index && path.imbalance < 0)
            std::abort(); // no path is longer than the index circuit
    }
    // The book says it all: a row per section, every row as wide as its headings.
    const book::CalculationBook calculation = book::CircuitBook(table, result, settings, {});
    for (const book::BookPart& part : calculation.parts) {
        for (const book::BookTable& bookTable : part.tables) {
            for (const book::BookRow& row : bookTable.rows) {
                if (row.cells.size() != bookTable.headings.size())
                    std::abort();
            }
        }
        if (part.heading == "管段计算表" && part.tables.front().rows.size() != result.sections.size())
            std::abort();
    }
    // On pages, whatever its texts, nothing runs off a page: in a font of
    // fixed widths, a CJK character a size wide, others half.
    const auto width = [](std::string_view text, double size) {
        double w = 0;
        for (unsigned char c : text)
            w += c >= 0xE0 ? size : (c < 0x80 || c >= 0xC0) ? size / 2 : 0;
        return w;
    };
    for (const book::BookPage& page : book::LayOutBook(calculation, width)) {
        for (const book::PageText& text : page.texts) {
            if (text.x < 0 || text.x + width(text.text, text.size) > page.width || text.baseline > page.height)
                std::abort();
        }
    }
    if (!std::isfinite(result.indexTotal))
        return 0;
    // Balanced, every path loses what the index circuit loses.
    for (const design::SectionResult& section : result.sections) {
        if (!(section.balance.excess >= 0) || !(section.balance.level <= 1))
            std::abort();
    }
    for (const design::CircuitPath& path : result.paths) {
        double total = 0;
        for (const int s : design::SectionsOf(path, result.indexPath)) {
            const design::SectionResult& section = result.sections[static_cast<std::size_t>(s)];
            total += section.totalLoss + section.balance.excess;
        }
        if (std::fabs(total - result.indexTotal) > 1e-6 * result.indexTotal)
            std::abort();
    }
    return 0;
}
