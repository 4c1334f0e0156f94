#include "calc/portablemath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace vendrel::math {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kCriticalExponent = 0.3333333432674408;

std::int64_t UnitsApart(double a, double b)
{
    std::int64_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x > y ? x - y : y - x;
}

struct CheckValue {
    const char* what;
    double value;
    double expected; // the exact result rounded to double (60-digit decimal arithmetic, or MPFR)
};

class CorrectlyRounded : public testing::TestWithParam<CheckValue> { };

TEST_P(CorrectlyRounded, GivesTheRoundedExactResult)
{
    EXPECT_EQ(GetParam().value, GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(PortableMath, CorrectlyRounded,
    testing::Values(CheckValue{"log10 2", Log10(2), 0.3010299956639812}, CheckValue{"log10 10", Log10(10), 1.0},
        CheckValue{"log10 1e-9", Log10(1e-9), -9.0},
        CheckValue{"log10 √½", Log10(0.7071067811865476), -0.15051499783199057},
        CheckValue{"log10 √2", Log10(1.4142135623730951), 0.15051499783199063},
        CheckValue{"log10 54161.968", Log10(54161.968), 4.733694436253388},
        CheckValue{"log10 3e-4", Log10(3e-4), -3.5228787452803374},
        CheckValue{"log10 5.5e-300", Log10(5.5e-300), -299.25963731050575},
        CheckValue{"2000^⅓", Pow(2000, kCriticalExponent), 12.599211450292245},
        CheckValue{"3249.5^⅓", Pow(3249.5, kCriticalExponent), 14.811721878524148},
        CheckValue{"4000^⅓", Pow(4000, kCriticalExponent), 15.87401182760496},
        CheckValue{"0.004^¼", FourthRoot(0.004), 0.2514866859365871},
        CheckValue{"√2", SquareRoot(2), 1.4142135623730951},
        // Where √√x, and the double-double log10, pow and exp before, missed
        // by a unit in the last place.
        CheckValue{"∜K/D 1", FourthRoot(0x1.048f5ad972ed8p-10), 0x1.6ba3e4cd20d65p-3},
        CheckValue{"∜K/D 2", FourthRoot(0x1.076043b2d9e7fp-13), 0x1.b19b74a5bf097p-4},
        CheckValue{"∜K/D 3", FourthRoot(0x1.ca1f6253d2d59p-20), 0x1.2817547da0924p-5},
        CheckValue{"log10 0.027", Log10(0x1.babfaeae923ddp-6), -0x1.9179a828ca369p+0},
        CheckValue{"log10 5.8e-7", Log10(0x1.35d4ee38a63d2p-21), -0x1.8f4794a9e359p+2},
        CheckValue{"2169^⅓", Pow(0x1.0f3ab1939d6fdp+11, kCriticalExponent), 0x1.9e473f28a4d4bp+3},
        CheckValue{"2778.7^⅓", Pow(0x1.5b559cbd94e27p+11, kCriticalExponent), 0x1.c1e115b5cd1e1p+3},
        CheckValue{"e^4.41", Exp(0x1.1a46d4f2219edp+2), 0x1.49443c581ef91p+6},
        // Fourth roots within 2^-52 ulp of a midpoint, too near for the
        // double-double residual: decided on integers.
        CheckValue{"∜((1 + 2^-51)·2^-20)", FourthRoot(0x1.0000000000002p-20), 0x1p-5},
        CheckValue{"∜((1 + 3·2^-51)·2^-8)", FourthRoot(0x1.0000000000006p-8), 0x1.0000000000001p-2},
        CheckValue{"∜((1 − 2^-52)·2^-12)", FourthRoot(0x1.ffffffffffffep-13), 0x1.fffffffffffffp-4},
        // What pow gives at the edges.
        CheckValue{"log10 0", Log10(0), -kInf}, CheckValue{"log10 inf", Log10(kInf), kInf},
        CheckValue{"√-inf", SquareRoot(-kInf), kInf}, CheckValue{"0^⅓", Pow(0, kCriticalExponent), 0}));

TEST(PortableMath, NegativesAndNaNGiveNaNAndMinusZeroItsRootIsPlusZero)
{
    EXPECT_TRUE(std::isnan(Log10(-1)));
    EXPECT_TRUE(std::isnan(Log10(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(SquareRoot(-1)));
    EXPECT_TRUE(std::isnan(FourthRoot(-1)));
    EXPECT_TRUE(std::isnan(Pow(-1, kCriticalExponent)));
    EXPECT_FALSE(std::signbit(SquareRoot(-0.0)));
    EXPECT_FALSE(std::signbit(FourthRoot(-0.0)));
    EXPECT_FALSE(std::signbit(Pow(-0.0, kCriticalExponent)));
    EXPECT_EQ(FourthRoot(-kInf), kInf);
}

// Pow serves the critical zone's exponent and refuses any other, where it
// used to give -7.46e178 for 1.5^1000 and 1.4^60 wrong in its 9th digit.
TEST(PortableMath, PowRefusesAnyOtherExponent)
{
#ifdef NDEBUG
    EXPECT_TRUE(std::isnan(Pow(1.5, 1000)));
    EXPECT_TRUE(std::isnan(Pow(1.4, 60)));
#else
    EXPECT_DEATH(Pow(1.5, 1000), "critical");
#endif
}

// Within a unit in the last place of the C library's functions everywhere,
// which are themselves within one of the exact result.
TEST(PortableMath, StaysWithinAUnitOfTheCLibrary)
{
    std::mt19937_64 random(3);
    for (int i = 0; i < 200000; ++i) {
        const double x
            = std::ldexp(1.0 + static_cast<double>(random() >> 11) * 0x1p-53, static_cast<int>(random() % 400) - 200);
        ASSERT_LE(UnitsApart(Log10(x), std::log10(x)), 2) << std::hexfloat << x;
        ASSERT_LE(UnitsApart(FourthRoot(x), std::pow(x, 0.25)), 2) << std::hexfloat << x;
        const double re = 2000 + std::ldexp(static_cast<double>(random() >> 11), -42);
        ASSERT_LE(UnitsApart(Pow(re, kCriticalExponent), std::pow(re, kCriticalExponent)), 2) << std::hexfloat << re;
    }
}

} // namespace
} // namespace vendrel::math
