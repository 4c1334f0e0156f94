#include "files/circuitreader.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/water.h"
#include "files/circuitsettinglines.h"
#include "files/columns.h"
#include "files/csvreader.h"

#include <cmath>
#include <map>

namespace vendrel::files {
namespace {

enum Column {
    kSection,
    kFrom,
    kTo,
    kFlow,
    kLength,
    kDiameter,
    kNominal,
    kZeta,
    kFittings,
    kDevice,
    kRoughness,
    kMaterial,
    kViscosity,
    kTemperature,
};
static_assert(kTemperature + 1 == kCircuitFieldCount && kDevice == static_cast<int>(CircuitField::Device));
const std::vector<KnownColumn> kColumns = {
    {"section", {"管段", "管段编号"}},
    {"from", {"起点"}},
    {"to", {"终点"}},
    {"flow", {"流量"}},
    {"length", {"长度", "管长"}},
    {"diameter", {"管径", "内径"}},
    {"nominal", {"公称直径"}},
    {"zeta", {"局部阻力系数", "Σζ"}},
    {"fittings", {"管件"}},
    {"device", {"设备阻力"}},
    {"roughness", {"粗糙度", "绝对粗糙度"}},
    {"material", {"管材"}},
    {"viscosity", {"运动粘滞系数"}},
    {"temperature", {"水温"}},
};

class RowReader {
public:
    RowReader(CircuitTable& table, const HeaderMatch& match, std::size_t row, std::vector<std::string>& problems)
        : m_table(table)
        , m_match(match)
        , m_row(row)
        , m_problems(problems)
    { }

