#include "cli/schedulefluids.h"

#include "calc/numbertext.h"
#include "cli/strictcalculation.h"
#include "design/fluids.h"
#include "files/columns.h"
#include "messages/numbercheck.h"

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;
using messages::Named;

using files::Trimmed;

// A number of a cell as the rule wants it; false, with its problem, where not.
bool ReadCell(std::string_view cell, const char* column, const messages::NumberRule& rule, double& value,
    std::vector<Message>& problems)
{
    Message problem = messages::CheckNumber(cell, rule, value);
    if (problem.Empty())
        return true;
    problems.push_back(Named(column, std::move(problem)));
    return false;
}

} // namespace

RowFluid ScheduleFluids::Of(const FluidCells& cells, std::vector<Message>& problems)
{
    RowFluid row;
    const bool byLoad = !Trimmed(cells.load).empty() || !Trimmed(cells.deltaT).empty();
    m_key.assign(cells.fluid).append(1, '\x1f').append(cells.concentration).append(1, '\x1f').append(cells.temperature);
    auto found = m_known.find(m_key);
    Known fresh;
    Known& known = found != m_known.end() ? found->second : fresh;
    if ((found == m_known.end() || (byLoad && !known.properties)) && !Resolve(cells, byLoad, known, problems)) {
        row.viscosityFailed = true;
        row.flowFailed = byLoad;
        return row;
    }
    // What gave no problem is kept; a few hundred texts at most.
    if (found == m_known.end()) {
        if (m_known.size() >= 256)
            m_known.clear();
        m_known.emplace(m_key, known);
    }
    row.viscosity = known.viscosity;
    row.warning = known.warning;
    if (!byLoad)
        return row;
    double load = 0;
    double deltaT = 0;
    if (Trimmed(cells.load).empty() || Trimmed(cells.deltaT).empty()) {
        problems.push_back(Message(MessageId::LoadNeedsDeltaTColumn));
        row.flowFailed = true;
        return row;
    }
    const bool loadRead = ReadCell(cells.load, "load", messages::Positive("kW"), load, problems);
    if (!ReadCell(cells.deltaT, "delta_t", messages::Positive("K"), deltaT, problems) || !loadRead) {
        row.flowFailed = true;
        return row;
    }
    row.flow = FixedText(design::FlowOfLoad(load, deltaT, *known.properties), 3);
    return row;
}

bool ScheduleFluids::Resolve(const FluidCells& cells, bool byLoad, Known& known, std::vector<Message>& problems)
{
    design::Fluid fluid;
    if (const std::string_view name = Trimmed(cells.fluid); !name.empty()) {
        const std::optional<design::FluidKind> kind = design::FluidOfName(name);
        if (!kind) {
            problems.push_back(
                Named("fluid", Message(MessageId::UnknownFluid, {{"text", messages::UserText(cells.fluid)}})));
            return false;
        }
        fluid.kind = *kind;
    }
    const bool brine = fluid.kind != design::FluidKind::Water;
    const std::string_view concentration = Trimmed(cells.concentration);
    if (brine) {
        if (concentration.empty() || Trimmed(cells.temperature).empty()) {
            problems.push_back(Message(
                concentration.empty() ? MessageId::RowBrineNeedsConcentration : MessageId::RowBrineNeedsTemperature,
                {{"fluid", design::FluidKey(fluid.kind)}}));
            return false;
        }
        if (!ReadCell(concentration, "concentration", messages::Between(0, design::kMaxGlycolPercent, "%"),
                fluid.massPercent, problems))
            return false;
    } else if (!concentration.empty()) {
        problems.push_back(Named("concentration", Message(MessageId::ConcentrationWithoutGlycol)));
        return false;
    }

    // Water at a temperature as "按水温计算" gives it; a brine by its correlations.
    double celsius = design::kDefaultCelsius;
    if (const std::string_view temperature = Trimmed(cells.temperature); !temperature.empty()) {
        if (!brine) {
            known.viscosity = ViscosityFromTemperature(cells.temperature, "temperature", problems);
            if (!known.viscosity)
                return false;
            celsius = ParseNumber(temperature);
        } else if (!ReadCell(temperature, "temperature", messages::AnyNumber("°C"), celsius, problems)) {
            return false;
        }
    }
    if (!brine && !byLoad)
        return true;
    Message problem;
    known.properties = design::PropertiesAt(fluid, celsius, problem, &known.warning);
    if (!known.properties) {
        problems.push_back(Named("temperature", std::move(problem)));
        return false;
    }
    if (brine)
        known.viscosity = design::ViscosityText(*known.properties);
    return true;
}

} // namespace vendrel::cli
