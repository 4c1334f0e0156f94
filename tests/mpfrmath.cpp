// vendrel::math from MPFR, linked into vendrel-calc-mpfr ahead of the core's
// library so that its portablemath.o is left out: the program with every
// elementary function correctly rounded, to compare vendrel-calc with.
#include "calc/portablemath.h"
#include "tests/mpfrreference.h"

namespace vendrel::math {

double SquareRoot(double x)
{
    return reference::SquareRoot(x);
}

double FourthRoot(double x)
{
    return reference::FourthRoot(x);
}

double Log10(double x)
{
    return reference::Log10(x);
}

double Pow(double x, double y)
{
    return reference::Pow(x, y);
}

double Exp(double x)
{
    return reference::Exp(x);
}

} // namespace vendrel::math
