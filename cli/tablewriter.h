#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

namespace vendrel::cli {

// Columns a terminal shows for a UTF-8 text: CJK characters take two.
std::size_t DisplayWidth(std::string_view text);

// Rows as aligned text: each column as wide as its widest cell, two spaces
// between columns.
void WriteAligned(std::FILE* out, const std::vector<std::vector<std::string_view>>& rows);

// CSV rows for a spreadsheet, each cell quoted where it must be ("1/2\"" is
// a size); with a byte-order mark first and CRLF line ends where Excel is to
// read them (--bom).
class CsvWriter {
public:
    CsvWriter(std::FILE* out, bool bom);
    void Row(const std::vector<std::string_view>& cells);

private:
    std::FILE* m_out;
    const char* m_lineEnd;
};

} // namespace vendrel::cli
