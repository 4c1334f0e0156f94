#pragma once

#include "book/circuitbook.h"

#include <string>

namespace vendrel::book {

// A circuit's book as an Excel workbook, for an institute's own template:
// sheets 计算参数 (project lines and settings), 管段计算表, 环路 and, where
// the circuit has one, 平衡. Every figure is a number cell showing the text
// the book shows, marks and all; the rows are coloured as the window colours
// them. False, with the library's reason in error, where it cannot be written.
bool WriteCircuitWorkbook(const CalculationBook& book, const std::string& path, std::string& error);

} // namespace vendrel::book
