#pragma once

#include "book/bookpages.h"

#include <vector>

class QPrinter;

namespace vendrel::ui {

// Prints the calculation book's pages as the PDF lays them out, at the
// printer's resolution, in the book's font: on portrait sheets, a landscape
// page turned a quarter clockwise.
void PrintBookPages(const std::vector<vendrel::book::BookPage>& pages, QPrinter& printer);

} // namespace vendrel::ui
