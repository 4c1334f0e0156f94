#pragma once

#include "book/bookpages.h"
#include "book/circuitbook.h"
#include "messages/message.h"

#include <string>
#include <vector>

namespace vendrel::book {

// The calculation book as a PDF, through libharu: its pages as LayOutBook
// lays them out, set in TrueType font files (a .ttc's first face), each
// character in the first that has it, embedded as subsets, the text
// searchable and copied as Unicode. False, with why, where a font cannot be
// read or the library fails.
bool BookPdfBytes(const CalculationBook& book, const std::vector<std::string>& fontFiles, std::string& bytes,
    messages::Message& error);

// The pages the PDF has, for drawing them on a printer in the same font:
// measured with that font as the PDF measures it.
bool BookPagesInFont(const CalculationBook& book, const std::vector<std::string>& fontFiles,
    std::vector<BookPage>& pages, messages::Message& error);

} // namespace vendrel::book
