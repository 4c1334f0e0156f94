#pragma once

#include "messages/message.h"

#include <optional>
#include <string>
#include <string_view>
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
};
RowFluid FluidOfRow(const FluidCells& cells, std::vector<messages::Message>& problems);

} // namespace vendrel::cli
