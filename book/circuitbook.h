#pragma once

#include "book/booktable.h"
#include "design/circuit.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "files/circuitreader.h"

#include <optional>
#include <string>
#include <vector>

// The calculation book (水力计算书) of a circuit, described once: what it
// says, in order, for the book's pages, the windows' printing and the
// workbook alike. How it falls on pages is the renderer's.
namespace vendrel::book {

// What the book says of a circuit's settings beyond those it was calculated
// with, as its edition holds them.
struct BookSettings {
    const design::Material* material = nullptr; // where the roughness is a material's
    std::optional<double> celsius;              // the fluid's temperature, where ν is of it
};

// A line of the title block; a blank value is a line to sign on.
struct TitleLine {
    std::string title;
    std::string value;
};

// A part of the book under its heading: lines of text, then its tables.
struct BookPart {
    std::string heading;
    std::vector<std::string> lines;
    std::vector<BookTable> tables;
};

struct CalculationBook {
    std::string title;                 // "水力计算书"
    std::vector<TitleLine> titleBlock; // 工程名称 … 日期, every one, in that order
    std::string project;               // 工程名称's value, for running heads and titles; "" for none
    std::string program;               // "Vendrel 1.0.0.1", the version that calculated it
    std::vector<BookPart> parts;
};

// The book of a calculated circuit: 设计依据, 计算参数, 计算公式, the section
// table, the paths, the index circuit and the pump, the balance where the
// circuit has an index circuit, and every problem and warning of its
// sections and paths, in Chinese.
CalculationBook CircuitBook(const files::CircuitTable& table, const design::CircuitResult& result,
    const design::CircuitSettings& settings, const BookSettings& more);

} // namespace vendrel::book
