#pragma once

// The slow paths of calc/portablemath: log10, e^x, the critical zone's power
// and the fourth root correctly rounded in integer arithmetic, for the few
// arguments the double-double paths leave too near a midpoint. Internal to
// calc/ and the maths tests.
namespace vendrel::math::internal {

double Log10Exact(double x);         // finite x > 0, x ≠ 1
double ExpExact(double x);           // finite x
double CriticalPowerExact(double x); // x^(11184811/2^25) for finite x > 0
double FourthRootExact(double x);    // finite x > 0

} // namespace vendrel::math::internal
