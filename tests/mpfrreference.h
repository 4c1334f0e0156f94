#pragma once

// The five functions of calc/portablemath.h from MPFR: the exact result rounded
// once to the nearest double, with pow's answers for the special values. The
// reference for the maths' own test and for vendrel-calc-mpfr.
#include <mpfr.h>

#include <limits>

namespace vendrel::reference {

// MPFR's exponent range narrowed to the doubles' while it lives, so that a
// result rounds to a subnormal or overflows as a double would.
class DoubleRange {
public:
    DoubleRange()
        : m_emin(mpfr_get_emin())
        , m_emax(mpfr_get_emax())
    {
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
    }
    ~DoubleRange()
    {
        mpfr_set_emin(m_emin);
        mpfr_set_emax(m_emax);
    }
    DoubleRange(const DoubleRange&) = delete;
    DoubleRange& operator=(const DoubleRange&) = delete;

private:
    mpfr_exp_t m_emin;
    mpfr_exp_t m_emax;
};

class Number {
public:
    explicit Number(mpfr_prec_t precision) { mpfr_init2(m_value, precision); }
    Number(mpfr_prec_t precision, double value)
        : Number(precision)
    {
        mpfr_set_d(m_value, value, MPFR_RNDN);
    }
    ~Number() { mpfr_clear(m_value); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
    operator mpfr_ptr() { return m_value; }

private:
    mpfr_t m_value;
};

// f(x) to the given precision: rounded to nearest, or with precision 53 and
// a DoubleRange alive, to the nearest double.
template <typename F> int Evaluate(F f, mpfr_ptr result, double x)
{
    Number in(53, x);
    return f(result, in, MPFR_RNDN);
}

inline int FourthRootOf(mpfr_ptr result, mpfr_srcptr x, mpfr_rnd_t rounding)
{
    return mpfr_rootn_ui(result, x, 4, rounding);
}

// x ↦ x^y, for Evaluate and Rounded.
inline auto PowerOf(double y)
{
    return [y](mpfr_ptr result, mpfr_srcptr x, mpfr_rnd_t rounding) {
        Number exponent(53, y);
        return mpfr_pow(result, x, exponent, rounding);
    };
}

template <typename F> double Rounded(F f, double x)
{
    const DoubleRange range;
    Number result(53);
    const int ternary = Evaluate(f, result, x);
    mpfr_subnormalize(result, mpfr_check_range(result, ternary, MPFR_RNDN), MPFR_RNDN);
    return mpfr_get_d(result, MPFR_RNDN);
}

// pow(x, ½) and pow(x, ¼) where they differ from the root: −0 gives +0,
// −∞ gives +∞.
inline bool PowRootSpecial(double x, double& result)
{
    if (x == 0 || x == -std::numeric_limits<double>::infinity()) {
        result = -x + 0.0;
        return true;
    }
    return false;
}

inline double SquareRoot(double x)
{
    double special;
    return PowRootSpecial(x, special) ? special : Rounded(mpfr_sqrt, x);
}

inline double FourthRoot(double x)
{
    double special;
    return PowRootSpecial(x, special) ? special : Rounded(FourthRootOf, x);
}

inline double Log10(double x)
{
    return Rounded(mpfr_log10, x);
}

inline double Pow(double x, double y)
{
    return Rounded(PowerOf(y), x);
}

inline double Exp(double x)
{
    return Rounded(mpfr_exp, x);
}

} // namespace vendrel::reference
