// A circuit file's lines: the project's and the settings before the header,
// the header, and the rows, blank ones left out.
#include "files/circuitreader.h"

#include "files/circuitsettinglines.h"
#include "files/csvreader.h"

namespace vendrel::files {

using messages::AtLine;
using messages::Message;
using messages::MessageId;

bool BlankRow(const std::vector<std::string>& cells)
{
    for (const std::string& cell : cells) {
        if (cell.find_first_not_of(" \t") != std::string::npos)
            return false;
    }
    return true;
}

bool ReadCircuitFile(std::FILE* in, const design::PipeSeries& series, const design::MaterialCatalog& materials,
    CircuitTable& table, std::vector<Message>& problems)
{
    const std::size_t before = problems.size();
    if (!ReadCircuitText(in, table, problems))
        return false;
    return ReadCircuitRows(table, table.headerLine, series, materials, design::Fluid(), problems)
        && problems.size() == before;
}

bool ReadCircuitText(std::FILE* in, CircuitTable& table, std::vector<Message>& problems)
{
    table = CircuitTable();
    const std::size_t before = problems.size();
    CsvReader reader(in);
    std::vector<std::string> cells;
    long headerLine = 0;
    for (;;) {
        switch (reader.Next(cells)) {
        case CsvReader::Result::Error:
            problems.push_back(reader.ReadError() != 0 ? Message(MessageId::CannotReadItAfterLine,
                                   {{"line", reader.LinesBeforeReadError()}, {"reason", reader.Error()}})
                                                       : AtLine(reader.ErrorLine(), reader.Error()));
            return false;
        case CsvReader::Result::End:
            if (headerLine == 0) {
                problems.push_back(AtLine(reader.Line(), Message(MessageId::CircuitNoHeader)));
                return false;
            }
            table.headerLine = headerLine;
            return problems.size() == before;
        case CsvReader::Result::Record:
            if (BlankRow(cells)) {
                // no section, whatever its number of cells
            } else if (headerLine == 0 && IsNameValueLine(cells)) {
                AddNameValueLine(table, cells, reader.RecordLine(), problems);
            } else if (headerLine == 0) {
                table.header = cells;
                headerLine = reader.RecordLine();
            } else if (cells.size() != table.header.size()) {
                problems.push_back(AtLine(reader.RecordLine(),
                    Message(MessageId::FieldCount, {{"expected", table.header.size()}, {"found", cells.size()}})));
            } else {
                table.cells.push_back(cells);
                table.lines.push_back(reader.RecordLine());
            }
            break;
        }
    }
}

} // namespace vendrel::files
