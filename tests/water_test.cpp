#include "design/water.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

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
