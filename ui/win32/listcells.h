#pragma once

#include <windows.h>

#include <string>

namespace vendrel::ui {

// Writes a cell of a report-mode list from UTF-8; column 0 adds the row.
void SetListCell(HWND list, int row, int column, const std::string& text);

} // namespace vendrel::ui
