// The circuit window's calculation: its settings resolved and its rows read
// as the command line reads a circuit file, then calculated whole.
#include "calc/numbertext.h"
#include "design/circuittexts.h"
#include "design/fluids.h"
#include "files/columns.h"
#include "messages/numbercheck.h"
#include "ui/form/circuitdocument.h"
#include "ui/form/windowtext.h"

#include <cmath>

namespace vendrel::form {
namespace {

using messages::Message;
using messages::MessageId;
using Key = files::CircuitSettingKey;

// A number typed in a setting, as the rule wants it; otherwise the reason,
// and fallback stands.
double ReadSetting(const std::string& text, const messages::NumberRule& rule, double fallback, std::string& problem)
{
    double value = 0;
    const Message wrong = messages::CheckNumber(text, rule, value);
    problem = WindowText(wrong);
    return wrong.Empty() ? value : fallback;
}

// A concentration that cannot be read: water is calculated instead.
constexpr double kNoPercent = 0;

} // namespace

void CircuitDocument::ResolveSettings()
{
    for (std::string& problem : m_settingProblems)
        problem.clear();
    design::CircuitSettings& s = m_resolved;
    s = design::CircuitSettings();
    const std::string& seriesKey = m_settings[At(Key::Series)];
    s.series = m_library.series.Find(seriesKey);
    if (s.series == nullptr) {
        m_settingProblems[At(Key::Series)]
            = WindowText(Message(MessageId::UnknownSeries, {{"text", messages::UserText(seriesKey)}}));
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
        ReadSetting(roughness, messages::Positive("mm"), 0, problem);
        s.roughness = problem.empty() ? roughness : "0.2";
    } else {
        const design::Material* material = materialKey.empty() ? seriesMaterial : m_library.materials.Find(materialKey);
        if (material == nullptr && !materialKey.empty())
            m_settingProblems[At(Key::Material)]
                = WindowText(Message(MessageId::UnknownMaterial, {{"text", messages::UserText(materialKey)}}));
        if (material != nullptr)
            s.roughness = material->roughness;
        m_derivedRoughness = s.roughness;
    }

    // The fluid: water, or a glycol brine of its concentration; a setting
    // that cannot be used leaves water.
    const std::string& fluid = m_settings[At(Key::Fluid)];
    const std::string& concentration = m_settings[At(Key::Concentration)];
    if (!fluid.empty()) {
        if (const std::optional<design::FluidKind> kind = design::FluidOfName(files::Trimmed(fluid)))
            s.fluid.kind = *kind;
        else
            m_settingProblems[At(Key::Fluid)]
                = WindowText(Message(MessageId::UnknownFluid, {{"text", messages::UserText(fluid)}}));
    }
    if (s.fluid.kind == design::FluidKind::Water) {
        if (!concentration.empty())
            m_settingProblems[At(Key::Concentration)] = WindowText(Message(MessageId::ConcentrationWithoutGlycol));
    } else if (concentration.empty()) {
        m_settingProblems[At(Key::Concentration)] = WindowText(Message(MessageId::BrineSettingNeedsConcentration));
        s.fluid = design::Fluid();
    } else {
        std::string& problem = m_settingProblems[At(Key::Concentration)];
        s.fluid.massPercent
            = ReadSetting(concentration, messages::Between(0, design::kMaxGlycolPercent, "%"), kNoPercent, problem);
        if (!problem.empty())
            s.fluid = design::Fluid();
    }

    // At its temperature, or of the viscosity typed (its density and heat at
    // 10 °C). A brine is of its temperature alone, as vendrel-calc takes it:
    // without one it is calculated at 10 °C and the setting marked.
    m_derivedViscosity.clear();
    const std::string& temperature = m_settings[At(Key::Temperature)];
    const std::string& viscosity = m_settings[At(Key::Viscosity)];
    const bool brine = s.fluid.kind != design::FluidKind::Water;
    std::optional<design::FluidProperties> properties;
    if (!viscosity.empty()) {
        std::string& problem = m_settingProblems[At(Key::Viscosity)];
        ReadSetting(viscosity, messages::Positive("10^-6 m²/s"), 0, problem);
        if (brine)
            problem = WindowText(Message(MessageId::BrineSettingTakesNoViscosity));
        else if (problem.empty())
            s.viscosity = viscosity;
    } else if (!temperature.empty()) {
        Message problem;
        Message warning;
        properties = design::PropertiesOfText(s.fluid, temperature, problem, &warning);
        m_settingProblems[At(Key::Temperature)] = WindowText(problem.Empty() ? warning : problem);
    } else if (brine) {
        m_settingProblems[At(Key::Temperature)] = WindowText(Message(MessageId::BrineSettingNeedsTemperature));
    }
    Message unused;
    if (!properties)
        properties = design::PropertiesAt(s.fluid, design::kDefaultCelsius, unused);
    if (viscosity.empty() || brine)
        s.viscosity = design::ViscosityText(*properties);
    if (viscosity.empty())
        m_derivedViscosity = s.viscosity;
    s.density = properties->density;
    s.specificHeat = properties->specificHeat;

    // As vendrel-calc takes the same settings from a circuit file.
    const auto limit = [&](Key key, const messages::NumberRule& rule, double fallback) {
        const std::string& text = m_settings[At(key)];
        return text.empty() ? fallback : ReadSetting(text, rule, fallback, m_settingProblems[At(key)]);
    };
    s.maxPascalsPerMetre = limit(Key::MaxRate, messages::Positive("Pa/m"), 300);
    if (!m_settings[At(Key::MaxVelocity)].empty()) {
        const double velocity = limit(Key::MaxVelocity, messages::Positive("m/s"), 0);
        if (velocity > 0)
            s.maxVelocity = velocity;
    }
    s.headMargin = limit(Key::HeadMargin, messages::Between(0, 1000, "%"), 10) / 100;
    s.staticHead = limit(Key::StaticHead, messages::Between(0, 1000, "m"), 0);
    s.maxImbalance = limit(Key::MaxImbalance, messages::Positive("%"), 15) / 100;
    if (!m_settings[At(Key::DeltaT)].empty()) {
        const double deltaT = limit(Key::DeltaT, messages::Positive("K"), 0);
        if (deltaT > 0)
            s.deltaT = deltaT;
    }
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
        if (files::BlankRow(m_rows[r]))
            continue;
        table.cells.push_back(m_rows[r]);
        table.lines.push_back(static_cast<long>(r + 1));
        rowOf.push_back(r);
    }
    if (table.cells.empty())
        return;
    std::vector<Message> problems;
    files::ReadCircuitRows(table, 0, *m_resolved.series, m_library.materials, m_resolved.fluid, problems);
    if (table.sections.size() != table.cells.size()) { // the header itself, from a file's own columns
        m_networkProblems = std::move(problems);
        return;
    }
    // A warning is marked as a setting's is, the section calculated all the same.
    for (const auto* problems : {&table.cellProblems, &table.cellWarnings}) {
        for (const files::CellProblem& problem : *problems) {
            std::string& message = m_cellProblems[rowOf[problem.row]][static_cast<std::size_t>(problem.cell)];
            message
                += (message.empty() ? "" : WindowText(Message(MessageId::ListSeparator))) + WindowText(problem.message);
        }
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
        if (problem.section < 0) {
            m_networkProblems.push_back(problem.message);
            continue;
        }
        const std::string& id = m_sections[static_cast<std::size_t>(problem.section)].id;
        m_networkProblems.push_back(
            Message(MessageId::OfSection, {{"section", messages::UserText(id)}, {"problem", problem.message}}));
    }
    for (const design::CircuitPath& path : m_result.paths) {
        m_paths.push_back({design::PathName(path, m_result, m_sections), path.leaves, path.rejoins,
            design::KilopascalsText(path.total), design::PercentText(path.imbalance),
            design::PathNote(path, m_resolved.maxImbalance), path.index, path.unbalanced, path.total, path.imbalance});
    }
}

} // namespace vendrel::form