    bool Has(Column column) const { return m_match.cellOf[column] >= 0; }
    std::string Text(Column column) const
    {
        const int cell = m_match.cellOf[column];
        const auto& cells = m_table.cells[m_row];
        return cell >= 0 && static_cast<std::size_t>(cell) < cells.size()
            ? std::string(Trimmed(cells[static_cast<std::size_t>(cell)]))
            : std::string();
    }
    void Fail(Column column, const std::string& text)
    {
        const int cell = m_match.cellOf[column];
        m_problems.push_back("line " + std::to_string(m_table.lines[m_row]) + ", column " + std::to_string(cell + 1)
            + " (" + m_table.header[static_cast<std::size_t>(cell)] + "): " + text);
        if (m_ok)
            m_first = m_table.header[static_cast<std::size_t>(cell)] + ": " + text;
        m_table.cellProblems.push_back({m_row, cell, text});
        m_ok = false;
    }
    // A number in the column, at least minimum (or above it, where strictly);
    // blank gives fallback, or is a problem where there is none.
    double Number(Column column, double minimum, bool strictly, std::optional<double> fallback, const char* unit)
    {
        const std::string text = Text(column);
        if (text.empty()) {
            if (!fallback)
                Fail(column, "no value");
            return fallback.value_or(0);
        }
        double value = 0;
        if (!ParseWholeNumber(text, value) || !std::isfinite(value)) {
            Fail(column, "\"" + text + "\" is not a number" + (*unit ? std::string(" (") + unit + ")" : ""));
        } else if (strictly ? !(value >= minimum) : value < minimum) {
            Fail(column, "\"" + text + "\" is below " + ShortestText(minimum) + (*unit ? std::string(" ") + unit : ""));
        }
        return value;
    }
    bool Ok() const { return m_ok; }
    const std::string& FirstProblem() const { return m_first; }

private:
    CircuitTable& m_table;
    const HeaderMatch& m_match;
    std::size_t m_row;
    std::vector<std::string>& m_problems;
    bool m_ok = true;
    std::string m_first;
};

} // namespace

int CircuitFieldOf(const std::string& heading)
{
    HeaderMatch match;
    std::string error;
    return MatchHeader({heading}, kColumns, match, error) ? match.known[0] : -1;
}

bool CheckCircuitHeader(
    const std::vector<std::string>& header, long headerLine, HeaderMatch& match, std::vector<std::string>& problems)
{
    const std::size_t before = problems.size();
    std::string error;
    if (!MatchHeader(header, kColumns, match, error)) {
        problems.push_back("line " + std::to_string(headerLine) + ": " + error);
        return false;
    }
    for (const Column required : {kSection, kFrom, kTo, kLength}) {
        if (match.cellOf[required] < 0)
            problems.push_back("line " + std::to_string(headerLine) + ": the header has no \""
                + std::string(kColumns[required].name) + "\" column (" + std::string(kColumns[required].aliases[0])
                + ")");
    }
    for (const auto& [a, b] : {std::pair{kRoughness, kMaterial}, std::pair{kViscosity, kTemperature}}) {
        if (match.cellOf[a] >= 0 && match.cellOf[b] >= 0)
            problems.push_back("line " + std::to_string(headerLine) + ": columns \"" + std::string(kColumns[a].name)
                + "\" and \"" + std::string(kColumns[b].name) + "\" cannot both be given");
    }
    return problems.size() == before;
}

bool ReadCircuitRows(CircuitTable& table, long headerLine, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, std::vector<std::string>& problems)
{
    const std::size_t before = problems.size();
    HeaderMatch match;
    if (!CheckCircuitHeader(table.header, headerLine, match, problems))
        return false;
    std::string error;
    std::map<std::string, long> seen; // section ids and their lines
    table.sections.clear();
    table.cellProblems.clear();
    for (std::size_t row = 0; row < table.cells.size(); ++row) {
        RowReader read(table, match, row, problems);
        design::CircuitSection section;
        section.id = read.Text(kSection);
        if (section.id.empty())
            read.Fail(kSection, "no section name");
        else if (const auto [at, added] = seen.emplace(section.id, table.lines[row]); !added)
            read.Fail(kSection, "section \"" + section.id + "\" is also on line " + std::to_string(at->second));
        section.from = read.Text(kFrom);
        if (section.from.empty())
            read.Fail(kFrom, "no node");
        section.to = read.Text(kTo);
        if (section.to.empty())
            read.Fail(kTo, "no node");
        if (read.Has(kFlow) && !read.Text(kFlow).empty()) {
            const std::size_t before = table.cellProblems.size();
            read.Number(kFlow, 0.000001, true, std::nullopt, "m³/h");
            // Unreadable, it is derived at the nodes, for the rest of the network.
            if (table.cellProblems.size() == before)
                section.flow = read.Text(kFlow);
        }
        section.length = read.Number(kLength, 0, false, std::nullopt, "m");
        if (read.Has(kDiameter) && !read.Text(kDiameter).empty()) {
            read.Number(kDiameter, 0.000001, true, std::nullopt, "mm");
            section.diameter = read.Text(kDiameter);
        }
        if (read.Has(kNominal) && !read.Text(kNominal).empty()) {
            section.nominal = read.Text(kNominal);
            bool found = false;
            std::string sizes;
            for (const design::PipeSize& size : series) {
                if (design::SameIgnoringCase(size.nominal, section.nominal)) {
                    section.nominal = size.nominal;
                    found = true;
                }
                sizes += (sizes.empty() ? "" : " ") + size.nominal;
            }
            if (!found)
                read.Fail(kNominal,
                    "\"" + section.nominal + "\" is no size of the series " + series.key + " (" + sizes + ")");
            if (!section.diameter.empty())
                read.Fail(kNominal, "give the inner diameter or the nominal size, not both");
        }
        if (read.Has(kZeta))
            section.zeta = read.Number(kZeta, 0, false, 0.0, "");
        if (read.Has(kFittings) && !design::ParseFittings(read.Text(kFittings), section.fittings, error))
            read.Fail(kFittings, error);
        if (read.Has(kDevice))
            section.device = read.Number(kDevice, 0, false, 0.0, "kPa");
        if (read.Has(kRoughness) && !read.Text(kRoughness).empty()) {
            read.Number(kRoughness, 0.000001, true, std::nullopt, "mm");
            section.roughness = read.Text(kRoughness);
        }
        if (read.Has(kMaterial) && !read.Text(kMaterial).empty()) {
            const design::Material* material = materials.Find(read.Text(kMaterial));
            if (material == nullptr)
                read.Fail(
                    kMaterial, "unknown material \"" + read.Text(kMaterial) + "\" (one of " + materials.Keys() + ")");
            else
                section.roughness = material->roughness;
        }
        if (read.Has(kViscosity) && !read.Text(kViscosity).empty()) {
            read.Number(kViscosity, 0.000001, true, std::nullopt, "×10^-6 m²/s");
            section.viscosity = read.Text(kViscosity);
        }
        if (read.Has(kTemperature) && !read.Text(kTemperature).empty()) {
            const double celsius = read.Number(kTemperature, 0, false, std::nullopt, "°C");
            if (const std::optional<std::string> viscosity = design::KinematicViscosityText(celsius)) {
                section.viscosity = *viscosity;
                section.celsius = celsius;
            } else if (read.Ok()) {
                read.Fail(kTemperature, "\"" + read.Text(kTemperature) + "\" is outside 0 to 100 °C");
            }
        }
        section.problem = read.FirstProblem();
        table.sections.push_back(std::move(section));
    }
    if (table.cells.empty())
        problems.push_back("line " + std::to_string(headerLine) + ": no sections after the header");
    return problems.size() == before;
}

bool ReadCircuitFile(std::FILE* in, const design::PipeSeries& series, const design::MaterialCatalog& materials,
    CircuitTable& table, std::vector<std::string>& problems)
{
    const std::size_t before = problems.size();
    if (!ReadCircuitText(in, table, problems))
        return false;
    return ReadCircuitRows(table, table.headerLine, series, materials, problems) && problems.size() == before;
}

bool ReadCircuitText(std::FILE* in, CircuitTable& table, std::vector<std::string>& problems)
{
    table = CircuitTable();
    const std::size_t before = problems.size();
    CsvReader reader(in);
    std::vector<std::string> cells;
    long headerLine = 0;
    for (;;) {
        switch (reader.Next(cells)) {
        case CsvReader::Result::Error:
            problems.push_back(reader.ReadError() != 0
                    ? "cannot read it after line " + std::to_string(reader.LinesBeforeReadError()) + ": "
                        + reader.ErrorText()
                    : "line " + std::to_string(reader.ErrorLine()) + ": " + reader.ErrorText());
            return false;
        case CsvReader::Result::End:
            if (headerLine == 0) {
                problems.push_back("line " + std::to_string(reader.Line())
                    + ": no header line: expected section, from, to and length (管段, 起点, 终点, 长度)");
                return false;
            }
            table.headerLine = headerLine;
            return problems.size() == before;
        case CsvReader::Result::Record:
            if (headerLine == 0 && CircuitSettingOf(cells) >= 0) {
                AddCircuitSetting(table, cells, reader.RecordLine(), problems);
            } else if (headerLine == 0) {
                table.header = cells;
                headerLine = reader.RecordLine();
            } else if (cells.size() != table.header.size()) {
                problems.push_back("line " + std::to_string(reader.RecordLine()) + ": expected "
                    + std::to_string(table.header.size()) + " fields, found " + std::to_string(cells.size()));
            } else {
                table.cells.push_back(cells);
                table.lines.push_back(reader.RecordLine());
            }
            break;
        }
    }
}

} // namespace vendrel::files
