#include "calc/portablemath.h"

#include "calc/doubledouble.h"
#include "calc/exactmath.h"
#include "calc/mathtables.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vendrel::math {
using detail::DoubleDouble;
using detail::kExpBound;
using detail::kLog10Bound;
using detail::kPowBound;
using namespace internal;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kOneThirdSingle = 0x1.555556p-2; // 11184811/2^25 = ⅓ + 1/(3·2^25)

// ---- log10 ----

constexpr double kLog10Of2High = 0x1.34413509f78p-2; // on the 2^-43 grid: k times it is exact
constexpr double kLog10Of2Low = 0x1.fef311f12b358p-46;
// 1/ln 10 as a 26-bit part, whose products with 27-bit numbers are exact,
// and the rest, to 2^-83.
constexpr double kInvLn10Short = 0x1.bcb7b18p-2;
constexpr double kInvLn10Rest = -0x1.6c8d78e6acaa4p-29;

// log10 x as hi + lo for finite x > 0, x ≠ 1, within 2^-72·|log10 x|:
// k·log10 2 − log10(invc) + ln(1 + r)/ln 10, ln(1 + r) = r − r²/2 + r³·Q(r),
// Q = 1/3 − r/4 + … − r⁵/8, the terms left out below 2^-83·|r|. r and r²/2
// are exact; r³·Q, below 2^-21.6·|r|, is within 2^-51.2 of itself (2^-72.8·|r|);
// the sums and the products with 1/ln 10 add 2^-73.5·|r|, the table and
// log10 2 less than 2^-84 of the result; and |ln(1 + r)/ln 10| ≤ 1.001·|log10 x|,
// the cells being centred and k·log10 2 never cancelling log10 z.
DoubleDouble Log10Parts(double x)
{
    std::uint64_t bits = Bits(x);
    int scale = 0;
    if (bits < kSmallestNormalBits) { // subnormal: scaled exactly
        bits = Bits(x * 0x1p52);
        scale = -52;
    }
    const std::uint64_t offset = bits - kLogCellOffset;
    const LogCell& cell = kLogCells[(offset >> 43) % 512];
    // The biased difference of exponents, positive for every normal x.
    const int k = static_cast<int>((offset + (std::uint64_t{1} << 62)) >> 52) - 1024 + scale;
    const std::uint64_t zBits = bits - (offset & 0xFFF0000000000000u);
    // r = z·invc − 1 exactly: z's upper 26 bits times invc's 26, and its lower
    // 27 times them, are exact, and so is the first product minus 1.
    const double z = FromBits(zBits);
    const double zHigh = FromBits(zBits & kHigh26Bits);
    double rh, rl;
    TwoSum(zHigh * cell.invc - 1, (z - zHigh) * cell.invc, rh, rl);

    double s, sError;
    Square(rh, s, sError);
    constexpr double q0 = 1.0 / 3, q1 = -1.0 / 4, q2 = 1.0 / 5, q3 = -1.0 / 6, q4 = 1.0 / 7, q5 = -1.0 / 8;
    const double q = (q0 + q1 * rh) + s * ((q2 + q3 * rh) + s * (q4 + q5 * rh));
    // ln(1 + r) = a + low: r − r²/2 with r² = s + sError + 2·rh·rl.
    double a, aError;
    FastTwoSum(rh, -0.5 * s, a, aError);
    // r³·Q(r) from rh: rh·(s + sError)·q + 3·rh²·rl·⅓ gives it but for the
    // roundings in rh·s·q and q, within 2^-51.2 of it.
    const double low = ((rl - (0.5 * sError + rh * rl) + aError) + (rh * sError + 3 * s * rl) * q0) + rh * s * q;
    // ÷ ln 10: a's upper 26 bits and the rest, each times the short part, exactly.
    const double aHigh = FromBits(Bits(a) & kHigh26Bits);
    double t3, t3Error;
    FastTwoSum(aHigh * kInvLn10Short, (a - aHigh) * kInvLn10Short, t3, t3Error);
    t3Error += (a + low) * kInvLn10Rest + low * kInvLn10Short;
    // k·log10 2 − log10(invc): the high parts add exactly, and the sum is
    // larger than t3 unless it is 0.
    double sum, sumError;
    FastTwoSum(k * kLog10Of2High + cell.logHigh, t3, sum, sumError);
    DoubleDouble result;
    FastTwoSum(sum, sumError + (t3Error + (cell.logLow + k * kLog10Of2Low)), result.hi, result.lo);
    return result;
}

// ---- e^x ----

// ln 2/64 in three parts of 36 bits, so that n times the first two, for
// |n| < 2^17, is exact.
constexpr double kLn2Over64High = 0x1.62e42fefap-7;
constexpr double kLn2Over64Mid = 0x1.cf79abcap-46;
constexpr double kLn2Over64Low = -0x1.c4c67fc0d0951p-82;
constexpr double k64OverLn2 = 0x1.71547652b82fep+6;
// The double-double path's arguments, whose results are normal doubles.
constexpr double kExpFastLow = -708.39;
constexpr double kExpFastHigh = 709.78;

