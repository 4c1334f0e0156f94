#pragma once

#include "ui/form/circuitdocument.h"

#include <string>
#include <vector>

// The path table sorted as a click on its headings sorts it, and copied out
// as a spreadsheet takes it; the same in both windows.
namespace vendrel::form {

// What the path table is sorted by: as the paths were found, or a figure.
enum class PathSort { AsFound, Total, Imbalance };

// The text of a column of the path table, as kPathColumns heads them.
const std::string& PathCell(const PathRow& path, std::size_t column);

// The sort a click on a column of the path table asks for.
PathSort PathSortOfColumn(int column);

// The rows of paths in the order asked for, ties in the order found; the
// index circuit, which has no imbalance, before every other path by
// imbalance ascending and after them descending.
std::vector<int> PathOrder(const std::vector<PathRow>& paths, PathSort sort, bool descending);

// A cell as a spreadsheet takes it from the clipboard: quoted where it
// holds a tab, a quote or a line end.
void AppendClipboardCell(std::string& text, const std::string& cell);

// The rows given as tab-separated text under the table's headings, one line each.
std::string PathsText(const std::vector<PathRow>& paths, const std::vector<int>& rows);

} // namespace vendrel::form
