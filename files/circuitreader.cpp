#include "files/circuitreader.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/fluids.h"
#include "design/sizetext.h"
#include "files/circuitsettinglines.h"
#include "files/columns.h"
#include "files/csvreader.h"
#include "messages/numbercheck.h"

#include <cmath>
#include <map>
#include <tuple>

namespace vendrel::files {
namespace {

using messages::AtLine;
using messages::Message;
using messages::MessageId;
using messages::UserText;

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
    kLoad,
    kDeltaT,
    kKv,
};
static_assert(kKv + 1 == kCircuitFieldCount && kDevice == static_cast<int>(CircuitField::Device));
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
    {"temperature", {"水温", "温度"}},
    {"load", {"负荷", "冷负荷", "热负荷"}},
    {"delta_t", {"温差", "供回水温差"}},
    {"kv", {"阀门Kv"}},
};

class RowReader {
public:
    RowReader(CircuitTable& table, const HeaderMatch& match, std::size_t row, std::vector<Message>& problems)
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
    void Fail(Column column, Message problem)
    {
        const int cell = m_match.cellOf[column];
        if (m_ok)
            m_first = messages::Named(m_table.header[static_cast<std::size_t>(cell)], problem);
        m_table.cellProblems.push_back({m_row, cell, std::move(problem)});
        m_problems.push_back(AtCellOf(m_table, m_table.cellProblems.back()));
        m_ok = false;
    }
    void Fail(Column column, MessageId problem) { Fail(column, Message(problem)); }
    void Warn(Column column, Message warning)
    {
        m_table.cellWarnings.push_back({m_row, m_match.cellOf[column], std::move(warning)});
    }
    // A number in the column, at least minimum; blank gives fallback, or is
    // a problem where there is none.
    double Number(Column column, double minimum, std::optional<double> fallback, std::string_view unit)
    {
        const std::string text = Text(column);
        if (text.empty()) {
            if (!fallback)
                Fail(column, MessageId::NoValue);
            return fallback.value_or(0);
        }
        double value = 0;
        if (Message wrong = messages::CheckNumber(text, messages::AtLeast(minimum, unit), value); !wrong.Empty())
            Fail(column, std::move(wrong));
        return value;
    }
    bool Ok() const { return m_ok; }
    const Message& FirstProblem() const { return m_first; }

private:
    CircuitTable& m_table;
    const HeaderMatch& m_match;
    std::size_t m_row;
    std::vector<Message>& m_problems;
    bool m_ok = true;
    Message m_first;
};

} // namespace

Message AtCellOf(const CircuitTable& table, const CellProblem& cell)
{
    return Message(MessageId::AtCell,
        {{"line", table.lines[cell.row]}, {"column", cell.cell + 1},
            {"heading", table.header[static_cast<std::size_t>(cell.cell)]}, {"problem", cell.message}});
}

int CircuitFieldOf(const std::string& heading)
{
    HeaderMatch match;
    Message error;
    return MatchHeader({heading}, kColumns, match, error) ? match.known[0] : -1;
}

bool CheckCircuitHeader(
    const std::vector<std::string>& header, long headerLine, HeaderMatch& match, std::vector<Message>& problems)
{
    const std::size_t before = problems.size();
    Message error;
    if (!MatchHeader(header, kColumns, match, error)) {
        problems.push_back(AtLine(headerLine, std::move(error)));
        return false;
    }
    for (const Column required : {kSection, kFrom, kTo, kLength}) {
        if (match.cellOf[required] < 0)
            problems.push_back(AtLine(headerLine,
                Message(MessageId::CircuitLacksColumn,
                    {{"column", kColumns[required].name}, {"alias", kColumns[required].aliases[0]}})));
    }
    for (const auto& [a, b] : {std::pair{kRoughness, kMaterial}, std::pair{kViscosity, kTemperature}}) {
        if (match.cellOf[a] >= 0 && match.cellOf[b] >= 0)
            problems.push_back(AtLine(headerLine,
                Message(MessageId::ColumnsExclusive, {{"first", kColumns[a].name}, {"second", kColumns[b].name}})));
    }
    return problems.size() == before;
}

