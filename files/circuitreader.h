#pragma once

#include "design/circuit.h"
#include "design/materials.h"
#include "design/pipeseries.h"
#include "files/columns.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// A circuit as its file gives it, one row per section: section (管段), from
// (起点), to (终点), length (长度, m) needed; flow (流量, m³/h; blank to be
// derived), diameter (管径, mm) or nominal (公称直径, a size of the series;
// neither, to be sized), zeta (局部阻力系数), fittings (管件), device
// (设备阻力, kPa), and per row roughness (粗糙度) or material (管材),
// viscosity (运动粘滞系数) or temperature (水温), a terminal's load (负荷,
// kW) and its temperature difference (温差, K). Names as for schedules: in
// any case, Chinese, with a unit in brackets; other columns are the user's.
namespace vendrel::files {

// A circuit's own design basis, on lines of a name and a value before its
// header ("管道系列,sch40"). Each means what the vendrel-calc option of the
// same sense does, and an option given on the command line overrides it.
enum class CircuitSettingKey {
    Series,
    Material,
    Roughness,
    Fluid,         // water, or a glycol brine with its
    Concentration, // glycol, % by mass
    Temperature,
    Viscosity,
    DeltaT, // supply–return, for the sections' loads
    MaxRate,
    MaxVelocity,
    HeadMargin,
    StaticHead,
    MaxImbalance,
};
inline constexpr int kCircuitSettingCount = 13;

struct CircuitSetting {
    CircuitSettingKey key;
    std::string value; // as written, blanks around it trimmed
    long line = 0;
};

// The project a circuit file belongs to, on lines of a name and a value
// before its settings ("工程名称,某某大厦"), kept for the calculation's
// headings and written back as they were.
enum class ProjectField { Project, System, Designer, Checker, Approver, Date };
inline constexpr int kProjectFieldCount = 6;

struct ProjectLine {
    ProjectField field;
    std::string value; // as written, blanks around it trimmed
    long line = 0;
};

// The name a project line is written under: "工程名称", "设计".
std::string_view ProjectFieldTitle(ProjectField field);

// The name a setting is written under, with its unit: "比摩阻限值(Pa/m)".
std::string_view CircuitSettingTitle(CircuitSettingKey key);

// The setting that says the same another way (the material and the
// roughness, the temperature and the viscosity): one of a pair stands. The
// key itself for the others.
CircuitSettingKey OtherWayOf(CircuitSettingKey key);

// The columns a circuit file may have, in the order of MatchCircuitHeader's
// match.cellOf.
enum class CircuitField {
    Section,
    From,
    To,
    Flow,
    Length,
    Diameter,
    Nominal,
    Zeta,
    Fittings,
    Device,
    Roughness,
    Material,
    Viscosity,
    Temperature,
    Load,
    DeltaT,
    Kv,
};
inline constexpr int kCircuitFieldCount = 17;

// Which header cell is which column, as ReadCircuitRows takes them; false,
// with a problem naming headerLine for each, where the header lacks a
// column it needs or has two of one sense.
bool CheckCircuitHeader(const std::vector<std::string>& header, long headerLine, HeaderMatch& match,
    std::vector<messages::Message>& problems);

// The column a heading names ("流量(m³/h)", "Flow", "内径"), a CircuitField, or -1.
int CircuitFieldOf(const std::string& heading);

// A cell that cannot be read: its row among the table's rows, its cell in
// the row, and why.
struct CellProblem {
    std::size_t row;
    int cell;
    messages::Message message;
};

struct CircuitTable {
    std::vector<ProjectLine> project;
    std::vector<CircuitSetting> settings;
    std::vector<std::string> header; // as given
    long headerLine = 0;
    std::vector<std::vector<std::string>> cells;  // each row as given
    std::vector<long> lines;                      // each row's line
    std::vector<design::CircuitSection> sections; // one per row, its problem set where a cell is unreadable
    std::vector<CellProblem> cellProblems;
    // Cells calculated all the same that a designer should look at again: a
    // row's own temperature near its brine's freezing point.
    std::vector<CellProblem> cellWarnings;
};

// A cell's problem or warning as the user is told it: its line, column and heading.
messages::Message AtCellOf(const CircuitTable& table, const CellProblem& cell);

// Turns a header and its rows into sections. Every cell that cannot be read
// is a problem naming its line and column ("line 4, column 6 (管径): …");
// false where there is any.
// A row's temperature is of the fluid the circuit carries.
bool ReadCircuitRows(CircuitTable& table, long headerLine, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, const design::Fluid& fluid, std::vector<messages::Message>& problems);

// A row with nothing but blanks in its cells (Excel writes ",,,,," under a
// table whose cells were once touched): no section, in a file or the window.
bool BlankRow(const std::vector<std::string>& cells);

// Reads a circuit file's project lines, settings, header and rows, in any
// encoding CsvReader knows, without reading the rows' cells; blank rows are
// left out. False with problems where it cannot: a row of the wrong length,
// a line before the header of a name that is no setting or project line,
// one given twice.
bool ReadCircuitText(std::FILE* in, CircuitTable& table, std::vector<messages::Message>& problems);

// ReadCircuitText, then ReadCircuitRows with the series given.
bool ReadCircuitFile(std::FILE* in, const design::PipeSeries& series, const design::MaterialCatalog& materials,
    CircuitTable& table, std::vector<messages::Message>& problems);

} // namespace vendrel::files
