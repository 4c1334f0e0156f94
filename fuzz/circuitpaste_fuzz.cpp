// Feeds arbitrary text to the circuit window as if pasted: whatever comes
// in, every cell can be shown and explained, the whole table copied, and
// the paste undone to the empty table it went into.
#include "ui/form/circuitdocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vendrel;
    if (size < 1)
        return 0;
    static form::CircuitDocument document{files::UserLibrary()};
    document.New();
    const int column = data[0] % form::kTypedColumnCount;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string error;
    if (!document.Paste(0, column, text, error)) {
        if (error.empty() || document.RowCount() != 0)
            std::abort(); // a refusal says why, and changes nothing
        return 0;
    }
    // Circuits of many paths would only make the run slow, not find more.
    if (document.RowCount() > 60)
        return 0;
    for (int row = 0; row <= document.RowCount(); ++row) {
        for (int c = 0; c < document.ColumnCount(); ++c) {
            const form::CellLook look = document.Look(row, c);
            if (look.problem && document.CellMessage(row, c).empty())
                std::abort(); // a marked cell says why
            (void)document.CellText(row, c);
        }
    }
    for (const messages::Message& problem : document.NetworkProblems()) {
        if (!messages::HasEveryArgument(problem))
            std::abort(); // the status bar says all a problem names
    }
    (void)document.CopyAll();
    (void)document.SummaryText();
    if (!document.Undo() || document.RowCount() != 0)
        std::abort();
    return 0;
}
