#pragma once

#include "book/bookpages.h"

#include <vector>

class QPrinter;

namespace vendrel::ui {

// Prints the calculation book's pages as the PDF lays them out: each page
// in its own orientation, at the printer's resolution, in the book's font
// where the system has it.
void PrintBookPages(const std::vector<vendrel::book::BookPage>& pages, QPrinter& printer);

} // namespace vendrel::ui
