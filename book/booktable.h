#pragma once

#include <string>
#include <vector>

// The calculation book's tables, as every edition shows them: the command
// line aligns them, the book lays them out on pages, a workbook makes its
// figures numbers.
namespace vendrel::book {

struct BookCell {
    std::string text;
    // Beside the text, as the window marks it: "*" derived or sized, "#" of
    // a load, "!" over a limit.
    std::string mark;
    bool figure = false; // a number, aligned right; a number cell in a workbook

    std::string Shown() const { return text + mark; }
};

struct BookRow {
    std::vector<BookCell> cells;
    bool index = false;      // on the index circuit: highlighted
    bool unbalanced = false; // out of balance, or to be balanced: red
};

struct BookTable {
    std::vector<std::string> headings; // units in brackets
    std::vector<BookRow> rows;
    std::vector<std::string> notes; // under it, one a line
};

} // namespace vendrel::book
