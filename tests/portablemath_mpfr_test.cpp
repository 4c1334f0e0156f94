// calc/portablemath against MPFR: every result must be the exact value
// rounded to the nearest double, over the arguments the core passes and, for
// a share, over the whole range of doubles.
#include "calc/portablemath.h"
#include "tests/mpfrreference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace vendrel::math {
namespace {

using reference::Number;

#ifdef VENDREL_SANITIZED
constexpr long kInputs = 20000; // the sanitizers' runtimes are many times slower
#else
constexpr long kInputs = 1000000;
#endif
constexpr double kCriticalExponent = 0.3333333432674408;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr mpfr_prec_t kExactBits = 160;

double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// 1.f·2^e with 52 random bits f and e drawn from [low, high].
double RandomInBinades(std::mt19937_64& random, int low, int high)
{
    const auto binades = static_cast<std::uint64_t>(high - low + 1);
    const int exponent = low + static_cast<int>(random() % binades);
    return std::ldexp(1.0 + static_cast<double>(random() >> 12) * 0x1p-52, exponent);
}

// Any finite positive double, subnormals included, each binade alike.
double AnyPositive(std::mt19937_64& random)
{
    for (;;) {
        const double x = FromBits(random() >> 1);
        if (x < kInf)
            return x;
    }
}

double Uniform(std::mt19937_64& random, double low, double high)
{
    return low + (high - low) * (static_cast<double>(random() >> 11) * 0x1p-53);
}

struct Audit {
    long count = 0;
    long notRounded = 0;
    double maxUlps = 0;
    double worstInput = 0;
};

// Adds one result: f(x) is evaluated to kExactBits, the result's distance
// from it measured in units in the last place of the exact value, and the
// correctly rounded double taken from it unless the digits kept leave a
// midpoint possible or the result is subnormal.
template <typename F> void Check(Audit& audit, F f, double x, double result)
{
    Number exact(kExactBits);
    f(exact, Number(53, x), MPFR_RNDN);
    ++audit.count;
    double rounded = mpfr_get_d(exact, MPFR_RNDN);
    if (mpfr_min_prec(exact) <= 54 || std::fabs(rounded) < 0x1p-1021)
        rounded = reference::Rounded(f, x);
    if (std::memcmp(&rounded, &result, sizeof result) != 0)
        ++audit.notRounded;
    double ulps = 0;
    if (mpfr_regular_p(exact) && std::isfinite(result)) {
        const mpfr_exp_t binade = std::max<mpfr_exp_t>(mpfr_get_exp(exact), -1021);
        Number difference(kExactBits);
        mpfr_sub_d(difference, exact, result, MPFR_RNDN);
        mpfr_mul_2si(difference, difference, 53 - binade, MPFR_RNDN);
        ulps = std::fabs(mpfr_get_d(difference, MPFR_RNDN));
    } else if (!(rounded == result || (std::isnan(rounded) && std::isnan(result)))) {
        ulps = kInf;
    }
    if (ulps > audit.maxUlps) {
        audit.maxUlps = ulps;
        audit.worstInput = x;
    }
}

using Generator = double (*)(std::mt19937_64&);

struct Domain {
    const char* name;
    Generator input;
    long share; // inputs = kInputs / share
};

struct FunctionUnderTest {
    const char* id; // the test's name
    const char* name;
    double (*ours)(double);
    int (*exact)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    Domain domains[3];
};

double CriticalPower(double x)
{
    return Pow(x, kCriticalExponent);
}

int ExactCriticalPower(mpfr_ptr result, mpfr_srcptr x, mpfr_rnd_t rounding)
{
    return reference::PowerOf(kCriticalExponent)(result, x, rounding);
}

// Near 1 within a few thousand units of the last place, where log10 is
// smallest and the relative error counts most.
double NearOne(std::mt19937_64& random)
{
    const double step = random() % 2 == 0 ? 0x1p-52 : -0x1p-53;
    return 1 + step * static_cast<double>(1 + random() % 4096);
}

// Just beside the midpoints m = 1 + j·2^-53 and 1 − j·2^-54 (j odd), whose
// fourth powers lie within 6j²·2^-106 of a double x: ∜x is within
// 1.5·j²·2^-54 ulp of m, for j < 90 nearer than the residual can tell
// (2^-40), and the integer comparison decides. Scaled by 2^(4s) into K/D's
// range.
double NearAMidpoint(std::mt19937_64& random)
{
    const double j = static_cast<double>(2 * (random() % 64) + 1);
    const double x = random() % 2 == 0 ? 1 + j * 0x1p-51 : 1 - j * 0x1p-52;
    return std::ldexp(x, -4 * static_cast<int>(random() % 8));
}

const FunctionUnderTest kFunctions[] = {
    {"Log10", "Log10", Log10, mpfr_log10,
        {{"the solver's arguments, 6e-8 to 16", [](std::mt19937_64& r) { return RandomInBinades(r, -24, 3); }, 1},
            {"every positive double", AnyPositive, 4}, {"within 4096 ulp of 1", NearOne, 20}}},
    {"FourthRoot", "FourthRoot", FourthRoot, reference::FourthRootOf,
        {{"K/D, 1e-9 to 1", [](std::mt19937_64& r) { return RandomInBinades(r, -30, -1); }, 1},
            {"every positive double", AnyPositive, 4}, {"beside a midpoint", NearAMidpoint, 100}}},
    {"Pow", "Pow(x, 0.3333333432674408)", CriticalPower, ExactCriticalPower,
        {{"Re, 2000 to 4000", [](std::mt19937_64& r) { return Uniform(r, 2000, 4000); }, 1},
            {"every positive double", AnyPositive, 4}, {}}},
    {"Exp", "Exp", Exp, mpfr_exp,
        {{"the viscosity formula's, -1 to 8", [](std::mt19937_64& r) { return Uniform(r, -1, 8); }, 1},
            {"-746 to 710", [](std::mt19937_64& r) { return Uniform(r, -746, 710); }, 4}, {}}},
    {"SquareRoot", "SquareRoot", SquareRoot, mpfr_sqrt, {{"every positive double", AnyPositive, 1}, {}, {}}},
};

void PrintTo(const FunctionUnderTest& f, std::ostream* out)
{
    *out << f.name;
}

class AgainstMpfr : public testing::TestWithParam<FunctionUnderTest> { };

TEST_P(AgainstMpfr, IsCorrectlyRounded)
{
    const FunctionUnderTest& f = GetParam();
    std::mt19937_64 random(20261209);
    for (const Domain& domain : f.domains) {
        if (domain.name == nullptr)
            continue;
        Audit audit;
        for (long i = 0; i < kInputs / domain.share; ++i) {
            const double x = domain.input(random);
            Check(audit, f.exact, x, f.ours(x));
        }
        std::printf("%s over %s: %ld inputs, max %.4f ulp (at %a), %ld not correctly rounded\n", f.name, domain.name,
            audit.count, audit.maxUlps, audit.worstInput, audit.notRounded);
        RecordProperty(std::string(f.name) + " " + domain.name,
            std::to_string(audit.count) + " inputs, max " + std::to_string(audit.maxUlps) + " ulp, "
                + std::to_string(audit.notRounded) + " not correctly rounded");
        EXPECT_EQ(audit.notRounded, 0) << f.name << " over " << domain.name;
    }
    mpfr_free_cache();
}

INSTANTIATE_TEST_SUITE_P(PortableMath, AgainstMpfr, testing::ValuesIn(kFunctions),
    [](const testing::TestParamInfo<FunctionUnderTest>& info) { return std::string(info.param.id); });

// The double-double paths, whose bounds the rounding test trusts, measured
// against their bounds with a factor 8 to spare; and the integer paths,
// which must round correctly wherever they are asked.
struct TwoPaths {
    const char* id;
    detail::DoubleDouble (*fast)(double, int&);
    double (*slow)(double);
    int (*exact)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    double bound;
    Generator inputs[2];
};

const TwoPaths kPaths[] = {
    {"Log10", detail::Log10Fast, detail::Log10Slow, mpfr_log10, detail::kLog10Bound,
        {[](std::mt19937_64& r) { return RandomInBinades(r, -24, 3); }, AnyPositive}},
    {"Exp", detail::ExpFast, detail::ExpSlow, mpfr_exp, detail::kExpBound,
        {[](std::mt19937_64& r) { return Uniform(r, -1, 8); },
            [](std::mt19937_64& r) { return Uniform(r, -708.39, 709.78); }}},
    {"Pow", detail::CriticalPowerFast, detail::CriticalPowerSlow, ExactCriticalPower, detail::kPowBound,
        {[](std::mt19937_64& r) { return Uniform(r, 2000, 4000); }, AnyPositive}},
    // √√x itself misses in one case in eight: the integer decision must mend it.
    {"FourthRoot", nullptr, detail::FourthRootSlow, reference::FourthRootOf, 0,
        {[](std::mt19937_64& r) { return RandomInBinades(r, -30, -1); }, AnyPositive}},
};

void PrintTo(const TwoPaths& paths, std::ostream* out)
{
    *out << paths.id;
}

class PathsAgainstMpfr : public testing::TestWithParam<TwoPaths> { };

TEST_P(PathsAgainstMpfr, StayWithinTheirBounds)
{
    const TwoPaths& paths = GetParam();
    std::mt19937_64 random(20261210);
    double worst = 0;
    double worstInput = 0;
    Number exact(kExactBits), approximation(kExactBits);
    for (long i = 0; paths.fast != nullptr && i < kInputs / 4; ++i) {
        const double x = paths.inputs[i % 2](random);
        int scale = 0;
        const detail::DoubleDouble parts = paths.fast(x, scale);
        paths.exact(exact, Number(53, x), MPFR_RNDN);
        mpfr_set_d(approximation, parts.hi, MPFR_RNDN);
        mpfr_add_d(approximation, approximation, parts.lo, MPFR_RNDN);
        mpfr_mul_2si(approximation, approximation, scale, MPFR_RNDN);
        mpfr_sub(approximation, approximation, exact, MPFR_RNDN);
        mpfr_div(approximation, approximation, exact, MPFR_RNDN);
        const double relative = std::fabs(mpfr_get_d(approximation, MPFR_RNDN));
        if (relative > worst) {
            worst = relative;
            worstInput = x;
        }
    }
    Audit slow;
    for (long i = 0; i < kInputs / 500; ++i) {
        const double x = paths.inputs[i % 2](random);
        Check(slow, paths.exact, x, paths.slow(x));
    }
    if (paths.fast != nullptr) {
        std::printf("%s: double-double path within 2^%.2f (at %a), bound 2^%.0f\n", paths.id, std::log2(worst),
            worstInput, std::log2(paths.bound));
        EXPECT_LE(worst * 8, paths.bound) << std::hexfloat << worstInput;
    }
    std::printf("%s: integer path %ld inputs, %ld not correctly rounded\n", paths.id, slow.count, slow.notRounded);
    EXPECT_EQ(slow.notRounded, 0);
    mpfr_free_cache();
}

INSTANTIATE_TEST_SUITE_P(PortableMath, PathsAgainstMpfr, testing::ValuesIn(kPaths),
    [](const testing::TestParamInfo<TwoPaths>& info) { return std::string(info.param.id); });

// The edges, where pow's answers are wanted: signed zeros, infinities, NaN,
// negatives, the extreme doubles.
TEST(PortableMathAgainstMpfr, SpecialValuesAreWhatPowGives)
{
    const double inputs[] = {0.0, -0.0, kInf, -kInf, kNaN, -1, 1, 0x1p-1074, 0x1p-1022, 0x1.fffffffffffffp1023, 10,
        1e22, 1e-3, 709.782712893384, 709.7827128933841, 709.79, -708.3964185322641, -740, -745.1332191019411,
        -745.1332191019412, -746.5};
    const auto same
        = [](double a, double b) { return std::isnan(a) ? std::isnan(b) : std::memcmp(&a, &b, sizeof a) == 0; };
    for (const double x : inputs) {
        EXPECT_PRED2(same, SquareRoot(x), reference::SquareRoot(x)) << std::hexfloat << x;
        EXPECT_PRED2(same, FourthRoot(x), reference::FourthRoot(x)) << std::hexfloat << x;
        EXPECT_PRED2(same, Log10(x), reference::Log10(x)) << std::hexfloat << x;
        EXPECT_PRED2(same, CriticalPower(x), reference::Pow(x, kCriticalExponent)) << std::hexfloat << x;
        EXPECT_PRED2(same, Exp(x), reference::Exp(x)) << std::hexfloat << x;
    }
    mpfr_free_cache();
}

} // namespace
} // namespace vendrel::math
