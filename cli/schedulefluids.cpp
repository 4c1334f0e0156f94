#include "cli/schedulefluids.h"

#include "calc/numbertext.h"
#include "cli/strictcalculation.h"
#include "design/fluids.h"
#include "messages/numbercheck.h"

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;
using messages::Named;

constexpr double kDefaultCelsius = 10; // the water of the default viscosity

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

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

RowFluid FluidOfRow(const FluidCells& cells, std::vector<Message>& problems)
{
    RowFluid row;
    const bool byLoad = !Trimmed(cells.load).empty() || !Trimmed(cells.deltaT).empty();
    const auto fail = [&] {
        row.viscosityFailed = true;
        row.flowFailed = byLoad;
        return row;
    };
    design::Fluid fluid;
    if (const std::string_view name = Trimmed(cells.fluid); !name.empty()) {
        const std::optional<design::FluidKind> kind = design::FluidOfName(name);
        if (!kind) {
            problems.push_back(
                Named("fluid", Message(MessageId::UnknownFluid, {{"text", messages::UserText(cells.fluid)}})));
            return fail();
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
            return fail();
        }
        if (!ReadCell(concentration, "concentration", messages::Between(0, design::kMaxGlycolPercent, "%"),
                fluid.massPercent, problems))
            return fail();
    } else if (!concentration.empty()) {
        problems.push_back(Named("concentration", Message(MessageId::ConcentrationWithoutGlycol)));
        return fail();
    }

    // Water at a temperature as "按水温计算" gives it; a brine by its correlations.
    double celsius = kDefaultCelsius;
    if (const std::string_view temperature = Trimmed(cells.temperature); !temperature.empty()) {
        if (!brine) {
            row.viscosity = ViscosityFromTemperature(cells.temperature, "temperature", problems);
            row.viscosityFailed = !row.viscosity;
            if (row.viscosityFailed)
                return fail();
            celsius = ParseNumber(temperature);
        } else if (!ReadCell(temperature, "temperature", messages::AnyNumber("°C"), celsius, problems)) {
            return fail();
        }
    }
    if (!brine && !byLoad)
        return row;
    Message problem;
    const std::optional<design::FluidProperties> properties = design::PropertiesAt(fluid, celsius, problem);
    if (!properties) {
        problems.push_back(Named("temperature", std::move(problem)));
        return fail();
    }
    if (brine)
        row.viscosity = design::ViscosityText(*properties);
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
    row.flow = FixedText(design::FlowOfLoad(load, deltaT, *properties), 3);
    return row;
}

} // namespace vendrel::cli
