#pragma once

// The elementary functions of the calculation, built from IEEE-754's basic
// operations alone (+ − × ÷ √, each correctly rounded on every conforming
// platform) and integer arithmetic, so that results are the same bits on
// Linux and Windows. The C libraries' log10 and pow differ in the last bit
// between glibc, Wine and Microsoft's runtime (4 % of log10 calls differ
// between glibc and Wine), and a last bit can show in a printed digit.
//
// Each result is correctly rounded: the exact value rounded to the nearest
// double, as MPFR gives it. A double-double approximation with a proven error
// bound decides almost every argument; the few it leaves near a midpoint are
// decided in integer arithmetic (Ziv's strategy).
namespace vendrel::math {

// pow(x, 0.5): the square root; +0 for -0, +inf for -inf.
double SquareRoot(double x);

// pow(x, 0.25): +0 for ±0, +inf for ±inf, NaN for negatives and NaN.
double FourthRoot(double x);

// The base-10 logarithm: -inf for ±0, NaN for negatives and NaN.
double Log10(double x);

// pow(x, y) for y = 0.3333333432674408 (⅓ rounded to float, the critical
// zone's exponent) and any x: +0 for ±0, +inf for ±inf, NaN for negatives and
// NaN. No other y is served: it asserts, and gives NaN where asserts are off.
double Pow(double x, double y);

// e to the power x, overflowing to +inf and underflowing through the
// subnormals to +0 as rounding gives.
double Exp(double x);

namespace detail {

// The two paths apart, for the test against MPFR. A double-double path gives
// 2^scale·(hi + lo) within its bound, relative, of the exact value; each bound
// is at least four times the proven one (log10 2^-72, e^x 2^-74, the power
// 2^-84), and the rounding test trusts it. The integer paths round correctly
// on their own.
struct DoubleDouble {
    double hi;
    double lo;
};
inline constexpr double kLog10Bound = 0x1p-70;
inline constexpr double kExpBound = 0x1p-70;
inline constexpr double kPowBound = 0x1p-80;
DoubleDouble Log10Fast(double x, int& scale);         // finite x > 0, x ≠ 1
DoubleDouble ExpFast(double x, int& scale);           // x in [-708.39, 709.78]
DoubleDouble CriticalPowerFast(double x, int& scale); // finite x > 0
double Log10Slow(double x);                           // finite x > 0, x ≠ 1
double ExpSlow(double x);                             // finite x
double CriticalPowerSlow(double x);                   // finite x > 0
double FourthRootSlow(double x);                      // finite x > 0: on integers, whatever the residual

} // namespace detail

} // namespace vendrel::math
