#pragma once

#include <cstddef>
#include <string_view>

namespace vendrel::files {

// Writes one CSV cell at out, quoted when it holds a comma, quote or line end,
// and returns the end of what was written; out must have room for
// 2 × size + 2 characters.
char* WriteCsvCell(char* out, std::string_view cell);

// Writes count cells one after another at out, a comma between each two,
// each as WriteCsvCell does, and returns the end; out must have room for
// 2 × size + 3 characters a cell. For rows: no call per cell.
char* WriteCsvCells(char* out, const std::string_view* cells, std::size_t count);

} // namespace vendrel::files
