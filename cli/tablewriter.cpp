#include "cli/tablewriter.h"

#include "files/csvcells.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace vendrel::cli {

// Columns a terminal shows for a UTF-8 text: CJK characters take two.
std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // Three-byte sequences from U+1100 on: CJK, full-width forms.
        width += length >= 3 && !(length == 3 && lead == 0xE2) ? 2 : 1;
        i += length;
    }
    return width;
}

void WriteAligned(std::FILE* out, const std::vector<std::vector<std::string_view>>& rows)
{
    std::vector<std::size_t> cellWidths; // row by row
    std::vector<std::size_t> widths;
    std::size_t bytes = 0;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            cellWidths.push_back(DisplayWidth(row[i]));
            widths[i] = std::max(widths[i], cellWidths.back());
            bytes += row[i].size();
        }
    }
    std::string text;
    text.reserve(
        bytes + rows.size() * (widths.size() * 2 + 1) + std::accumulate(widths.begin(), widths.end(), 0) * rows.size());
    const std::size_t* width = cellWidths.data();
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i, ++width) {
            text += row[i];
            if (i + 1 < row.size())
                text.append(widths[i] - *width + 2, ' ');
        }
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), out);
}

CsvWriter::CsvWriter(std::FILE* out, bool bom)
    : m_out(out)
    , m_lineEnd(bom ? "\r\n" : "\n")
{
    if (bom)
        std::fputs("\xEF\xBB\xBF", out);
}

void CsvWriter::Row(const std::vector<std::string_view>& cells)
{
    std::size_t room = 2;
    for (const std::string_view cell : cells)
        room += 2 * cell.size() + 3;
    std::string row(room, '\0');
    char* end = row.data();
    for (const std::string_view cell : cells) {
        if (end != row.data())
            *end++ = ',';
        end = files::WriteCsvCell(end, cell);
    }
    for (const char* c = m_lineEnd; *c != '\0'; ++c)
        *end++ = *c;
    std::fwrite(row.data(), 1, static_cast<std::size_t>(end - row.data()), m_out);
}

} // namespace vendrel::cli