// e^x = 2^scale·(hi + lo) for x in [kExpFastLow, kExpFastHigh], within
// 2^-74·e^x: x = (64·scale + j)·ln 2/64 + r with |r| ≤ ln 2/128, e^x =
// 2^scale·2^(j/64)·e^r, and e^r − 1 = r + r²/2 + r³·(1/6 + … + r⁴/5040), whose
// terms left out are below 2^-75.5; r and r²/2 are exact, r³·(…), below
// 2^-25.2, within 2^-51 of itself, and the sums and products add 2^-76.
DoubleDouble ExpParts(double x, int& scale)
{
    const double n = std::floor(x * k64OverLn2 + 0.5);
    const int steps = static_cast<int>(n);
    const int j = ((steps % 64) + 64) % 64;
    scale = (steps - j) / 64;
    // x − n·ln 2/64: the first difference is exact (Sterbenz), n times the
    // middle part too.
    double rh, rl;
    TwoSum(x - n * kLn2Over64High, -n * kLn2Over64Mid, rh, rl);
    rl -= n * kLn2Over64Low;

    double square, squareError;
    Square(rh, square, squareError);
    constexpr double q0 = 1.0 / 6, q1 = 1.0 / 24, q2 = 1.0 / 120, q3 = 1.0 / 720, q4 = 1.0 / 5040;
    const double q = (q0 + q1 * rh) + square * ((q2 + q3 * rh) + square * q4);
    const double tail = rh * square * q;
    double p, pError;
    TwoSum(rh, 0.5 * square, p, pError);
    pError += rl + (0.5 * squareError + rh * rl) + tail;
    // 2^(j/64)·(1 + p).
    const PowerOfTwoPart& t = kExp2Table[j];
    double product, productError, sum, sumError;
    TwoProduct(t.high, p, product, productError);
    FastTwoSum(t.high, product, sum, sumError);
    DoubleDouble result;
    FastTwoSum(sum, sumError + (productError + (t.low + (t.high * pError + t.low * p))), result.hi, result.lo);
    return result;
}

// ---- x^(⅓ rounded to float) ----

constexpr double kCubeRootOf2 = 0x1.428a2f98d728bp+0;
constexpr double kCubeRootOf4 = 0x1.965fea53d6e3dp+0;
// ln 10/(3·2^25), so that ln(x)/(3·2^25) = log10(x)·kappa.
constexpr double kKappaHigh = 0x1.88f97a4f1c6c7p-26;
constexpr double kKappaLow = 0x1.649c39e41d01ep-80;

// x^y for y = ⅓ + 1/(3·2^25) (kOneThirdSingle) as 2^scale·(hi + lo), within
// 2^-84·x^y, for finite x > 0: ∛x·e^ε with ε = ln(x)/(3·2^25), |ε| < 2^-17,
// so that e^ε − 1 = ε + ε²/2 + ε³/6 + ε⁴/24 leaves out < 2^-91. ∛x is within
// 2^-98, ε within 2^-89 (log10's 2^-72 of |ε|), ε²/2 (< 2^-35) within 2^-51,
// and the rest rounds by < 2^-87.
DoubleDouble CriticalPowerParts(double x, int& scale)
{
    // x = 2^(3·scale)·w, w in [1, 8).
    const ExponentSplit split = SplitExponent(x, 3);
    const int rest = split.rest;
    scale = split.scale;
    const double m = FromBits(split.mantissa | 0x3FF0000000000000u); // in [1, 2)
    const double w = m * (rest == 0 ? 1 : rest == 1 ? 2 : 4);
    // ∛m from a quintic through the Chebyshev nodes (within 2^-19), times
    // ∛(2^rest); then Halley's step t·(t³ + 2w)/(2t³ + w), which triples the
    // digits, to within a few units of the last place.
    constexpr double c0 = 0.4751469362387696, c1 = 0.8317431442484486, c2 = -0.4602977267704073, c3 = 0.196654797014185,
                     c4 = -0.04831832068187337, c5 = 0.00507295332530768;
    const double m2 = m * m;
    double t = (c0 + c1 * m) + m2 * ((c2 + c3 * m) + m2 * (c4 + c5 * m));
    t *= rest == 0 ? 1 : rest == 1 ? kCubeRootOf2 : kCubeRootOf4;
    const double t3 = t * t * t;
    t = t * (t3 + 2 * w) / (2 * t3 + w);
    // One Newton step in double-double: ∛w = t + (w − t³)/(3t²) to 2^-99,
    // w − t³ from exact products.
    double square, squareError, cube, cubeError;
    Square(t, square, squareError);
    TwoProduct(t, square, cube, cubeError);
    const double residual = (w - cube) - (cubeError + t * squareError); // w − cube is exact (Sterbenz)
    double root, rootError;
    FastTwoSum(t, residual / (3 * square), root, rootError);

    // ε = log10(x)·kappa.
    const DoubleDouble logarithm = Log10Parts(x);
    double epsilon, epsilonError;
    TwoProduct(logarithm.hi, kKappaHigh, epsilon, epsilonError);
    epsilonError += logarithm.hi * kKappaLow + logarithm.lo * kKappaHigh;
    // e^ε − 1 = epsilon + small.
    const double small = epsilonError + epsilon * epsilon * (0.5 + epsilon * (1.0 / 6 + epsilon * (1.0 / 24)));
    // ∛w·e^ε = (root + rootError)·(1 + epsilon + small).
    double product, productError, sum, sumError;
    TwoProduct(root, epsilon, product, productError);
    FastTwoSum(root, product, sum, sumError);
    DoubleDouble result;
    FastTwoSum(
        sum, sumError + (productError + (rootError + (root * small + rootError * epsilon))), result.hi, result.lo);
    return result;
}

} // namespace