bool ReadCircuitRows(CircuitTable& table, long headerLine, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, const design::Fluid& fluid, std::vector<Message>& problems)
{
    const std::size_t before = problems.size();
    HeaderMatch match;
    if (!CheckCircuitHeader(table.header, headerLine, match, problems))
        return false;
    Message error;
    std::map<std::string, long> seen; // section ids and their lines
    table.sections.clear();
    table.cellProblems.clear();
    table.cellWarnings.clear();
    for (std::size_t row = 0; row < table.cells.size(); ++row) {
        RowReader read(table, match, row, problems);
        design::CircuitSection section;
        section.id = read.Text(kSection);
        if (section.id.empty())
            read.Fail(kSection, MessageId::NoSectionName);
        else if (const auto [at, added] = seen.emplace(section.id, table.lines[row]); !added)
            read.Fail(kSection,
                Message(MessageId::SectionRepeated, {{"section", UserText(section.id)}, {"line", at->second}}));
        section.from = read.Text(kFrom);
        if (section.from.empty())
            read.Fail(kFrom, MessageId::NoNode);
        section.to = read.Text(kTo);
        if (section.to.empty())
            read.Fail(kTo, MessageId::NoNode);
        if (read.Has(kFlow) && !read.Text(kFlow).empty()) {
            const std::size_t before = table.cellProblems.size();
            read.Number(kFlow, kMinimumInput, std::nullopt, "m³/h");
            // Unreadable, it is derived at the nodes, for the rest of the network.
            if (table.cellProblems.size() == before)
                section.flow = read.Text(kFlow);
        }
        section.length = read.Number(kLength, 0, std::nullopt, "m");
        // A bore, a size as drawings write it ("D219×6") or a nominal size,
        // in either column; one of them.
        const auto size = [&](Column column) {
            const std::string text = read.Text(column);
            Message wrong;
            double bore = 0;
            const bool number = ParseWholeNumber(text, bore);
            if (column == kDiameter && number) {
                read.Number(kDiameter, kMinimumInput, std::nullopt, "mm");
                return std::pair(text, std::string());
            }
            if (std::optional<std::string> ofSize = design::BoreOfSizeText(text, wrong))
                return std::pair(*ofSize, std::string());
            if (!wrong.Empty()) {
                read.Fail(column, std::move(wrong));
                return std::pair(text, std::string());
            }
            if (std::string nominal = design::NominalOf(series, text); !nominal.empty())
                return std::pair(std::string(), nominal);
            if (column == kDiameter)
                read.Number(kDiameter, kMinimumInput, std::nullopt, "mm");
            else
                read.Fail(kNominal,
                    Message(MessageId::NotASizeOfSeries,
                        {{"text", UserText(text)}, {"series", series.key}, {"sizes", design::SizesOf(series)}}));
            return std::pair(column == kDiameter ? text : std::string(), std::string());
        };
        for (const Column column : {kDiameter, kNominal}) {
            if (!read.Has(column) || read.Text(column).empty())
                continue;
            auto [diameter, nominal] = size(column);
            if (column == kNominal && (!section.diameter.empty() || !section.nominal.empty()))
                read.Fail(kNominal, MessageId::DiameterOrNominal);
            section.diameter = diameter.empty() ? section.diameter : diameter;
            section.nominal = nominal.empty() ? section.nominal : nominal;
        }
        if (read.Has(kZeta))
            section.zeta = read.Number(kZeta, 0, 0.0, "");
        if (read.Has(kFittings) && !design::ParseFittings(read.Text(kFittings), section.fittings, error))
            read.Fail(kFittings, error);
        if (read.Has(kDevice))
            section.device = read.Number(kDevice, 0, 0.0, "kPa");
        if (read.Has(kRoughness) && !read.Text(kRoughness).empty()) {
            read.Number(kRoughness, kMinimumInput, std::nullopt, "mm");
            section.roughness = read.Text(kRoughness);
        }
        if (read.Has(kMaterial) && !read.Text(kMaterial).empty()) {
            const design::Material* material = materials.Find(read.Text(kMaterial));
            if (material == nullptr)
                read.Fail(kMaterial,
                    Message(MessageId::UnknownMaterialKeys,
                        {{"text", UserText(read.Text(kMaterial))}, {"keys", materials.Keys()}}));
            else
                section.roughness = material->roughness;
        }
        if (read.Has(kViscosity) && !read.Text(kViscosity).empty()) {
            read.Number(kViscosity, kMinimumInput, std::nullopt, "10^-6 m²/s");
            section.viscosity = read.Text(kViscosity);
        }
        if (read.Has(kTemperature) && !read.Text(kTemperature).empty()) {
            Message wrong;
            Message warning;
            section.fluid = design::PropertiesOfText(fluid, read.Text(kTemperature), wrong, &warning);
            if (!section.fluid)
                read.Fail(kTemperature, std::move(wrong));
            else
                section.viscosity = design::ViscosityText(*section.fluid);
            if (!warning.Empty())
                read.Warn(kTemperature, std::move(warning));
        }
        // Kept only where read cleanly: a window calculates the rest of the
        // network still, and a Δt of 0 would give it infinite flows.
        for (const auto& [column, field, unit] : {std::tuple{kLoad, &section.load, "kW"},
                 std::tuple{kDeltaT, &section.deltaT, "K"}, std::tuple{kKv, &section.kv, "m³/h"}}) {
            if (!read.Has(column) || read.Text(column).empty())
                continue;
            const std::size_t before = table.cellProblems.size();
            const double value = read.Number(column, kMinimumInput, std::nullopt, unit);
            if (table.cellProblems.size() == before)
                *field = value;
        }
        section.problem = read.FirstProblem();
        table.sections.push_back(std::move(section));
    }
    if (table.cells.empty())
        problems.push_back(AtLine(headerLine, Message(MessageId::NoSectionsAfterHeader)));
    return problems.size() == before;
}

} // namespace vendrel::files
