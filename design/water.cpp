#include "design/water.h"

#include "calc/numbertext.h"
#include "calc/portablemath.h"
#include "messages/numbercheck.h"

#include <iterator>

namespace vendrel::design {
namespace {

constexpr double kCelsiusZero = 273.15; // K

// G. S. Kell, "Density, thermal expansivity, and compressibility of liquid
// water from 0° to 150 °C", J. Chem. Eng. Data 20 (1975) 97–105, equation
// (16), IPTS-68, 1 atm. The denominator's 16.879850e-3 is often misprinted
// as 16.89785e-3.
constexpr double kKellNumerator[] = {999.83952, 16.945176, -7.9870401e-3, -46.170461e-6, 105.56302e-9, -280.54253e-12};
constexpr double kKellDenominator = 16.879850e-3;

// IAPWS R12-08, Release on the IAPWS Formulation 2008 for the Viscosity of
// Ordinary Water Substance (September 2008), equations (10) and (11) with
// Tables 1 and 2, for industrial use: μ = μ0(T̄)·μ1(T̄, ρ̄), μ2 = 1.
constexpr double kReferenceTemperature = 647.096; // K
constexpr double kReferenceDensity = 322.0;       // kg/m³
// clang-format off
constexpr double kDiluteGas[] = {1.67752, 2.20462, 0.6366564, -0.241605};
// kResidual[i][j] multiplies (1/T̄ − 1)^i (ρ̄ − 1)^j.
constexpr double kResidual[6][7] = {
    { 5.20094e-1,  2.22531e-1, -2.81378e-1,  1.61913e-1, -3.25372e-2,  0,           0},
    { 8.50895e-2,  9.99115e-1, -9.06851e-1,  2.57399e-1,  0,           0,           0},
    {-1.08374,     1.88797,    -7.72479e-1,  0,           0,           0,           0},
    {-2.89555e-1,  1.26613,    -4.89837e-1,  0,           6.98452e-2,  0,          -4.35673e-3},
    { 0,           0,          -2.57040e-1,  0,           0,           8.72102e-3,  0},
    { 0,           1.20573e-1,  0,           0,           0,           0,          -5.93264e-4},
};
// clang-format on

} // namespace

double WaterDensity(double celsius)
{
    double numerator = 0;
    for (int i = static_cast<int>(std::size(kKellNumerator)) - 1; i >= 0; --i)
        numerator = numerator * celsius + kKellNumerator[i];
    return numerator / (1 + kKellDenominator * celsius);
}

double WaterViscosity(double kelvin, double density)
{
    const double t = kelvin / kReferenceTemperature;
    const double rho = density / kReferenceDensity;
    double diluteSum = 0;
    double tPower = 1; // T̄^i, by multiplication: the same bits on every platform
    for (const double h : kDiluteGas) {
        diluteSum += h / tPower;
        tPower *= t;
    }
    const double dilute = 100 * math::SquareRoot(t) / diluteSum;
    double residual = 0;
    double inverse = 1; // (1/T̄ − 1)^i
    for (const auto& row : kResidual) {
        double power = 1; // (ρ̄ − 1)^j
        for (const double h : row) {
            residual += h * inverse * power;
            power *= rho - 1;
        }
        inverse *= 1 / t - 1;
    }
    return dilute * math::Exp(rho * residual);
}

std::optional<std::string> KinematicViscosityText(double celsius)
{
    if (!(celsius >= kWaterMinCelsius && celsius <= kWaterMaxCelsius))
        return std::nullopt;
    const double density = WaterDensity(celsius);
    // μPa·s ÷ kg/m³ is 10⁻⁶ m²/s, the calculator's unit.
    const double kinematic = WaterViscosity(celsius + kCelsiusZero, density) / density;
    return FixedText(kinematic, 3);
}

std::optional<std::string> ViscosityAtTemperature(std::string_view text, double& celsius, messages::Message& problem)
{
    problem = messages::CheckNumber(text, messages::AnyNumber("°C"), celsius);
    if (!problem.Empty())
        return std::nullopt;
    std::optional<std::string> viscosity = KinematicViscosityText(celsius);
    if (!viscosity)
        problem = messages::Message(messages::MessageId::WaterTemperatureRange, {{"text", messages::UserText(text)}});
    return viscosity;
}

} // namespace vendrel::design
