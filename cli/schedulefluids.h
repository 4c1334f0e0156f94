#pragma once

#include "design/fluids.h"
#include "messages/message.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vendrel::cli {

// A schedule row's cells that say what flows and how much: blank where the
// row has none.
struct FluidCells {
    std::string_view fluid;         // water, eg, pg, 水, 乙二醇, 丙二醇
    std::string_view concentration; // a brine's glycol, % by mass
    std::string_view temperature;   // °C
    std::string_view load;          // kW
    std::string_view deltaT;        // K
};

// What they give: the viscosity at the temperature, and the flow that
// carries the load, each as the calculator takes it; nothing where the
// cells give none, failed where they should have and could not, with the
// problem added, named by its column.
struct RowFluid {
    std::optional<std::string> viscosity;
    bool viscosityFailed = false;
    std::optional<std::string> flow;
    bool flowFailed = false;
    messages::Message warning; // a brine near its freezing point
};
class ScheduleFluids {
public:
    RowFluid Of(const FluidCells& cells, std::vector<messages::Message>& problems);

private:
    // What a fluid at a temperature gave, by the cells' texts: a schedule
    // repeats its few fluids and temperatures row after row, and their
    // properties cost more than the row's calculation.
    struct Known {
        std::optional<std::string> viscosity;
        std::optional<design::FluidProperties> properties;
        messages::Message warning;
    };
    bool Resolve(const FluidCells& cells, bool byLoad, Known& known, std::vector<messages::Message>& problems);
    std::unordered_map<std::string, Known> m_known;
    std::string m_key;
};

} // namespace vendrel::cli
