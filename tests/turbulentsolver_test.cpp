#include "calc/turbulentsolver.h"

#include "calc/portablemath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>

namespace vendrel {
namespace {

std::string Fixed(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

double RoughReynolds(double lambda, float K, float V, float nu)
{
    return std::sqrt(lambda / 8) * K * V / nu;
}

struct ZoneCase {
    const char* name;
    float K, D, V, nu;
    FlowZone zone;
    const char* lambda;
};

void PrintTo(const ZoneCase& row, std::ostream* os)
{
    *os << row.name;
}

class SolverZone : public testing::TestWithParam<ZoneCase> { };

TEST_P(SolverZone, PicksTheLawWhoseZoneFits)
{
    const ZoneCase& c = GetParam();
    FlowZone zone = FlowZone::None;
    const double lambda = SolveTurbulentFriction(c.K, c.D, c.V, c.nu, zone);
    EXPECT_EQ(zone, c.zone);
    EXPECT_EQ(Fixed(lambda), c.lambda);
}

INSTANTIATE_TEST_SUITE_P(Solver, SolverZone,
    testing::Values(ZoneCase{"transition", 0.0002f, 0.05f, 1.414711f, 0.000001306f, FlowZone::Transition, "0.030320"},
        ZoneCase{"rough", 0.0005f, 0.3f, 3.929752f, 0.000001306f, FlowZone::Rough, "0.022226"},
        ZoneCase{"smooth", 0.000001f, 0.05f, 1.414711f, 0.000001306f, FlowZone::Smooth, "0.020527"},
        // Rough test 54.36, Colebrook root 63.00, smooth root 40.14: no zone fits.
        ZoneCase{"no_zone_fits", 0.002f, 0.05f, 0.452707f, 0.000001306f, FlowZone::Failed, "-1.000000"},
        // A zero viscosity makes every Re* infinite: rough.
        ZoneCase{"zero_viscosity", 0.0002f, 0.05f, 1.414711f, 0.0f, FlowZone::Rough, "0.027664"},
        // Re below 7.94: the smooth law has no root in the bracket.
        ZoneCase{"smooth_law_without_root", 0.0000001f, 0.001f, 0.001f, 0.000001306f, FlowZone::Failed, "-1.000000"}),
    [](const testing::TestParamInfo<ZoneCase>& info) { return std::string(info.param.name); });

TEST(Solver, RoughLawIsExactForItsSinglePrecisionInputs)
{
    FlowZone zone = FlowZone::None;
    const float K = 0.0005f;
    const float D = 0.3f;
    const double lambda = SolveTurbulentFriction(K, D, 3.929752f, 0.000001306f, zone);
    EXPECT_EQ(lambda, math::FourthRoot(double{K} / double{D}) * 0.11);
}

// Bisection stops 30 halvings into [1e-9, 1]: the midpoint returned is within
// the tolerance of the root, but is the midpoint, not the root itself.
TEST(Solver, ImplicitLawsReturnAMidpointCloseToTheRoot)
{
    const float D = 0.05f;
    const float V = 1.414711f;
    const float nu = 0.000001306f;
    const double re = double{D} * V / nu;
    for (const float K : {0.0002f, 0.000001f}) {
        FlowZone zone = FlowZone::None;
        const double lambda = SolveTurbulentFriction(K, D, V, nu, zone);
        const auto law = [&](double l) {
            return zone == FlowZone::Transition
                ? 2 * std::log10(2.51 / (re * std::sqrt(l)) + K / (3.71 * D)) + 1 / std::sqrt(l)
                : 2 * std::log10(std::sqrt(l) * re) - 0.8 - 1 / std::sqrt(l);
        };
        EXPECT_LE(law(lambda - 1e-9) * law(lambda + 1e-9), 0.0) << "K " << K;
        EXPECT_NE(law(lambda), 0.0) << "K " << K;
        // The 30th midpoint is an odd multiple of the bracket width / 2³⁰.
        const double steps = (lambda - 1e-9) / ((1 - 1e-9) / (1 << 30));
        EXPECT_NEAR(steps, std::round(steps), 1e-3) << "K " << K;
        EXPECT_EQ(static_cast<long>(std::round(steps)) % 2, 1) << "K " << K;
    }
}

// Across the 60 limit the zone changes exactly where Re* of the rough law
// passes 60; found by scanning the velocity in single-precision steps.
TEST(Solver, RoughZoneBeginsAboveSixty)
{
    const float K = 0.002f;
    const float D = 0.05f;
    const float nu = 0.000001306f;
    const double roughLambda = math::FourthRoot(double{K} / double{D}) * 0.11;
    float V = 0.1f;
    while (RoughReynolds(roughLambda, K, V, nu) <= 60)
        V = std::nextafter(V, 10.0f);
    const float below = std::nextafter(V, 0.0f);
    FlowZone zone = FlowZone::None;
    EXPECT_EQ(SolveTurbulentFriction(K, D, V, nu, zone), roughLambda);
    EXPECT_EQ(zone, FlowZone::Rough);
    SolveTurbulentFriction(K, D, below, nu, zone);
    EXPECT_NE(zone, FlowZone::Rough);
}

} // namespace
} // namespace vendrel

namespace vendrel {
namespace {

// The solver, written the plain way: rough test, then Colebrook–White, then
// the smooth law, each bisected on its own.
double ReferenceSolve(float K, float D, float V, float nu, FlowZone& zone)
{
    const double k = K, d = D, v = V, n = nu;
    const auto s = [&](double l) { return math::SquareRoot(l * 0.125) * k * v / n; };
    const auto bisect = [](auto law) {
        const double atLow = law(1e-9);
        double lo = 1e-9, hi = 1.0, mid;
        do {
            mid = (hi + lo) * 0.5;
            if (law(mid) * atLow > 0)
                lo = mid;
            else
                hi = mid;
        } while (std::fabs(hi - lo) > 1e-9);
        return mid;
    };
    zone = FlowZone::Rough;
    const double rough = math::FourthRoot(k / d) * 0.11;
    if (s(rough) > 60)
        return rough;
    const double re = d * v / n;
    const double t = k * 0.2695417789757412 / d;
    const double a = 2.51 / re;
    const auto f
        = [&](double l) { return 2 * math::Log10(a * (1 / math::SquareRoot(l)) + t) + 1 / math::SquareRoot(l); };
    const auto g = [&](double l) { return 2 * math::Log10(math::SquareRoot(l) * re) - 0.8 - 1 / math::SquareRoot(l); };
    zone = FlowZone::Transition;
    if (f(1e-9) * f(1.0) < 0) {
        const double l = bisect(f);
        if (s(l) >= 0.3 && s(l) <= 60)
            return l;
    }
    zone = FlowZone::Smooth;
    if (g(1e-9) * g(1.0) > 0) {
        zone = FlowZone::Failed;
        return -1.0;
    }
    const double l = bisect(g);
    if (s(l) < 0.3)
        return l;
    zone = FlowZone::Failed;
    return -1.0;
}

// The solver works on both laws at once where the smooth law is likely to be
// needed; across every zone it must agree bit for bit with the plain order.
TEST(Solver, AgreesWithThePlainAlgorithmInEveryZone)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> logK(-7, -1.5);
    std::uniform_real_distribution<double> logD(-2.5, 0.3);
    std::uniform_real_distribution<double> logV(-2, 1.5);
    int seen[4] = {};
    for (int i = 0; i < 20000; ++i) {
        const auto K = static_cast<float>(std::pow(10, logK(random)));
        const auto D = static_cast<float>(std::pow(10, logD(random)));
        const auto V = static_cast<float>(std::pow(10, logV(random)));
        const float nu = i % 2 ? 0.000001306f : 0.000000658f;
        FlowZone expectedZone = FlowZone::None;
        FlowZone zone = FlowZone::None;
        const double expected = ReferenceSolve(K, D, V, nu, expectedZone);
        const double lambda = SolveTurbulentFriction(K, D, V, nu, zone);
        ASSERT_EQ(zone, expectedZone) << K << ' ' << D << ' ' << V << ' ' << nu;
        ASSERT_EQ(lambda, expected) << K << ' ' << D << ' ' << V << ' ' << nu;
        ++seen[static_cast<int>(zone)];
    }
    for (int zone = 0; zone < 4; ++zone)
        EXPECT_GT(seen[zone], 10) << "zone " << zone << " hardly exercised";
}

} // namespace
} // namespace vendrel