namespace detail {

DoubleDouble Log10Fast(double x, int& scale)
{
    scale = 0;
    return Log10Parts(x);
}

DoubleDouble ExpFast(double x, int& scale)
{
    return ExpParts(x, scale);
}

DoubleDouble CriticalPowerFast(double x, int& scale)
{
    return CriticalPowerParts(x, scale);
}

double Log10Slow(double x)
{
    return Log10Exact(x);
}

double ExpSlow(double x)
{
    return ExpExact(x);
}

double CriticalPowerSlow(double x)
{
    return CriticalPowerExact(x);
}

double FourthRootSlow(double x)
{
    return FourthRootExact(x);
}

} // namespace detail

double SquareRoot(double x)
{
    // pow's answers where the square root's differ: -0 and -inf.
    if (x == -kInfinity)
        return kInfinity;
    return std::sqrt(x) + 0.0;
}

double FourthRoot(double x)
{
    if (!(x >= 0x1p-900 && x < kInfinity)) {
        if (x > 0 && x < kInfinity)
            return FourthRootExact(x); // where the squares below would lose bits to underflow
        return x == 0 || x == -kInfinity ? -x + 0.0 : x > 0 ? x : kNaN; // pow's: +0, +inf, +inf, NaN
    }
    // t = √√x is within 0.854 ulp of ∜x, so ∜x rounds to t or a neighbour:
    // the residual x − t⁴ = (x − s²) + (s − t²)(s + t²), s = √x, from exact
    // squares (the first beside the second root), gives δ = (∜x − t)/ulp to
    // 2^-49, and only within 2^-40 of ±½, or where t is a power of two and
    // the neighbours' gaps differ, is the decision left to integers.
    const double s = std::sqrt(x);
    const double t = std::sqrt(s);
    double sSquare, sSquareError, square, squareError;
    Square(s, sSquare, sSquareError);
    Square(t, square, squareError);
    const double residual // s − square is exact, and so is x − sSquare (Sterbenz)
        = ((x - sSquare) - sSquareError) + ((s - square) - squareError) * (s + square);
    const double perUlp = 4 * t * square * (FromBits(Bits(t) & kExponentBits) * 0x1p-52); // ≈ (t + ulp)⁴ − t⁴
    const double half = 0.5 * perUlp;
    if ((std::fabs(std::fabs(residual) - half) < 0x1p-40 * perUlp) | ((Bits(t) & kMantissaBits) == 0))
        return FourthRootExact(x);
    // Which of the three it is varies from call to call: chosen by arithmetic
    // on the bit pattern, not by branches the processor would mispredict.
    const auto up = static_cast<std::uint64_t>(residual > half);
    const auto down = static_cast<std::uint64_t>(residual < -half);
    return FromBits(Bits(t) + up - down);
}

double Log10(double x)
{
    if (!(x > 0 && x < kInfinity))
        return x == 0 ? -kInfinity : x > 0 ? x : kNaN;
    if (x == 1)
        return 0;
    const DoubleDouble result = Log10Parts(x);
    return RoundsToHigh(result.hi, result.lo, kLog10Bound) ? result.hi : Log10Exact(x);
}

double Pow(double x, double y)
{
    assert(y == kOneThirdSingle && "Pow serves the critical zone's exponent only");
    if (y != kOneThirdSingle)
        return kNaN;
    if (!(x > 0 && x < kInfinity))
        return x == 0 || x == -kInfinity || x == kInfinity ? std::fabs(x) : kNaN; // pow's: +0, +inf, NaN
    if (x == 1)
        return 1;
    int scale = 0;
    const DoubleDouble result = CriticalPowerParts(x, scale);
    return RoundsToHigh(result.hi, result.lo, kPowBound) ? result.hi * PowerOfTwo(scale) : CriticalPowerExact(x);
}

double Exp(double x)
{
    if (std::isnan(x))
        return x;
    if (x > 709.79) // e^x > 2^1024
        return kInfinity;
    if (x < -746) // e^x < 2^-1076, below half the smallest subnormal
        return 0;
    if (x >= kExpFastLow && x <= kExpFastHigh) {
        int scale = 0;
        const DoubleDouble result = ExpParts(x, scale);
        if (RoundsToHigh(result.hi, result.lo, kExpBound))
            return std::ldexp(result.hi, scale); // exact: the result is normal
    }
    return ExpExact(x);
}

} // namespace vendrel::math
