// The circuit window's clipboard: tab-separated text as spreadsheets copy
// and paste it, a cell holding a tab, a quote or a line end in quotes.
#include "design/sizing.h"
#include "files/columns.h"

#include "ui/form/circuitdocument.h"
#include "ui/form/pathorder.h"
#include "ui/form/windowtext.h"

#include <algorithm>

namespace vendrel::form {
namespace {

// Splits text copied from a spreadsheet into rows of cells; a last line end
// makes no empty row.
std::vector<std::vector<std::string>> SplitTabbed(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = row.back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else if (c == '"')
                quoted = false;
            else
                cell += c;
        } else if (c == '"' && cell.empty()) {
            quoted = true;
        } else if (c == '\t') {
            row.emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            rows.push_back(std::move(row));
            row.assign(1, std::string());
        } else {
            cell += c;
        }
    }
    if (row.size() > 1 || !row[0].empty())
        rows.push_back(std::move(row));
    return rows;
}

// A row copied out of the window has both its nominal size and the bore it
// showed for it: pasted back, the size is what was typed.
void DropShownBore(std::vector<std::string>& row, const design::PipeSeries& series)
{
    std::string& nominal = row[static_cast<std::size_t>(CircuitColumn::Nominal)];
    std::string& diameter = row[static_cast<std::size_t>(CircuitColumn::Diameter)];
    if (nominal.empty() || diameter.empty())
        return;
    for (const design::PipeSize& size : series) {
        if (design::SameIgnoringCase(size.nominal, nominal) && design::DiameterText(size.Inside()) == diameter)
            diameter.clear();
    }
}

} // namespace

void AppendClipboardCell(std::string& text, const std::string& cell)
{
    if (cell.find_first_of("\t\"\r\n") == std::string::npos) {
        text += cell;
        return;
    }
    text += '"';
    for (const char c : cell)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    text += '"';
}

std::string CircuitDocument::CopyText(int top, int left, int bottom, int right, bool headings) const
{
    std::string text;
    const auto line = [&](auto cellText) {
        for (int c = left; c <= right; ++c) {
            if (c > left)
                text += '\t';
            AppendClipboardCell(text, cellText(c));
        }
        text += "\r\n";
    };
    if (headings)
        line([&](int c) { return ColumnTitle(c); });
    for (int r = top; r <= bottom && r < RowCount(); ++r)
        line([&](int c) { return CellText(r, c); });
    return text;
}

std::string CircuitDocument::CopyAll() const
{
    return CopyText(0, 0, RowCount() - 1, ColumnCount() - 1, true);
}

bool CircuitDocument::Paste(int row, int column, const std::string& text, std::string& error)
{
    std::vector<std::vector<std::string>> lines = SplitTabbed(text);
    if (lines.empty()) {
        error = WindowText(messages::Message(
            messages::MessageId::PasteFailed, {{"reason", messages::Message(messages::MessageId::NoTextOnClipboard)}}));
        return false;
    }
    row = std::clamp(row, 0, RowCount());
    // Headings the table knows, the section's among them: rows of a section list.
    std::vector<int> columnOf(lines[0].size(), -1);
    bool sections = false;
    std::vector<bool> taken(static_cast<std::size_t>(kTypedColumnCount + ExtraColumns()));
    for (std::size_t c = 0; c < lines[0].size(); ++c) {
        const std::string& heading = lines[0][c];
        // The window's own results, copied out with the rest, are not typed back in.
        bool result = false;
        for (int column = kTypedColumnCount + ExtraColumns(); column < ColumnCount(); ++column)
            result = result || heading == ColumnTitle(column);
        if (result)
            continue;
        const std::string_view name = files::ColumnName(heading);
        for (int typed = 0; typed < kTypedColumnCount + ExtraColumns() && columnOf[c] < 0; ++typed) {
            if (name == files::ColumnName(ColumnTitle(typed)))
                columnOf[c] = typed;
        }
        if (columnOf[c] < 0) // the other names a circuit file may give it
            columnOf[c] = TypedColumnOf(files::CircuitFieldOf(heading));
        // A second heading of one sense: the first stands.
        if (columnOf[c] >= 0 && taken[static_cast<std::size_t>(columnOf[c])])
            columnOf[c] = -1;
        if (columnOf[c] >= 0)
            taken[static_cast<std::size_t>(columnOf[c])] = true;
        sections = sections || columnOf[c] == static_cast<int>(CircuitColumn::Section);
    }
    Remember();
    const std::size_t width = static_cast<std::size_t>(kTypedColumnCount + ExtraColumns());
    if (sections) {
        std::vector<std::vector<std::string>> added;
        for (std::size_t l = 1; l < lines.size(); ++l) {
            std::vector<std::string>& cells = added.emplace_back(width);
            for (std::size_t c = 0; c < lines[l].size() && c < columnOf.size(); ++c) {
                if (columnOf[c] >= 0)
                    cells[static_cast<std::size_t>(columnOf[c])] = lines[l][c];
            }
        }
        for (std::vector<std::string>& cells : added)
            DropShownBore(cells, *m_resolved.series);
        m_rows.insert(m_rows.begin() + row, added.begin(), added.end());
    } else {
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const std::size_t r = static_cast<std::size_t>(row) + l;
            if (r >= m_rows.size())
                m_rows.emplace_back(width);
            for (std::size_t c = 0; c < lines[l].size(); ++c) {
                const int target = column + static_cast<int>(c);
                if (target >= 0 && target < static_cast<int>(width))
                    m_rows[r][static_cast<std::size_t>(target)] = lines[l][c];
            }
            DropShownBore(m_rows[r], *m_resolved.series);
        }
    }
    Changed();
    return true;
}

} // namespace vendrel::form
