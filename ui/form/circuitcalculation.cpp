// The circuit window's calculation: its settings resolved and its rows read
// as the command line reads a circuit file, then calculated whole.
#include "calc/numbertext.h"
#include "design/circuittexts.h"
#include "design/water.h"
#include "ui/form/circuitdocument.h"
#include "ui/form/circuitmessages.h"

#include <cmath>

namespace vendrel::form {
namespace {

using Key = files::CircuitSettingKey;
constexpr double kDefaultCelsius = 10;

// A number typed in a setting, at least minimum (above it where strictly);
// otherwise the reason, and fallback stands.
double ReadSetting(const std::string& text, double minimum, bool strictly, double fallback, std::string& problem)
{
    double value = 0;
    if (!ParseWholeNumber(text, value) || !std::isfinite(value)) {
        problem = "“" + text + "”不是数字";
        return fallback;
    }
    if (strictly ? !(value > minimum) : value < minimum) {
        problem = "“" + text + "”须" + (strictly ? "大于 " : "不小于 ") + ShortestText(minimum);
        return fallback;
    }
    return value;
}

} // namespace

bool CircuitDocument::Blank(const std::vector<std::string>& row)
{
    for (const std::string& cell : row) {
        if (cell.find_first_not_of(" \t") != std::string::npos)
            return false;
    }
    return true;
}

void CircuitDocument::ResolveSettings()
{
    for (std::string& problem : m_settingProblems)
        problem.clear();
    design::CircuitSettings& s = m_resolved;
    s = design::CircuitSettings();
    const std::string& seriesKey = m_settings[At(Key::Series)];
    s.series = m_library.series.Find(seriesKey);
    if (s.series == nullptr) {
        m_settingProblems[At(Key::Series)] = "没有管道系列“" + seriesKey + "”";
        s.series = &m_library.series.Default();
    }
    const design::Material* seriesMaterial = m_library.materials.Find(s.series->material);
    s.plastic = seriesMaterial != nullptr && seriesMaterial->plastic;

    // The roughness: the material's, or typed, or that of the series' material.
    m_derivedRoughness.clear();
    const std::string& materialKey = m_settings[At(Key::Material)];
    const std::string& roughness = m_settings[At(Key::Roughness)];
    if (!roughness.empty()) {
        std::string& problem = m_settingProblems[At(Key::Roughness)];
        ReadSetting(roughness, 0, true, 0, problem);
        s.roughness = problem.empty() ? roughness : "0.2";
    } else {
        const design::Material* material = materialKey.empty() ? seriesMaterial : m_library.materials.Find(materialKey);
        if (material == nullptr && !materialKey.empty())
            m_settingProblems[At(Key::Material)] = "没有管材“" + materialKey + "”";
        if (material != nullptr)
            s.roughness = material->roughness;
        m_derivedRoughness = s.roughness;
    }

    // The water: at its temperature, or of the viscosity typed (its density at 10 °C).
    m_derivedViscosity.clear();
    const std::string& temperature = m_settings[At(Key::Temperature)];
    const std::string& viscosity = m_settings[At(Key::Viscosity)];
    double celsius = kDefaultCelsius;
    if (!viscosity.empty()) {
        std::string& problem = m_settingProblems[At(Key::Viscosity)];
        ReadSetting(viscosity, 0, true, 0, problem);
        if (problem.empty())
            s.viscosity = viscosity;
    } else {
        std::string& problem = m_settingProblems[At(Key::Temperature)];
        if (!temperature.empty())
            celsius = ReadSetting(temperature, 0, false, kDefaultCelsius, problem);
        const std::optional<std::string> ofWater = design::KinematicViscosityText(celsius);
        if (!ofWater) {
            problem = "水温须在 0～100 °C 之间";
            celsius = kDefaultCelsius;
        }
        s.viscosity = design::KinematicViscosityText(celsius).value_or(s.viscosity);
        m_derivedViscosity = s.viscosity;
    }
    s.density = design::WaterDensity(celsius);

    const auto limit = [&](Key key, double minimum, bool strictly, double fallback) {
        const std::string& text = m_settings[At(key)];
        return text.empty() ? fallback : ReadSetting(text, minimum, strictly, fallback, m_settingProblems[At(key)]);
    };
    s.maxPascalsPerMetre = limit(Key::MaxRate, 0, true, 300);
    if (!m_settings[At(Key::MaxVelocity)].empty()) {
        const double velocity = limit(Key::MaxVelocity, 0, true, 0);
        if (velocity > 0)
            s.maxVelocity = velocity;
    }
    s.headMargin = limit(Key::HeadMargin, 0, false, 10) / 100;
    s.maxImbalance = limit(Key::MaxImbalance, 0, true, 15) / 100;
}

void CircuitDocument::Calculate()
{
    ResolveSettings();
    const std::size_t rows = m_rows.size();
    const std::size_t width = static_cast<std::size_t>(kTypedColumnCount + ExtraColumns());
    m_cellProblems.assign(rows, std::vector<std::string>(width));
    m_sectionOfRow.assign(rows, -1);
    m_sections.clear();
    m_result = design::CircuitResult();
    m_paths.clear();
    m_networkProblems.clear();

    // The rows as a circuit file's, blank ones left out, as the reader reads them.
    files::CircuitTable table;
    for (int c = 0; c < static_cast<int>(width); ++c)
        table.header.push_back(ColumnTitle(c));
    std::vector<std::size_t> rowOf;
    for (std::size_t r = 0; r < rows; ++r) {
        if (Blank(m_rows[r]))
            continue;
        table.cells.push_back(m_rows[r]);
        table.lines.push_back(static_cast<long>(r + 1));
        rowOf.push_back(r);
    }
    if (table.cells.empty())
        return;
    std::vector<std::string> problems;
    files::ReadCircuitRows(table, 0, *m_resolved.series, m_library.materials, problems);
    if (table.sections.size() != table.cells.size()) { // the header itself, from a file's own columns
        m_networkProblems = problems;
        return;
    }
    for (const files::CellProblem& problem : table.cellProblems) {
        std::string& message = m_cellProblems[rowOf[problem.row]][static_cast<std::size_t>(problem.cell)];
        message += (message.empty() ? "" : "\n") + problem.text;
    }
    // A section without a name or an end, or named twice, has no place in the network.
    for (std::size_t t = 0; t < table.sections.size(); ++t) {
        design::CircuitSection& section = table.sections[t];
        if (section.id.empty() || section.from.empty() || section.to.empty()
            || !m_cellProblems[rowOf[t]][static_cast<std::size_t>(CircuitColumn::Section)].empty())
            continue;
        m_sectionOfRow[rowOf[t]] = static_cast<int>(m_sections.size());
        m_sections.push_back(std::move(section));
    }
    m_result = design::CalculateCircuit(m_sections, m_resolved);
    for (const design::NetworkProblem& problem : m_result.errors) {
        m_networkProblems.push_back(
            (problem.section >= 0 ? "管段“" + m_sections[static_cast<std::size_t>(problem.section)].id + "”：" : "")
            + ChineseProblem(problem.text));
    }
    for (const design::CircuitPath& path : m_result.paths) {
        m_paths.push_back({design::PathText(path.sections, m_sections), design::KilopascalsText(path.total),
            design::PercentText(path.imbalance), design::PathNote(path, m_resolved.maxImbalance), path.index,
            path.unbalanced});
    }
}

} // namespace vendrel::form
