#pragma once

#include "book/circuitbook.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The calculation book laid out on A4 pages, once for every way of drawing
// it: the PDF, the Qt printer, GDI. Lengths are in points (1/72 in) from the
// page's top left corner; a text's position is the start of its baseline.
namespace vendrel::book {

struct PageColour {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
};

struct PageText {
    double x = 0;
    double baseline = 0;
    double size = 0; // the font's size in points
    std::string text;
    PageColour colour;
};

// A filled rectangle: the highlight of a row.
struct PageBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    PageColour fill;
};

// A straight line: a table's rules, the lines to sign on.
struct PageRule {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0.5;
    PageColour colour;
};

struct BookPage {
    double width = 0; // A4 portrait, or landscape for a wide table
    double height = 0;
    std::vector<PageBox> boxes; // drawn first, then the rules, then the texts
    std::vector<PageRule> rules;
    std::vector<PageText> texts;
};

// The width in points of a text in the book's font at a size: the drawing's
// own measure, so that nothing drawn runs past what the layout allowed.
using TextWidth = std::function<double(std::string_view text, double size)>;

// The book on pages: the title block, then each part under its heading, its
// lines wrapped to the page and its tables with their headings repeated on
// every page they run onto, no row split; a table wider than a portrait page
// on landscape pages, its cells elided where even those are too narrow.
// Every page ends with "第 n 页 共 m 页".
std::vector<BookPage> LayOutBook(const CalculationBook& book, const TextWidth& width);

} // namespace vendrel::book
