#pragma once

#include "messages/message.h"

#include <optional>
#include <string>
#include <string_view>

// Liquid water at 0.1 MPa, the design data behind "按水温计算" and
// vendrel-calc --temperature: density, dynamic and kinematic viscosity.
namespace vendrel::design {

// The range of temperatures the formulations are used for, in °C.
inline constexpr double kWaterMinCelsius = 0;
inline constexpr double kWaterMaxCelsius = 100;

// Density in kg/m³ of air-free water at 101.325 kPa and t °C.
double WaterDensity(double celsius);

// Dynamic viscosity in μPa·s of water at T kelvin and density ρ kg/m³.
double WaterViscosity(double kelvin, double density);

// The kinematic viscosity at t °C in 10⁻⁶ m²/s as the text the calculator
// takes, with three decimals ("1.306" at 10 °C); nothing outside 0–100 °C,
// where these formulations are not used.
std::optional<std::string> KinematicViscosityText(double celsius);

// The viscosity text of water at a temperature typed ("7", °C), checked as
// every typed number is; nothing, with problem saying why, for a text that
// is no number or a temperature outside 0–100 °C. celsius is the number read.
std::optional<std::string> ViscosityAtTemperature(std::string_view text, double& celsius, messages::Message& problem);

} // namespace vendrel::design
