#pragma once

#include "design/circuit.h"
#include "design/materials.h"
#include "design/pipeseries.h"

#include <cstdio>
#include <string>
#include <vector>

// A circuit as its file gives it, one row per section: section (管段), from
// (起点), to (终点), length (长度, m) needed; flow (流量, m³/h; blank to be
// derived), diameter (管径, mm) or nominal (公称直径, a size of the series;
// neither, to be sized), zeta (局部阻力系数), fittings (管件), device
// (设备阻力, kPa), and per row roughness (粗糙度) or material (管材),
// viscosity (运动粘滞系数) or temperature (水温). Names as for schedules: in
// any case, Chinese, with a unit in brackets; other columns are the user's.
namespace vendrel::files {

struct CircuitTable {
    std::vector<std::string> header;             // as given
    std::vector<std::vector<std::string>> cells; // each row as given
    std::vector<long> lines;                     // each row's line
    std::vector<design::CircuitSection> sections;
};

// Turns a header and its rows into sections. Every cell that cannot be read
// is a problem naming its line and column ("line 4, column 6 (管径): …");
// false where there is any.
bool ReadCircuitRows(CircuitTable& table, long headerLine, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, std::vector<std::string>& problems);

// Reads a circuit file whole, in any encoding CsvReader knows, and its rows
// as ReadCircuitRows does. False with problems where it cannot.
bool ReadCircuitFile(std::FILE* in, const design::PipeSeries& series, const design::MaterialCatalog& materials,
    CircuitTable& table, std::vector<std::string>& problems);

} // namespace vendrel::files
