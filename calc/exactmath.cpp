#include "calc/exactmath.h"

#include "calc/doubledouble.h"
#include "calc/multiprecision.h"

#include <cmath>
#include <cstdint>
#include <iterator>

namespace vendrel::math::internal {
namespace {

// atanh(s)·2^F = Σ s^(2i+1)/(2i+1) for s = S·2^-F in [0, ⅓], truncated. Each
// power of s carries less than 1.75 units (2^-F) of error and each term 1.6
// more; the terms left out add less than one: error ≤ 2·terms + 3 units.
Natural Atanh(const Natural& s, int F, std::uint64_t& error)
{
    const Natural square = ShiftRight(Multiply(s, s), F);
    Natural sum = s;
    Natural power = s;
    std::uint64_t terms = 1;
    for (std::uint32_t n = 3;; n += 2) {
        power = ShiftRight(Multiply(power, square), F);
        if (power.empty())
            break;
        sum = Add(sum, DivideSmall(power, n));
        ++terms;
    }
    error = 2 * terms + 3;
    return sum;
}

// ln 2 and 1/ln 10 to 256 bits, truncated (MPFR), for the precisions most
// slow paths end at; beyond, from series.
constexpr int kConstantBits = 256;
constexpr std::uint32_t kLn2Limbs[]
    = {0x8BAAFA2B, 0x8A0D175B, 0x7298B62D, 0x40F34326, 0x03F2F6AF, 0xC9E3B398, 0xD1CF79AB, 0xB17217F7};
constexpr std::uint32_t kInvLn10Limbs[]
    = {0x7BC7529E, 0x1D1F96A2, 0x22E4D101, 0x1F71A301, 0xD699EE19, 0x9AADD557, 0x9B9438CA, 0x6F2DEC54};

// A tabulated constant at F bits: within 2 units, one from each truncation.
Natural Constant(const std::uint32_t* limbs, std::size_t count, int F, std::uint64_t& error)
{
    error = 2;
    return ShiftRight(Natural(limbs, limbs + count), kConstantBits - F);
}

// ln 2 = 2·atanh(⅓), with its error.
Natural Ln2(int F, std::uint64_t& error)
{
    if (F <= kConstantBits)
        return Constant(kLn2Limbs, std::size(kLn2Limbs), F, error);
    const Natural sum = Atanh(DivideSmall(ShiftLeft({1}, F), 3), F, error);
    error *= 2;
    return ShiftLeft(sum, 1);
}

// ln 10 = 3·ln 2 + 2·atanh(1/9), with its error.
Natural Ln10(int F, const Natural& ln2, std::uint64_t ln2Error, std::uint64_t& error)
{
    std::uint64_t ninthError = 0;
    const Natural ninth = Atanh(DivideSmall(ShiftLeft({1}, F), 9), F, ninthError);
    error = 3 * ln2Error + 2 * ninthError;
    return Add(MultiplySmall(ln2, 3), ShiftLeft(ninth, 1));
}

// ln x for a finite x > 0 as k·ln 2 + 2·atanh((m − 1)/(m + 1)), x = m·2^k with
// m in [√½, √2), so that |s| ≤ 0.18; ln 2 and its error given.
Signed LnFixed(double x, int F, const Natural& ln2, std::uint64_t ln2Error, std::uint64_t& error)
{
    int k = 0;
    double m = std::frexp(x, &k); // exact, subnormals included
    if (m < 0.7071067811865476) {
        m *= 2;
        --k;
    }
    const auto significand = static_cast<std::uint64_t>(m * 0x1p53); // m = significand/2^53, exact
    constexpr std::uint64_t kOne = std::uint64_t{1} << 53;
    const bool below = significand < kOne;
    const Natural s
        = DivideBy(ShiftLeft(FromUint64(below ? kOne - significand : significand - kOne), F), significand + kOne);
    std::uint64_t seriesError = 0;
    const Signed lnM{below, ShiftLeft(Atanh(s, F, seriesError), 1)};
    const auto kMagnitude = static_cast<std::uint32_t>(k < 0 ? -k : k);
    error = 2 * seriesError + kMagnitude * ln2Error;
    return Add(Signed{k < 0, MultiplySmall(ln2, kMagnitude)}, lnM);
}

// e^z rounded to the nearest double, for z = Z·2^-F within zError units:
// e^z = 2^k·e^r with r = z − k·ln 2 in [0, ln 2) and e^r = Σ r^n/n!. False
// when the error bound leaves the rounding open.
bool ExpFixed(const Signed& z, std::uint64_t zError, int F, double& result)
{
    std::uint64_t ln2Error = 0;
    const Natural ln2 = Ln2(F, ln2Error);
    const double estimate = z.magnitude.empty() ? 0 : RoundToDouble(z.magnitude, -F);
    auto k = static_cast<std::int64_t>(std::floor((z.negative ? -estimate : estimate) * 1.4426950408889634));
    const auto kMagnitude = static_cast<std::uint32_t>(k < 0 ? -k : k);
    Signed r = Add(z, Signed{k >= 0, MultiplySmall(ln2, kMagnitude)});
    std::uint64_t corrections = 0;
    for (; r.negative && !r.magnitude.empty(); ++corrections, --k)
        r = Add(r, Signed{false, ln2});
    for (; !r.negative && Compare(r.magnitude, ln2) >= 0; ++corrections, ++k)
        r = Add(r, Signed{true, ln2});
    const std::uint64_t rError = zError + (kMagnitude + corrections) * ln2Error;
    // Each term within 2.31 units, those left out within 4: with e^r's slope
    // below 2.02, error ≤ 2.02·rError + 2.31·terms + 4.
    Natural term = ShiftLeft({1}, F);
    Natural sum = term;
    std::uint64_t terms = 0;
    for (std::uint32_t n = 1;; ++n) {
        term = DivideSmall(ShiftRight(Multiply(term, r.magnitude), F), n);
        if (term.empty())
            break;
        sum = Add(sum, term);
        ++terms;
    }
    return RoundInterval(sum, 3 * rError + 3 * terms + 8, static_cast<int>(k) - F, result);
}

// The slow paths below double the precision until the result rounds. Each
// ends: log10 x is an integer (x = 10^n) or irrational, e^x and x^y
// (x ≠ 1) irrational, so none is ever exactly a midpoint.
constexpr int kFirstPrecision = 128;

} // namespace

double Log10Exact(double x)
{
    for (int F = kFirstPrecision;; F *= 2) {
        std::uint64_t ln2Error = 0;
        std::uint64_t lnError = 0;
        const Natural ln2 = Ln2(F, ln2Error);
        const Signed ln = LnFixed(x, F, ln2, ln2Error, lnError);
        Natural quotient;
        std::uint64_t error = 0;
        if (F <= kConstantBits) {
            // ln x times 1/ln 10 (within 2 units): with |ln x| < 745, within
            // lnError·0.44 + 1490 units, and 1 for the truncation.
            std::uint64_t inverseError = 0;
            const Natural inverse = Constant(kInvLn10Limbs, std::size(kInvLn10Limbs), F, inverseError);
            quotient = ShiftRight(Multiply(ln.magnitude, inverse), F);
            error = lnError + 1491;
        } else {
            // ln x / ln 10 with ln 10 − ln10Error > 2: within
            // (lnError + |q|·ln10Error)/2 + 1 units, |q| < 324.
            std::uint64_t ln10Error = 0;
            const Natural ln10 = Ln10(F, ln2, ln2Error, ln10Error);
            quotient = Divide(ShiftLeft(ln.magnitude, F), ln10);
            error = lnError + (ToUint64(ShiftRight(quotient, F)) + 1) * ln10Error + 1;
        }
        double result = 0;
        if (RoundInterval(quotient, error, -F, result))
            return ln.negative ? -result : result;
    }
}

double CriticalPowerExact(double x)
{
    for (int F = kFirstPrecision;; F *= 2) {
        std::uint64_t ln2Error = 0;
        std::uint64_t lnError = 0;
        const Natural ln2 = Ln2(F, ln2Error);
        const Signed ln = LnFixed(x, F, ln2, ln2Error, lnError);
        // y·ln x with y = 11184811/2^25 < 1: within lnError + 1 units.
        const Signed z{ln.negative, ShiftRight(MultiplySmall(ln.magnitude, 11184811), 25)};
        double result = 0;
        if (ExpFixed(z, lnError + 1, F, result))
            return result;
    }
}

double ExpExact(double x)
{
    for (int F = kFirstPrecision;; F *= 2) {
        double result = 0;
        if (ExpFixed(Signed{x < 0, ToFixed(std::fabs(x), F)}, 1, F, result))
            return result;
    }
}

// ∜x for a finite x > 0 on integers: x = 2^(4·scale)·w with w = W·2^-52 in
// [1, 16), and t = √√w = T·2^-52 is within 0.854 ulp of ∜w (half an ulp from
// the second root, at most 0.354 carried from the first), so ∜w rounds to t
// or a neighbour. The midpoint (2T ± 1)·2^-53 lies below ∜w exactly when
// (2T ± 1)⁴ < W·2^160, at most 216 bits; never equal, as the left is odd.
double FourthRootExact(double x)
{
    const auto [scale, rest, mantissa] = SplitExponent(x, 4);
    const double w = FromBits(mantissa | static_cast<std::uint64_t>(1023 + rest) << 52);
    const double t = std::sqrt(std::sqrt(w)); // in [1, 2]
    const auto twiceT = static_cast<std::uint64_t>(t * 0x1p53);
    const Natural scaled = ShiftLeft(FromUint64(static_cast<std::uint64_t>(w * 0x1p52)), 160);
    const auto belowRoot = [&](std::uint64_t midpoint) {
        const Natural square = Multiply(FromUint64(midpoint), FromUint64(midpoint));
        return Compare(Multiply(square, square), scaled) < 0;
    };
    double root = t;
    if (belowRoot(twiceT + 1))
        root = t + 0x1p-52;
    else if (!belowRoot(twiceT - 1))
        root = t - 0x1p-52;
    return root * PowerOfTwo(scale);
}

} // namespace vendrel::math::internal
