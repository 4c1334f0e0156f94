#include "calc/numbertext.h"
#include "design/fluids.h"
#include "design/water.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace vendrel::design {
namespace {

std::string Fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

struct ViscosityCheck {
    double kelvin;
    double density;
    const char* viscosity; // μPa·s
};

// The check values IAPWS R12-08 prints in its Table 4 for the formulation
// without the critical enhancement, to the six decimals printed.
TEST(Water, ViscosityReproducesTheIapwsCheckValues)
{
    const ViscosityCheck checks[] = {{298.15, 998, "889.735100"}, {298.15, 1200, "1437.649467"},
        {373.15, 1000, "307.883622"}, {433.15, 1, "14.538324"}, {433.15, 1000, "217.685358"}, {873.15, 1, "32.619287"},
        {873.15, 100, "35.802262"}, {873.15, 600, "77.430195"}, {1173.15, 1, "44.217245"}, {1173.15, 100, "47.640433"},
        {1173.15, 400, "64.154608"}};
    for (const ViscosityCheck& c : checks)
        EXPECT_EQ(Fixed(WaterViscosity(c.kelvin, c.density), 6), c.viscosity) << c.kelvin << " K, " << c.density;
}

// Kell's own values: the coefficient at 0 °C, the density maximum near 4 °C,
// and 20 °C.
TEST(Water, DensityReproducesKellsValues)
{
    EXPECT_EQ(Fixed(WaterDensity(0), 4), "999.8395");
    EXPECT_EQ(Fixed(WaterDensity(4), 4), "999.9720");
    EXPECT_EQ(Fixed(WaterDensity(20), 4), "998.2041");
    // With the misprinted denominator 16.89785e-3 this would read 999.5457.
    EXPECT_EQ(Fixed(WaterDensity(10), 4), "999.6996");
}

TEST(Water, KinematicViscosityIsTheCalculatorsText)
{
    EXPECT_EQ(KinematicViscosityText(10), "1.306"); // the calculator's default
    EXPECT_EQ(KinematicViscosityText(7), "1.427");  // chilled water
    EXPECT_EQ(KinematicViscosityText(60), "0.474"); // heating water
    EXPECT_EQ(KinematicViscosityText(0), "1.792");
    EXPECT_EQ(KinematicViscosityText(100), "0.294");
    for (const double outside : {-0.1, 100.1, std::numeric_limits<double>::quiet_NaN(), 1e300})
        EXPECT_EQ(KinematicViscosityText(outside), std::nullopt) << outside;
}

} // namespace
} // namespace vendrel::design

