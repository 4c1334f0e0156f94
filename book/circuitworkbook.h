#pragma once

#include "book/circuitbook.h"

#include <string>

namespace vendrel::book {

// A circuit's book as an Excel workbook, for an institute's own template:
// sheets 计算参数 (project lines and settings), 管段计算表, 环路 and, where
// the circuit has one, 平衡. Every figure is a number cell showing the text
// the book shows, marks and all; the rows are coloured as the window colours
// them. The library writes only to a file it names, and says on standard
// error why it could not: this makes the workbook in a file of its own in
// the temporary folder and returns its bytes, for the caller to write. False,
// with the reason in error, where it cannot.
bool CircuitWorkbookBytes(const CalculationBook& book, std::string& bytes, std::string& error);

} // namespace vendrel::book
