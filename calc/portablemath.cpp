#include "calc/portablemath.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

namespace vendrel::math {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSqrtHalf = 0.7071067811865476;
// ln 2 and 1/ln 10 split so that a product with the high part of a short
// operand is exact; log10(2) split so that its high part times any exponent
// is exact. Each low part is the rest, to double precision.
constexpr double kLn2Hi = 0.6931471803691238;
constexpr double kLn2Lo = 1.9082149292705877e-10;
constexpr double kInvLn10Hi = 0.4342944818781689;
constexpr double kInvLn10Lo = 2.5082946711645275e-11;
constexpr double kLog10Of2Hi = 0.30102999566361177;
constexpr double kLog10Of2Lo = 3.694239077158931e-13;
constexpr double kInvLn2 = 1.4426950408889634;
// exp overflows above this and underflows to zero below the second.
constexpr double kExpMax = 709.782712893384;
constexpr double kExpMin = -745.1332191019412;

// Keeps the upper 21 significant bits, so that a product with another such
// number, or with a 32-bit one, is exact.
double HighPart(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    bits &= 0xFFFFFFFF00000000u;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// x = 2^k·(1 + f) with 1 + f in [√½, √2), f exact.
struct Reduced {
    int k;
    double f;
};

Reduced Reduce(double x)
{
    int k = 0;
    double m = std::frexp(x, &k); // exact, m in [0.5, 1)
    if (m < kSqrtHalf) {
        m *= 2;
        --k;
    }
    return {k, m - 1}; // exact: m is within a factor 2 of 1
}

// log(1 + f) = f − f²/2 + s·(f²/2 + R(s²)) with s = f/(2 + f), from
// 2·atanh(s) = 2s + 2s³/3 + 2s⁵/5 + …; |s| ≤ 0.1716, so eleven terms of the
// series leave less than 2⁻⁶⁰ of it. Returns the last term, s·(f²/2 + R).
double LogTail(double f, double halfSquare)
{
    static constexpr double kSeries[]
        = {2.0 / 3, 2.0 / 5, 2.0 / 7, 2.0 / 9, 2.0 / 11, 2.0 / 13, 2.0 / 15, 2.0 / 17, 2.0 / 19, 2.0 / 21, 2.0 / 23};
    const double s = f / (2 + f);
    const double z = s * s;
    double r = kSeries[std::size(kSeries) - 1];
    for (int i = static_cast<int>(std::size(kSeries)) - 2; i >= 0; --i)
        r = kSeries[i] + z * r;
    return s * (halfSquare + z * r);
}

// log(1 + f) as hi + lo, hi short enough for exact products with the high
// parts of the constants above.
void Log1pParts(double f, double& hi, double& lo)
{
    const double halfSquare = 0.5 * f * f;
    hi = HighPart(f - halfSquare);
    lo = (f - hi) - halfSquare + LogTail(f, halfSquare);
}

// Non-positive, infinite and NaN arguments of a logarithm: what log gives.
bool SpecialLog(double x, double& result)
{
    if (x > 0 && x < kInfinity)
        return false;
    result = x == 0 ? -kInfinity : x > 0 ? x : kNaN;
    return true;
}

// a + b exactly as sum + error (Knuth's TwoSum).
void TwoSum(double a, double b, double& sum, double& error)
{
    sum = a + b;
    const double bVirtual = sum - a;
    error = (a - (sum - bVirtual)) + (b - bVirtual);
}

// a × b exactly as product + error (Dekker's, by Veltkamp splitting; no
// fused multiply-add, which not every target does in hardware).
void TwoProduct(double a, double b, double& product, double& error)
{
    const auto split = [](double v, double& high, double& low) {
        const double c = 134217729.0 * v; // 2²⁷ + 1
        high = c - (c - v);
        low = v - high;
    };
    product = a * b;
    double aHigh, aLow, bHigh, bLow;
    split(a, aHigh, aLow);
    split(b, bHigh, bLow);
    error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// e^(hi + lo) for |lo| ≪ |hi|: e^r·2^k with r = hi + lo − k·ln 2, |r| ≤ ½ ln 2,
// and e^r = 1 + r + r²·q(r) from its Taylor series to the 13th power (less
// than 2⁻⁵⁷ left), the three terms added without rounding until the last.
double ExpParts(double hi, double lo)
{
    if (hi > kExpMax)
        return kInfinity;
    if (hi < kExpMin)
        return 0;
    // 1/2!, 1/3!, … 1/13!
    static constexpr double kInverseFactorials[] = {0.5, 0.16666666666666666, 0.041666666666666664,
        0.008333333333333333, 0.001388888888888889, 0.0001984126984126984, 2.48015873015873e-05, 2.7557319223985893e-06,
        2.755731922398589e-07, 2.505210838544172e-08, 2.08767569878681e-09, 1.6059043836821613e-10};
    const double k = std::floor(hi * kInvLn2 + 0.5);
    const double r = ((hi - k * kLn2Hi) - k * kLn2Lo) + lo;
    double q = kInverseFactorials[std::size(kInverseFactorials) - 1];
    for (int i = static_cast<int>(std::size(kInverseFactorials)) - 2; i >= 0; --i)
        q = kInverseFactorials[i] + r * q;
    double tail, tailError, sum, sumError;
    TwoSum(r, (r * r) * q, tail, tailError);
    TwoSum(1, tail, sum, sumError);
    return std::ldexp(sum + (sumError + tailError), static_cast<int>(k));
}

} // namespace

double SquareRoot(double x)
{
    // pow's answers where the square root's differ: -0 and -inf.
    if (x == -kInfinity)
        return kInfinity;
    return std::sqrt(x) + 0.0;
}

double FourthRoot(double x)
{
    return SquareRoot(SquareRoot(x));
}

double Log10(double x)
{
    double result;
    if (SpecialLog(x, result))
        return result;
    const Reduced reduced = Reduce(x);
    double hi, lo;
    Log1pParts(reduced.f, hi, lo);
    // k·log10(2) + log(1 + f)/ln 10, the large parts added last.
    const double k = reduced.k;
    const double kHi = k * kLog10Of2Hi;
    double valueHi = hi * kInvLn10Hi;
    double valueLo = k * kLog10Of2Lo + (lo + hi) * kInvLn10Lo + lo * kInvLn10Hi;
    const double sum = kHi + valueHi;
    valueLo += (kHi - sum) + valueHi;
    valueHi = sum;
    return valueLo + valueHi;
}

double Pow(double x, double y)
{
    if (!(x > 0 && x < kInfinity) || !std::isfinite(y))
        return std::pow(x, y); // no platform differences in these cases
    const Reduced reduced = Reduce(x);
    double hi, lo;
    Log1pParts(reduced.f, hi, lo);
    // log x = k·ln 2 + log(1 + f) as a double-double, then times y.
    double logHi, logLo;
    TwoSum(reduced.k * kLn2Hi, hi, logHi, logLo);
    logLo += reduced.k * kLn2Lo + lo;
    double productHi, productLo;
    TwoProduct(y, logHi, productHi, productLo);
    return ExpParts(productHi, productLo + y * logLo);
}

double Exp(double x)
{
    return std::isnan(x) ? x : ExpParts(x, 0);
}

} // namespace vendrel::math