namespace vendrel::design {
namespace {

// The brines against the values NREL's SecondaryCoolantProps tests print for
// Melinder's correlations (tests/test_ethlylene_glycol.py and
// test_propylene_glycol.py, to five figures), and water's specific heat
// against NIST's table.
TEST(Fluids, ReproduceThePrintedValues)
{
    struct Printed {
        FluidKind kind;
        double percent, celsius;
        double viscosity, density, heat; // mPa·s, kg/m³, J/(kg·K)
    };
    const Printed printed[] = {
        {FluidKind::EthyleneGlycol, 20, 5, 2.6594, 1028.1, 3869.5},
        {FluidKind::EthyleneGlycol, 20, 40, 1.0133, 1016.4, 3932.8},
        {FluidKind::EthyleneGlycol, 40, 5, 4.7569, 1058.5, 3455.9},
        {FluidKind::EthyleneGlycol, 40, 20, 2.8191, 1051.9, 3519.0},
        {FluidKind::EthyleneGlycol, 0, 20, 1.0078, 997.35, 4186.2},
        {FluidKind::PropyleneGlycol, 20, 5, 3.4941, 1019.1, 3945.9},
        {FluidKind::PropyleneGlycol, 20, 20, 2.0301, 1014.8, 3976.8},
        {FluidKind::PropyleneGlycol, 40, 5, 8.9817, 1040.1, 3658.0},
        {FluidKind::PropyleneGlycol, 40, 40, 2.1408, 1020.1, 3770.8},
    };
    for (const Printed& p : printed) {
        messages::Message problem;
        const std::optional<FluidProperties> at = PropertiesAt({p.kind, p.percent}, p.celsius, problem);
        ASSERT_TRUE(at) << FluidKey(p.kind) << " " << p.percent << " %, " << p.celsius
                        << " °C: " << problem.Text(messages::Language::English);
        EXPECT_NEAR(at->dynamicViscosity, p.viscosity, p.viscosity * 1e-4) << FluidKey(p.kind) << " " << p.percent;
        EXPECT_NEAR(at->density, p.density, 0.05) << FluidKey(p.kind) << " " << p.percent << " %, " << p.celsius;
        EXPECT_NEAR(at->specificHeat * 1000, p.heat, 0.5) << FluidKey(p.kind) << " " << p.percent;
        EXPECT_NEAR(at->kinematicViscosity, at->dynamicViscosity / at->density * 1000, 1e-12);
    }
    // Freezing points, °C, as printed to 0.001.
    const std::tuple<FluidKind, double, double> freezing[]
        = {{FluidKind::EthyleneGlycol, 10, -3.357}, {FluidKind::EthyleneGlycol, 30, -14.576},
            {FluidKind::EthyleneGlycol, 40, -23.813}, {FluidKind::EthyleneGlycol, 60, -51.201},
            {FluidKind::PropyleneGlycol, 20, -7.173}, {FluidKind::PropyleneGlycol, 50, -32.193}};
    for (const auto& [kind, percent, point] : freezing)
        EXPECT_NEAR(FreezingPoint({kind, percent}), point, 0.005) << FluidKey(kind) << " " << percent;
    // Water: NIST's c_p at 20 and 90 °C, and midway between 10 and 20 °C.
    messages::Message problem;
    for (const auto& [celsius, heat] : {std::pair{20.0, 4.1844}, {90.0, 4.2053}, {15.0, (4.1955 + 4.1844) / 2}})
        EXPECT_NEAR(PropertiesAt({}, celsius, problem)->specificHeat, heat, 1e-12) << celsius;
    EXPECT_EQ(ViscosityText(*PropertiesAt({}, 10, problem)), "1.306"); // as 按水温计算 writes it
    // By volume, glycol and water measured apart at 20 °C: ethylene glycol's
    // gravity is the Merck Index's d₄²⁰ 1.1135 over Kell's water at 20 °C.
    const double merck = 1.1135 / (WaterDensity(20) / 1000);
    for (const double volume : {10.0, 30.0, 50.0})
        EXPECT_EQ(MassPercentOfVolume(FluidKind::EthyleneGlycol, volume),
            ParseNumber(FixedText(100 * volume * merck / (volume * merck + 100 - volume), 1)))
            << volume;
    EXPECT_EQ(MassPercentOfVolume(FluidKind::PropyleneGlycol, 50), 50.9); // 1.038 ÷ 2.038
    EXPECT_EQ(MassPercentOfVolume(FluidKind::PropyleneGlycol, 0), 0);
}

// What the correlations do not hold for is refused, naming the freezing
// point or the range; close to freezing, a warning.
TEST(Fluids, RefuseWhatTheCorrelationsDoNotHold)
{
    struct Refused {
        Fluid fluid;
        double celsius;
        const char* problem; // in English; "" for none
        const char* warning;
    };
    const Refused refused[] = {
        {{FluidKind::EthyleneGlycol, 40}, -30,
            "\"-30\" °C is outside -23.8 to 100 °C: ethylene glycol brine of 40 % by mass freezes at -23.8 °C", ""},
        {{FluidKind::PropyleneGlycol, 30}, 101,
            "\"101\" °C is outside -12.8 to 100 °C: propylene glycol brine of 30 % by mass freezes at -12.8 °C", ""},
        {{FluidKind::EthyleneGlycol, 61}, 10,
            "\"61\" is outside 0 to 60 % glycol by mass, where the brine's "
            "correlations hold",
            ""},
        {{FluidKind::EthyleneGlycol, 30}, -13, "",
            "ethylene glycol brine of 30 % by mass freezes at -14.6 °C, less than 3 K below \"-13\" °C"},
        {{FluidKind::EthyleneGlycol, 30}, -11, "", ""},
        {{}, -1, "\"-1\" is outside 0 to 100 °C, the range of liquid water at 0.1 MPa", ""},
    };
    for (const Refused& r : refused) {
        messages::Message problem;
        messages::Message warning;
        const std::optional<FluidProperties> at = PropertiesAt(r.fluid, r.celsius, problem, &warning);
        EXPECT_EQ(at.has_value(), *r.problem == '\0') << r.celsius;
        EXPECT_EQ(problem.Text(messages::Language::English), r.problem);
        EXPECT_EQ(warning.Text(messages::Language::English), r.warning);
    }
}

} // namespace
} // namespace vendrel::design
