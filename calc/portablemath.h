#pragma once

// The elementary functions of the calculation, built from IEEE-754's basic
// operations alone (+ − × ÷ √, each correctly rounded on every conforming
// platform), so that results are the same bits on Linux and Windows. The C
// libraries' log10 and pow differ in the last bit between glibc, Wine and
// Microsoft's runtime (4 % of log10 calls differ between glibc and Wine), and
// a last bit can show in a printed digit.
namespace vendrel::math {

// pow(x, 0.5): the correctly rounded square root; +0 for -0, +inf for -inf.
double SquareRoot(double x);

// pow(x, 0.25) as the square root of the square root: within 0.75 units in
// the last place.
double FourthRoot(double x);

// The base-10 logarithm, within one unit in the last place.
double Log10(double x);

// x to the power y for finite x > 0 and moderate results, within two units
// in the last place; other x give what pow gives.
double Pow(double x, double y);

// e to the power x, within one unit in the last place.
double Exp(double x);

} // namespace vendrel::math
