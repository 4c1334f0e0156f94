#pragma once

#include "messages/message.h"

#include <cstdio>
#include <string>

namespace vendrel::design {
class MaterialCatalog;
struct PipeSeries;
} // namespace vendrel::design

namespace vendrel::cli {

struct CsvJobSettings {
    // The materials a "material" column may name; the built-in ones where null.
    const design::MaterialCatalog* materials = nullptr;
    // The series a nominal size in the diameter column ("DN50") is of; where
    // null, the column takes bores and drawings' sizes only.
    const design::PipeSeries* series = nullptr;
    // A UTF-8 byte-order mark first and CRLF line ends, for Excel.
    bool bom = false;
    // Each row written as soon as it is calculated, for someone watching.
    bool rowByRow = false;
    messages::Language language = messages::Language::English;
    // What a blank fluid, concentration, temperature or delta_t cell takes
    // (the command line's); "" for the default, water at 10 °C. A row's own
    // viscosity stands over them.
    std::string fluid;
    std::string concentration;
    std::string temperature;
    std::string deltaT;
};

// Calculates every row of a pipe schedule: reads CSV from in, in any
// encoding the reader knows, whose header names flow and diameter and
// optionally roughness or material and viscosity or temperature, in English
// in any case or in Chinese (流量, 管径, 粗糙度, 管材, 运动粘滞系数, 水温).
// Writes per row the four input texts, the six results, the zone and the
// residual; the user's own columns are carried through unchanged, those
// before the first of ours first, the others last. An empty optional cell
// takes the default. Every row in gives one row out, in order; a row that
// could not be calculated is written too, and reported on err with its
// line. Stops at the first malformed line, failed read or failed write,
// with a message on err and the count of rows that could not be calculated;
// rows written before stay complete. Returns the exit status.
int RunCsvJob(
    std::FILE* in, const char* inputName, std::FILE* out, std::FILE* err, const CsvJobSettings& settings = {});

} // namespace vendrel::cli
