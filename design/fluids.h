#pragma once

#include "messages/message.h"

#include <optional>
#include <string>
#include <string_view>

// The fluids a circuit may carry: water, and aqueous solutions of ethylene
// or propylene glycol (brines of ice storage, ground-source heat pumps and
// freeze-protected coils), each at a temperature: density, viscosity,
// specific heat and freezing point.
namespace vendrel::design {

enum class FluidKind { Water, EthyleneGlycol, PropyleneGlycol };

// The most glycol the correlations hold for, % by mass.
inline constexpr double kMaxGlycolPercent = 60;
// The water of the default viscosity, 1.306, and of a viscosity typed:
// its density and specific heat are taken at this temperature.
inline constexpr double kDefaultCelsius = 10;
// Closer than this to its freezing point, in K, a brine is warned of.
inline constexpr double kFreezingMargin = 3;

struct Fluid {
    Fluid() = default;
    Fluid(FluidKind kind_, double massPercent_)
        : kind(kind_)
        , massPercent(massPercent_)
    { }

    FluidKind kind = FluidKind::Water;
    double massPercent = 0; // glycol, % by mass; 0 for water
    // Where the glycol was given by volume, as given; massPercent is then its share by mass.
    std::optional<double> volumePercent;
};

// The share by mass, %, to 0.1 %, of a brine mixed of volumePercent glycol
// and the rest water, each measured apart at 20 °C.
double MassPercentOfVolume(FluidKind kind, double volumePercent);

struct FluidProperties {
    double density = 0;            // kg/m³
    double dynamicViscosity = 0;   // mPa·s
    double kinematicViscosity = 0; // 10⁻⁶ m²/s, the calculator's unit
    double specificHeat = 0;       // kJ/(kg·K)
    double freezingPoint = 0;      // °C
};

// "water", "eg", "pg" or their Chinese names 水, 乙二醇, 丙二醇, in any case.
std::optional<FluidKind> FluidOfName(std::string_view text);
const char* FluidKey(FluidKind kind);     // "eg"
const char* FluidChinese(FluidKind kind); // "乙二醇"
// As messages name it: "乙二醇水溶液 30%（质量）", "ethylene glycol brine
// of 30 % by mass", or by volume with its share by mass; FluidTitle the
// Chinese, as headings name it.
messages::Message FluidName(const Fluid& fluid);
std::string FluidTitle(const Fluid& fluid);

// The freezing point of the fluid, °C.
double FreezingPoint(const Fluid& fluid);

// The properties at t °C. Nothing, with problem naming the range or the
// freezing point, for water outside 0–100 °C, a glycol share outside 0–60 %,
// or a brine at or below its freezing point or above 100 °C; warning, where
// given, says so of a brine within 3 K of its freezing point.
std::optional<FluidProperties> PropertiesAt(
    const Fluid& fluid, double celsius, messages::Message& problem, messages::Message* warning = nullptr);

// PropertiesAt a temperature as typed, °C; nothing, with problem, for a
// text that is no number.
std::optional<FluidProperties> PropertiesOfText(
    const Fluid& fluid, std::string_view celsiusText, messages::Message& problem, messages::Message* warning = nullptr);

// The flow, m³/h, that carries kilowatts at a supply–return difference of
// deltaT K: G = 3600·Q / (ρ·c_p·Δt), 0.86·Q/Δt in the handbooks' units.
double FlowOfLoad(double kilowatts, double deltaT, const FluidProperties& properties);

// The kinematic viscosity as the text the calculator takes, three decimals.
std::string ViscosityText(const FluidProperties& properties);

} // namespace vendrel::design
