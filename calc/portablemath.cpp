#include "calc/portablemath.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <vector>

namespace vendrel::math {
using detail::DoubleDouble;
using detail::kExpBound;
using detail::kLog10Bound;
using detail::kPowBound;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kOneThirdSingle = 0x1.555556p-2; // 11184811/2^25 = ⅓ + 1/(3·2^25)
constexpr std::uint64_t kExponentBits = 0x7FF0000000000000u;
constexpr std::uint64_t kMantissaBits = 0x000FFFFFFFFFFFFFu;
constexpr std::uint64_t kSmallestNormalBits = 0x0010000000000000u;
constexpr std::uint64_t kHigh26Bits = 0xFFFFFFFFF8000000u; // sign, exponent and 25 stored bits: 26 significant

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// 2^e for a normal result, -1022 ≤ e ≤ 1023.
double PowerOfTwo(int e)
{
    return FromBits(static_cast<std::uint64_t>(e + 1023) << 52);
}

// ---- Double-double arithmetic (no fused multiply-add) ----

// a + b exactly as sum + error (Knuth's TwoSum).
void TwoSum(double a, double b, double& sum, double& error)
{
    sum = a + b;
    const double bVirtual = sum - a;
    error = (a - (sum - bVirtual)) + (b - bVirtual);
}

// a + b exactly as sum + error when |a| ≥ |b| or a = 0 (Dekker's).
void FastTwoSum(double a, double b, double& sum, double& error)
{
    sum = a + b;
    error = b - (sum - a);
}

// a × b exactly as product + error (Dekker's, with Veltkamp's splitting; no
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

// a² as square + error: a's upper 26 bits masked off as h, l = a − h, so that
// h², 2hl and the partial sums are exact; only l², below 2^-104·a², rounds.
// Shorter than splitting by arithmetic.
void Square(double a, double& square, double& error)
{
    const double h = FromBits(Bits(a) & kHigh26Bits);
    const double l = a - h;
    square = a * a;
    error = ((h * h - square) + (h + h) * l) + l * l;
}

// Ziv's rounding test: true when hi is the double nearest to every value v
// within bound·|v| of hi + lo, for a normal hi and |lo| ≤ ½ ulp(hi): when
// |lo| + bound·|v| stays below half the gap to hi's neighbours. Below a power
// of two the gap is half the one above; the smaller is taken.
bool RoundsToHigh(double hi, double lo, double bound)
{
    double halfGap = FromBits(Bits(hi) & kExponentBits) * 0x1p-53;
    if ((Bits(hi) & kMantissaBits) == 0)
        halfGap *= 0.5;
    // |v| ≤ |hi|·(1 + 2^-52), and the sum and product round by a part in 2^53
    // each: the margin covers them.
    return std::fabs(lo) + std::fabs(hi) * bound <= halfGap * (1 - 0x1p-50);
}

// ---- Exact and multi-precision arithmetic for the rare arguments whose
// double-double results lie too near a midpoint to round ----

// A non-negative integer in base 2³², least significant limb first, without
// leading zero limbs. 32×32→64-bit products: the same on every platform.
using Natural = std::vector<std::uint32_t>;

void Trim(Natural& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

Natural FromUint64(std::uint64_t value)
{
    Natural a{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    Trim(a);
    return a;
}

std::uint64_t ToUint64(const Natural& a)
{
    std::uint64_t value = 0;
    for (std::size_t i = std::min<std::size_t>(a.size(), 2); i-- > 0;)
        value = value << 32 | a[i];
    return value;
}

int Compare(const Natural& a, const Natural& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

Natural Add(const Natural& a, const Natural& b)
{
    const Natural& longer = a.size() >= b.size() ? a : b;
    const Natural& shorter = a.size() >= b.size() ? b : a;
    Natural sum(longer.size() + 1);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < longer.size(); ++i) {
        carry += std::uint64_t{longer[i]} + (i < shorter.size() ? shorter[i] : 0);
        sum[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    sum.back() = static_cast<std::uint32_t>(carry);
    Trim(sum);
    return sum;
}

// a − b, for a ≥ b, in place.
void SubtractFrom(Natural& a, const Natural& b)
{
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < a.size() && (i < b.size() || borrow != 0); ++i) {
        const std::uint64_t difference = std::uint64_t{a[i]} - (i < b.size() ? b[i] : 0) - borrow;
        a[i] = static_cast<std::uint32_t>(difference);
        borrow = difference >> 63;
    }
    Trim(a);
}

Natural Subtract(Natural a, const Natural& b)
{
    SubtractFrom(a, b);
    return a;
}

Natural Multiply(const Natural& a, const Natural& b)
{
    if (a.empty() || b.empty())
        return {};
    Natural product(a.size() + b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            carry += std::uint64_t{a[i]} * b[j] + product[i + j];
            product[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        product[i + b.size()] = static_cast<std::uint32_t>(carry);
    }
    Trim(product);
    return product;
}

Natural MultiplySmall(const Natural& a, std::uint32_t factor)
{
    return Multiply(a, FromUint64(factor));
}

// ⌊a / divisor⌋.
Natural DivideSmall(Natural a, std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const std::uint64_t current = remainder << 32 | a[i];
        a[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    Trim(a);
    return a;
}

Natural ShiftLeft(const Natural& a, int bits)
{
    if (a.empty())
        return {};
    const auto limbs = static_cast<std::size_t>(bits / 32);
    const int rest = bits % 32;
    Natural shifted(a.size() + limbs + 1);
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint64_t value = std::uint64_t{a[i]} << rest;
        shifted[i + limbs] |= static_cast<std::uint32_t>(value);
        shifted[i + limbs + 1] |= static_cast<std::uint32_t>(value >> 32);
    }
    Trim(shifted);
    return shifted;
}

// ⌊a / 2^bits⌋.
Natural ShiftRight(const Natural& a, int bits)
{
    const auto limbs = static_cast<std::size_t>(bits / 32);
    const int rest = bits % 32;
    if (limbs >= a.size())
        return {};
    Natural shifted(a.size() - limbs);
    for (std::size_t i = 0; i < shifted.size(); ++i) {
        std::uint64_t value = a[i + limbs] >> rest;
        if (i + limbs + 1 < a.size())
            value |= std::uint64_t{a[i + limbs + 1]} << (32 - rest);
        shifted[i] = static_cast<std::uint32_t>(value);
    }
    Trim(shifted);
    return shifted;
}

int BitLength(const Natural& a)
{
    if (a.empty())
        return 0;
    int length = 32 * static_cast<int>(a.size() - 1);
    for (std::uint32_t top = a.back(); top != 0; top >>= 1)
        ++length;
    return length;
}

bool Bit(const Natural& a, int index)
{
    const auto limb = static_cast<std::size_t>(index / 32);
    return limb < a.size() && (a[limb] >> (index % 32) & 1) != 0;
}

bool AnyBitBelow(const Natural& a, int index)
{
    for (int i = 0; i < index; ++i) {
        if (Bit(a, i))
            return true;
    }
    return false;
}

// ⌊a / b⌋ for b > 0, a bit at a time.
Natural Divide(const Natural& a, const Natural& b)
{
    Natural quotient(a.size());
    Natural remainder;
    for (int i = BitLength(a); i-- > 0;) {
        // remainder = 2·remainder + a's bit i, kept without leading zeros.
        std::uint32_t carry = Bit(a, i) ? 1 : 0;
        for (std::uint32_t& limb : remainder) {
            const std::uint32_t top = limb >> 31;
            limb = limb << 1 | carry;
            carry = top;
        }
        if (carry != 0)
            remainder.push_back(carry);
        if (Compare(remainder, b) >= 0) {
            SubtractFrom(remainder, b);
            quotient[static_cast<std::size_t>(i / 32)] |= std::uint32_t{1} << (i % 32);
        }
    }
    Trim(quotient);
    return quotient;
}

// ⌊a / divisor⌋ for 0 < divisor < 2^55, eight bits at a time: the remainder
// stays below 2^63.
Natural DivideBy(const Natural& a, std::uint64_t divisor)
{
    Natural quotient(a.size());
    std::uint64_t remainder = 0;
    for (std::size_t byte = 4 * a.size(); byte-- > 0;) {
        remainder = remainder << 8 | (a[byte / 4] >> (8 * (byte % 4)) & 0xFF);
        quotient[byte / 4] |= static_cast<std::uint32_t>(remainder / divisor) << (8 * (byte % 4));
        remainder %= divisor;
    }
    Trim(quotient);
    return quotient;
}

// A fixed-point number of any sign: magnitude·2^-F.
struct Signed {
    bool negative;
    Natural magnitude;
};

Signed Add(const Signed& a, const Signed& b)
{
    if (a.negative == b.negative)
        return {a.negative, Add(a.magnitude, b.magnitude)};
    if (Compare(a.magnitude, b.magnitude) >= 0)
        return {a.negative, Subtract(a.magnitude, b.magnitude)};
    return {b.negative, Subtract(b.magnitude, a.magnitude)};
}

// n·2^exponent, n > 0, rounded to the nearest double (ties to even), with
// subnormals and overflow as the hardware rounds them.
double RoundToDouble(const Natural& n, int exponent)
{
    const int top = BitLength(n) - 1 + exponent; // n·2^exponent in [2^top, 2^(top+1))
    if (top > 1023)
        return kInfinity;
    const int ulp = std::max(top - 52, -1074);
    const int dropped = ulp - exponent;
    if (dropped <= 0)
        return std::ldexp(static_cast<double>(ToUint64(n)), exponent); // at most 53 bits: exact
    std::uint64_t kept = ToUint64(ShiftRight(n, dropped));
    if (Bit(n, dropped - 1) && ((kept & 1) != 0 || AnyBitBelow(n, dropped - 1)))
        ++kept;
    return std::ldexp(static_cast<double>(kept), ulp); // exact, or infinity past the largest double
}

// The double nearest to value·2^exponent when every number within
// error·2^exponent of it rounds to the same double; false otherwise.
bool RoundInterval(const Natural& value, std::uint64_t error, int exponent, double& result)
{
    const Natural margin = FromUint64(error);
    if (Compare(value, margin) <= 0)
        return false;
    result = RoundToDouble(Subtract(value, margin), exponent);
    return result == RoundToDouble(Add(value, margin), exponent);
}

// ⌊v·2^F⌋ for a finite v ≥ 0.
Natural ToFixed(double v, int F)
{
    int exponent = 0;
    const auto significand = static_cast<std::uint64_t>(std::ldexp(std::frexp(v, &exponent), 53));
    const int shift = exponent - 53 + F; // v = significand·2^(exponent − 53)
    return shift >= 0 ? ShiftLeft(FromUint64(significand), shift) : ShiftRight(FromUint64(significand), -shift);
}

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
    std::uint64_t bits = Bits(x);
    int exponent = -13 * 4;
    if (bits < kSmallestNormalBits)
        bits = Bits(x * 0x1p52); // subnormal: scaled by a power of 16
    else
        exponent = 0;
    exponent += static_cast<int>(bits >> 52) - 1023;
    const int rest = ((exponent % 4) + 4) % 4;
    const int scale = (exponent - rest) / 4;
    const double w = FromBits((bits & kMantissaBits) | static_cast<std::uint64_t>(1023 + rest) << 52);
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

// ---- log10 ----

// x = 2^k·z with z in [1449/2048, 1449/1024), about [√½, √2) so that log10 z
// is the smaller term, cut into 512 cells of the bit pattern. For z in a cell
// with centre c (1 for the cell about 1), r = z·invc − 1 is within 2^-10;
// invc is 1/c to 26 bits, so that z·invc splits into exact products, and
// logHigh + logLow is −log10(invc) to 2^-96, its high part on the 2^-43 grid
// of k·log10 2's, so that the two add exactly. Made with MPFR at 400 bits.
struct LogCell {
    double invc;
    double logHigh;
    double logLow;
};
// clang-format off
constexpr LogCell kLogCells[512] = {
    {0x1.6993f38p+0, -0x1.331f40bed9p-3, -0x1.bc896efda60bbp-47},
    {0x1.6914738p+0, -0x1.31e56734c6p-3, 0x1.8db845b30df29p-46},
    {0x1.68954ep+0, -0x1.30abfe001ep-3, 0x1.04f37b364f63ap-46},
    {0x1.6816818p+0, -0x1.2f73020a5fp-3, 0x1.2c6cafbcdd22bp-47},
    {0x1.67980ep+0, -0x1.2e3a73edfp-3, 0x1.8eed95599cfaap-46},
    {0x1.6719f38p+0, -0x1.2d02544589p-3, 0x1.aa8a7ceca0ed1p-48},
    {0x1.669c31p+0, -0x1.2bcaa13144p-3, 0x1.41b109c8632ddp-45},
    {0x1.661ec68p+0, -0x1.2a935b49dfp-3, -0x1.fea763bf517d7p-46},
    {0x1.65a1b4p+0, -0x1.295c83286bp-3, -0x1.1f1fd3aa6e6e9p-46},
    {0x1.6524f88p+0, -0x1.282616e8bbp-3, -0x1.68e9c48cbad8ap-45},
    {0x1.64a8938p+0, -0x1.26f015e2afp-3, 0x1.39e75e6211196p-45},
    {0x1.642c858p+0, -0x1.25ba81ebfep-3, -0x1.1c854852dda81p-45},
    {0x1.63b0cd8p+0, -0x1.2485591c35p-3, 0x1.337c0b5378d33p-46},
    {0x1.63356b8p+0, -0x1.23509c08b7p-3, 0x1.92c483aed6e24p-45},
    {0x1.62ba5fp+0, -0x1.221c4a0644p-3, 0x1.115ea91164195p-46},
    {0x1.623fa78p+0, -0x1.20e862682dp-3, -0x1.fededf177b2cfp-45},
    {0x1.61c545p+0, -0x1.1fb4e5c224p-3, -0x1.baf3418163ce4p-45},
    {0x1.614b368p+0, -0x1.1e81d223a8p-3, 0x1.6ab46da608962p-46},
    {0x1.60d17c8p+0, -0x1.1d4f296114p-3, -0x1.12761993cbfbep-45},
    {0x1.605816p+0, -0x1.1c1ce98776p-3, -0x1.3b46667597f9dp-45},
    {0x1.5fdf03p+0, -0x1.1aeb1327c6p-3, 0x1.d384a9f517b68p-45},
    {0x1.5f66438p+0, -0x1.19b9a6d344p-3, -0x1.86e472af28502p-45},
    {0x1.5eedd6p+0, -0x1.1888a14e3fp-3, 0x1.7c9ad799d3915p-45},
    {0x1.5e75bb8p+0, -0x1.175805b057p-3, 0x1.30b3114727103p-46},
    {0x1.5dfdf3p+0, -0x1.1627d1ffcdp-3, -0x1.c3b2ca1e518fp-46},
    {0x1.5d867cp+0, -0x1.14f805856ap-3, -0x1.d81c382f7a929p-46},
    {0x1.5d0f57p+0, -0x1.13c8a214d2p-3, 0x1.2c0de74bf6bdfp-47},
    {0x1.5c98828p+0, -0x1.1299a46952p-3, 0x1.5e23e465f9eacp-47},
    {0x1.5c21ff8p+0, -0x1.116b0f9c68p-3, -0x1.8d257928e643ep-47},
    {0x1.5babcc8p+0, -0x1.103ce06609p-3, -0x1.8de4efc730361p-46},
    {0x1.5b35e98p+0, -0x1.0f0f1750e8p-3, -0x1.84da1db4ec67ap-45},
    {0x1.5ac0568p+0, -0x1.0de1b4e8p-3, 0x1.07c3f16521ap-45},
    {0x1.5a4b138p+0, -0x1.0cb4b9b69p-3, 0x1.677f5a0cfe75bp-47},
    {0x1.59d61fp+0, -0x1.0b88226c8ap-3, 0x1.ea48a1e49e8b6p-46},
    {0x1.59617ap+0, -0x1.0a5bf22514p-3, 0x1.af4f20c5bb20bp-45},
    {0x1.58ed23p+0, -0x1.0930258cc1p-3, 0x1.2cb502f07e4afp-46},
    {0x1.58791a8p+0, -0x1.0804be7532p-3, -0x1.2bd488db05812p-48},
    {0x1.58056p+0, -0x1.06d9bc1c2cp-3, 0x1.887e6c2af7e07p-45},
    {0x1.5791f38p+0, -0x1.05af1f0958p-3, 0x1.b03a8ad53641ap-45},
    {0x1.571ed4p+0, -0x1.0484e52d0ap-3, 0x1.b727388048397p-46},
    {0x1.56ac018p+0, -0x1.035b0f0cd9p-3, 0x1.ea6d255e8466ep-46},
    {0x1.56397b8p+0, -0x1.02319be1f3p-3, 0x1.caaba98c80947p-47},
    {0x1.55c7428p+0, -0x1.01088d7e42p-3, 0x1.e94471bd19a9bp-48},
    {0x1.5555558p+0, -0x1.ffbfc39a24p-4, 0x1.4e5aacbaa64a1p-45},
    {0x1.54e3b4p+0, -0x1.fd6f3008ep-4, 0x1.a712fdee7b0bap-45},
    {0x1.54725e8p+0, -0x1.fb1f63eb7ep-4, 0x1.970aa496a4996p-45},
    {0x1.540154p+0, -0x1.f8d05b0fb4p-4, 0x1.4a04039ee6437p-49},
    {0x1.5390948p+0, -0x1.f6821679e4p-4, 0x1.1eeb58185e4bcp-45},
    {0x1.53202p+0, -0x1.f434972eeep-4, 0x1.3f5387ee254acp-45},
    {0x1.52aff58p+0, -0x1.f1e7d8f3a2p-4, 0x1.a4b3043206ea5p-45},
    {0x1.524015p+0, -0x1.ef9bdcc8acp-4, 0x1.fdf940080ba1bp-48},
    {0x1.51d07e8p+0, -0x1.ed50a3af3ap-4, -0x1.d5ae3288d052fp-47},
    {0x1.516132p+0, -0x1.eb062ea8f8p-4, -0x1.2bad36913d09dp-48},
    {0x1.50f22ep+0, -0x1.e8bc76ccc6p-4, -0x1.1e4cb5aebcc4cp-46},
    {0x1.5083738p+0, -0x1.e673825ebep-4, -0x1.388c1489a2ad8p-45},
    {0x1.5015018p+0, -0x1.e42b4d146cp-4, 0x1.1b91245eb6ca1p-45},
    {0x1.4fa6d78p+0, -0x1.e1e3d5433ep-4, -0x1.f6b280963d09fp-45},
    {0x1.4f38f6p+0, -0x1.df9d1e8c26p-4, -0x1.e4777a89b4f77p-45},
    {0x1.4ecb5c8p+0, -0x1.dd572743dp-4, 0x1.010a98ecf8546p-47},
    {0x1.4e5e0a8p+0, -0x1.db11edbbe8p-4, 0x1.1a1298de3a8afp-45},
    {0x1.4df0ff8p+0, -0x1.d8cd70431cp-4, 0x1.fbec0b2de9318p-48},
    {0x1.4d843cp+0, -0x1.d689b27a88p-4, 0x1.7c11c9af64e04p-45},
    {0x1.4d17bfp+0, -0x1.d446b00478p-4, -0x1.91038176d7179p-45},
    {0x1.4cab888p+0, -0x1.d20469d5aap-4, -0x1.3b81b474aac95p-46},
    {0x1.4c3f98p+0, -0x1.cfc2de35fcp-4, -0x1.c93169cc010eep-48},
    {0x1.4bd3eep+0, -0x1.cd8210c6aap-4, -0x1.96ef665f883abp-45},
    {0x1.4b6889p+0, -0x1.cb41fa70acp-4, 0x1.eba191eafab18p-46},
    {0x1.4afd6ap+0, -0x1.c902a1829ap-4, 0x1.a7f895cb7e40ep-46},
    {0x1.4a929p+0, -0x1.c6c4018f4ep-4, -0x1.cdbf9c09c0f57p-47},
    {0x1.4a27fbp+0, -0x1.c4861b8676p-4, -0x1.6c48012af5084p-49},
    {0x1.49bdaa8p+0, -0x1.c248eda5aap-4, -0x1.6164fc53f324p-46},
    {0x1.49539ep+0, -0x1.c00c76277ep-4, -0x1.546505b65001ap-46},
    {0x1.48e9d6p+0, -0x1.bdd0b8ac06p-4, -0x1.b1ef2a22cffafp-46},
    {0x1.488052p+0, -0x1.bb95b36cfep-4, -0x1.a184a8e21a993p-49},
    {0x1.4817118p+0, -0x1.b95b64a118p-4, -0x1.a4c3f7bcb9c44p-45},
    {0x1.47ae148p+0, -0x1.b721cd32ep-4, -0x1.f27c9d68474d2p-45},
    {0x1.47455a8p+0, -0x1.b4e8eb5594p-4, 0x1.4132bd2059b7ap-47},
    {0x1.46dce38p+0, -0x1.b2b0bff2p-4, -0x1.f95063c8a33e3p-45},
    {0x1.4674ae8p+0, -0x1.b079467e74p-4, 0x1.bd803f411be5p-45},
    {0x1.460cbc8p+0, -0x1.ae42855412p-4, -0x1.80303d1d02482p-45},
    {0x1.45a50c8p+0, -0x1.ac0c77e68ep-4, -0x1.91b3f1a1c9398p-47},
    {0x1.453d9ep+0, -0x1.a9d71c5f24p-4, 0x1.666d07db5e2edp-47},
    {0x1.44d6718p+0, -0x1.a7a2765decp-4, -0x1.91d183fff6877p-45},
    {0x1.446f868p+0, -0x1.a56e840b44p-4, -0x1.ff3aa0531011ep-46},
    {0x1.4408dcp+0, -0x1.a33b40cdc8p-4, -0x1.9666a1c5ae646p-45},
    {0x1.43a273p+0, -0x1.a108b303cap-4, -0x1.3591f856752adp-45},
    {0x1.433c4a8p+0, -0x1.9ed6d61144p-4, -0x1.c80e9f0fb178p-45},
    {0x1.42d6628p+0, -0x1.9ca5aad64p-4, -0x1.c4e3393783187p-45},
    {0x1.4270ba8p+0, -0x1.9a752f7108p-4, -0x1.a473798f7dc8ap-48},
    {0x1.420b528p+0, -0x1.984564bfdcp-4, -0x1.d7e88308e0fadp-48},
    {0x1.41a62ap+0, -0x1.961648dd82p-4, 0x1.f5867cf40ddbbp-45},
    {0x1.4141418p+0, -0x1.93e7df6b34p-4, 0x1.2b4195e9dce78p-45},
    {0x1.40dc978p+0, -0x1.91ba20f784p-4, -0x1.85c478562d3cbp-45},
    {0x1.40782dp+0, -0x1.8f8d13e788p-4, -0x1.fd0c5912166dp-45},
    {0x1.4014018p+0, -0x1.8d60b6518ep-4, -0x1.3444f2f68f512p-46},
    {0x1.3fb014p+0, -0x1.8b35038092p-4, 0x1.7ddd7228f195fp-46},
    {0x1.3f4c65p+0, -0x1.8909ff1458p-4, -0x1.3035421b6eeeap-45},
    {0x1.3ee8f4p+0, -0x1.86dfa71c92p-4, 0x1.6242c5302a435p-47},
    {0x1.3e85c1p+0, -0x1.84b5fc70bp-4, -0x1.5f0bc93d9ce4ap-45},
    {0x1.3e22ccp+0, -0x1.828cffe88cp-4, -0x1.e011a3c48680bp-45},
    {0x1.3dc014p+0, -0x1.8064acc336p-4, -0x1.2d5cc114a1da1p-46},
    {0x1.3d5d99p+0, -0x1.7e3d03d416p-4, 0x1.156e65c24b734p-46},
    {0x1.3cfb5b8p+0, -0x1.7c1608bd4ap-4, 0x1.f3323b3c70328p-48},
    {0x1.3c995a8p+0, -0x1.79efb6b73ap-4, -0x1.82a7abf00e71dp-48},
    {0x1.3c3796p+0, -0x1.77ca0e93dcp-4, 0x1.27fd9096768ebp-46},
    {0x1.3bd60d8p+0, -0x1.75a50e5498p-4, 0x1.89e94ee185f9ep-47},
    {0x1.3b74c18p+0, -0x1.7380b99b58p-4, 0x1.41c8aab8427a4p-45},
    {0x1.3b13b1p+0, -0x1.715d0b95dep-4, 0x1.5623db760bdc1p-48},
    {0x1.3ab2dc8p+0, -0x1.6f3a07e5f6p-4, -0x1.96c01f545147bp-45},
    {0x1.3a52438p+0, -0x1.6d17ac8878p-4, -0x1.6270b338e4ab1p-50},
    {0x1.39f1e58p+0, -0x1.6af5f7771ep-4, 0x1.39174d51c1ef4p-45},
    {0x1.3991c3p+0, -0x1.68d4ec54dp-4, 0x1.ff06b105ce8e5p-48},
    {0x1.3931da8p+0, -0x1.66b4836c48p-4, 0x1.f5bf2e098be53p-45},
    {0x1.38d22dp+0, -0x1.6494c3359p-4, 0x1.a91ef8de70edcp-45},
    {0x1.3872bap+0, -0x1.6275a9a5c8p-4, 0x1.75de05b6158e2p-48},
    {0x1.381381p+0, -0x1.605734aef4p-4, -0x1.5dfd161ecf928p-46},
    {0x1.37b4828p+0, -0x1.5e3967f4f2p-4, -0x1.d1ebee5440f2cp-48},
    {0x1.3755bdp+0, -0x1.5c1c3bb20cp-4, -0x1.9bd02d14da493p-50},
    {0x1.36f7318p+0, -0x1.59ffb66396p-4, -0x1.c655e9b93f979p-46},
    {0x1.3698dfp+0, -0x1.57e3d319d8p-4, -0x1.2c7d42a643293p-45},
    {0x1.363ac6p+0, -0x1.55c8957862p-4, 0x1.dcab73ae8741ep-45},
    {0x1.35dce6p+0, -0x1.53adfb68ecp-4, 0x1.8984db5ce8419p-45},
    {0x1.357f3e8p+0, -0x1.519402d212p-4, -0x1.cad9b633c0d6p-45},
    {0x1.3521cf8p+0, -0x1.4f7aac77e4p-4, -0x1.73b9e01ceb953p-47},
    {0x1.34c499p+0, -0x1.4d61f91ec4p-4, -0x1.194da7f2095fap-46},
    {0x1.34679bp+0, -0x1.4b49e98b72p-4, 0x1.fa62507e834cdp-45},
    {0x1.340ad48p+0, -0x1.493278bcaap-4, 0x1.68a93f962119bp-47},
    {0x1.33ae458p+0, -0x1.471ba772a6p-4, -0x1.c82ad9ec8344ap-46},
    {0x1.3351ee8p+0, -0x1.45057952dep-4, -0x1.99a482d25392dp-49},
    {0x1.32f5cfp+0, -0x1.42efec3b0cp-4, 0x1.17dfed7a91bb5p-45},
    {0x1.3299e68p+0, -0x1.40dafe05c6p-4, -0x1.40c0ef2710c86p-45},
    {0x1.323e348p+0, -0x1.3ec6ac8a84p-4, -0x1.28893cc6f22a7p-46},
    {0x1.31e2bap+0, -0x1.3cb2fe56bap-4, 0x1.54e9d9bc1226fp-48},
    {0x1.3187758p+0, -0x1.3a9feb70e6p-4, -0x1.7a7ea44cf2482p-48},
    {0x1.312c678p+0, -0x1.388d777de8p-4, -0x1.a72df5a0c79e6p-45},
    {0x1.30d19p+0, -0x1.367ba33b74p-4, 0x1.90be38ac49681p-46},
    {0x1.3076ee8p+0, -0x1.346a6c7bb2p-4, 0x1.91be9e816079ap-45},
    {0x1.301c828p+0, -0x1.3259d10da6p-4, -0x1.95fef79d0f472p-45},
    {0x1.2fc24c8p+0, -0x1.3049d49862p-4, -0x1.6d825ac08993dp-45},
    {0x1.2f684cp+0, -0x1.2e3a74e9d4p-4, 0x1.33db5350a487dp-47},
    {0x1.2f0e808p+0, -0x1.2c2bafccc2p-4, -0x1.2206ac9a237dp-46},
    {0x1.2eb4eap+0, -0x1.2a1d85f902p-4, 0x1.82ca534be6078p-46},
    {0x1.2e5b888p+0, -0x1.280ff826b8p-4, 0x1.4896c572f085dp-45},
    {0x1.2e025cp+0, -0x1.2603070e5ap-4, -0x1.f435c793a0a75p-46},
    {0x1.2da964p+0, -0x1.23f6b075e6p-4, 0x1.462c235701bddp-45},
    {0x1.2d50ap+0, -0x1.21eaf2202ap-4, 0x1.6106462233f7dp-46},
    {0x1.2cf8108p+0, -0x1.1fdfcfb5e4p-4, -0x1.f29db1d7141a1p-45},
    {0x1.2c9fb5p+0, -0x1.1dd546f8ccp-4, -0x1.5a205e6062ba9p-45},
    {0x1.2c478dp+0, -0x1.1bcb55a76cp-4, -0x1.569bf2969ce62p-46},
    {0x1.2bef99p+0, -0x1.19c1ff6b7p-4, -0x1.04a81b92419d6p-45},
    {0x1.2b97d8p+0, -0x1.17b93f0a42p-4, -0x1.55c532d7eb463p-46},
    {0x1.2b404bp+0, -0x1.15b11b263p-4, 0x1.bf1d522a1d2cap-47},
    {0x1.2ae8f08p+0, -0x1.13a98b8804p-4, -0x1.57c20495545d9p-45},
    {0x1.2a91c9p+0, -0x1.11a293d8eap-4, -0x1.84319f4ef1a6ap-46},
    {0x1.2a3ad48p+0, -0x1.0f9c34ca54p-4, 0x1.3834477a0586ap-47},
    {0x1.29e4128p+0, -0x1.0d966c11a6p-4, 0x1.20ee1de06d847p-45},
    {0x1.298d83p+0, -0x1.0b913a5e5p-4, -0x1.e0858d553634ep-45},
    {0x1.2937258p+0, -0x1.098c9d61fcp-4, -0x1.36938e1aa8ee7p-47},
    {0x1.28e0fa8p+0, -0x1.078898c90ep-4, 0x1.be1275af14cf8p-45},
    {0x1.288b01p+0, -0x1.058527443p-4, 0x1.7635d7ca8498dp-46},
    {0x1.2835398p+0, -0x1.03824c7f82p-4, -0x1.0ac60bcb611acp-45},
    {0x1.27dfa38p+0, -0x1.01800627c6p-4, 0x1.37979fb87e28ep-45},
    {0x1.278a3fp+0, -0x1.fefca9d1f4p-5, 0x1.3f8b0aaf13d87p-45},
    {0x1.27350b8p+0, -0x1.fafa6cd838p-5, 0x1.3119f9a723aabp-45},
    {0x1.26e009p+0, -0x1.f6f956b64cp-5, 0x1.7a151d6fc1bdcp-50},
    {0x1.268b38p+0, -0x1.f2f96ecadp-5, -0x1.427b9086a0d1ap-45},
    {0x1.263697p+0, -0x1.eefaa44cap-5, 0x1.e5d434af4ce23p-45},
    {0x1.25e227p+0, -0x1.eafd04a214p-5, 0x1.6c6408b273e44p-47},
    {0x1.258de78p+0, -0x1.e7008b1224p-5, 0x1.c83475985a504p-50},
    {0x1.2539d8p+0, -0x1.e30532dd6p-5, 0x1.f929e1997ee98p-46},
    {0x1.24e5f88p+0, -0x1.df0afd50b8p-5, -0x1.78d7fe6376a82p-47},
    {0x1.249249p+0, -0x1.db11ebb9b4p-5, 0x1.e456181071cep-46},
    {0x1.243ec98p+0, -0x1.d719ff666p-5, -0x1.019beca310afdp-45},
    {0x1.23eb798p+0, -0x1.d323338d68p-5, 0x1.f386b1de915e4p-45},
    {0x1.239859p+0, -0x1.cf2d8978b8p-5, -0x1.d4c2eb65d278cp-45},
    {0x1.2345678p+0, -0x1.cb38fc576cp-5, 0x1.9aca894c8e5a1p-46},
    {0x1.22f2a58p+0, -0x1.c745938c88p-5, 0x1.fa98107e9033cp-47},
    {0x1.22a012p+0, -0x1.c3534425ccp-5, -0x1.089f6641f5e5cp-45},
    {0x1.224daep+0, -0x1.bf621ba65p-5, 0x1.8ac443cd89868p-46},
    {0x1.21fb78p+0, -0x1.bb7208f388p-5, 0x1.8a5afe318f1e5p-45},
    {0x1.21a971p+0, -0x1.b783199358p-5, 0x1.6fc33e4c361a5p-46},
    {0x1.215798p+0, -0x1.b39542828cp-5, -0x1.c2101c571431ep-46},
    {0x1.2105ed8p+0, -0x1.afa88b277p-5, -0x1.d1de2538c3e55p-45},
    {0x1.20b471p+0, -0x1.abbcee9d14p-5, -0x1.18a32d23f3833p-46},
    {0x1.206322p+0, -0x1.a7d267f818p-5, -0x1.d405113018201p-49},
    {0x1.201201p+0, -0x1.a3e8fea05cp-5, -0x1.83220635afcc9p-45},
    {0x1.1fc10ep+0, -0x1.a000b3d6acp-5, -0x1.3556b5961dd35p-45},
    {0x1.1f7048p+0, -0x1.9c197c7bb8p-5, -0x1.1d4a398284ff5p-46},
    {0x1.1f1fafp+0, -0x1.983359c6e8p-5, 0x1.79dcbee0e8299p-45},
    {0x1.1ecf44p+0, -0x1.944e5957b4p-5, 0x1.b638eae665288p-45},
    {0x1.1e7f058p+0, -0x1.906a69d068p-5, -0x1.ece8f87f8a014p-45},
    {0x1.1e2ef38p+0, -0x1.8c878c64ccp-5, 0x1.e6a1963d57fc8p-45},
    {0x1.1ddf0fp+0, -0x1.88a5cebb1p-5, 0x1.bdf8f059cd269p-45},
    {0x1.1d8f568p+0, -0x1.84c51f6234p-5, -0x1.11b75a308974cp-47},
    {0x1.1d3fca8p+0, -0x1.80e585c6cp-5, -0x1.815ae8a8534cdp-46},
    {0x1.1cf06bp+0, -0x1.7d07031e78p-5, -0x1.4de74dc22022cp-48},
    {0x1.1ca1378p+0, -0x1.7929925fbp-5, 0x1.6104f84fa153ep-45},
    {0x1.1c523p+0, -0x1.754d34bbf4p-5, 0x1.104108f9bce3ep-45},
    {0x1.1c0354p+0, -0x1.7171e521e8p-5, -0x1.0c07701f3e496p-45},
    {0x1.1bb4a4p+0, -0x1.6d97ab041p-5, 0x1.1527cd9186c6ap-45},
    {0x1.1b661f8p+0, -0x1.69be814e8cp-5, -0x1.f136a195dd4a5p-48},
    {0x1.1b17c68p+0, -0x1.65e6692fb4p-5, -0x1.30e005d60ee7bp-49},
    {0x1.1ac9988p+0, -0x1.620f5d8bf8p-5, -0x1.86f38e2a4cbcep-45},
    {0x1.1a7b96p+0, -0x1.5e3965d98cp-5, -0x1.50a191959bd27p-45},
    {0x1.1a2dbe8p+0, -0x1.5a647cfa6p-5, -0x1.f71ad69b6f489p-45},
    {0x1.19e0118p+0, -0x1.56909dc9f4p-5, 0x1.3d369b73ce7ddp-45},
    {0x1.19928f8p+0, -0x1.52bdcfbfe4p-5, 0x1.6fc8aa7da108cp-46},
    {0x1.194538p+0, -0x1.4eec0db52cp-5, 0x1.f2ad7c5e00e3dp-46},
    {0x1.18f80bp+0, -0x1.4b1b58d114p-5, 0x1.ddfb983f45076p-45},
    {0x1.18ab08p+0, -0x1.474babe4d4p-5, -0x1.f9f1bdf2c0832p-50},
    {0x1.185e2f8p+0, -0x1.437d0e6bb8p-5, -0x1.bb87c712d89f8p-48},
    {0x1.181181p+0, -0x1.3faf7b3474p-5, 0x1.e91c433ec2184p-45},
    {0x1.17c4fc8p+0, -0x1.3be2f362f8p-5, 0x1.63e93e1194a0ap-45},
    {0x1.1778a18p+0, -0x1.381771be38p-5, -0x1.182c6b8ab1bd1p-45},
    {0x1.172c708p+0, -0x1.344cfdc51cp-5, -0x1.f3caea1d8a5f3p-47},
    {0x1.16e0688p+0, -0x1.30838bdb14p-5, -0x1.8d42c2286221p-45},
    {0x1.16948ap+0, -0x1.2cbb237e38p-5, 0x1.202ca79914442p-45},
    {0x1.1648d5p+0, -0x1.28f3c5cf9p-5, 0x1.2a37008c7bcb5p-46},
    {0x1.15fd49p+0, -0x1.252d6d8a7cp-5, 0x1.9499ca3f67b47p-45},
    {0x1.15b1e6p+0, -0x1.21681bcbbcp-5, 0x1.f277939f46e2cp-45},
    {0x1.1566acp+0, -0x1.1da3d1b084p-5, -0x1.b84f3fc647212p-47},
    {0x1.151b9ap+0, -0x1.19e0837fc4p-5, -0x1.83e70c1e2e7a6p-45},
    {0x1.14d0b18p+0, -0x1.161e45948p-5, -0x1.6dd4bce39a166p-49},
    {0x1.1485f1p+0, -0x1.125d05c5fp-5, -0x1.32efe5d976624p-46},
    {0x1.143b59p+0, -0x1.0e9ccb994p-5, -0x1.645e116ae119p-46},
    {0x1.13f0e9p+0, -0x1.0add91b65cp-5, 0x1.d9caa0248e2bbp-46},
    {0x1.13a6a1p+0, -0x1.071f5932b8p-5, 0x1.047675e0751b3p-45},
    {0x1.135c81p+0, -0x1.036223243cp-5, -0x1.d7f66b1fe35a9p-48},
    {0x1.131289p+0, -0x1.ff4be14288p-6, 0x1.479fe544a2087p-45},
    {0x1.12c8b88p+0, -0x1.f7d5788e98p-6, -0x1.6dd7e396db3cdp-45},
    {0x1.127f1p+0, -0x1.f0611b46cp-6, 0x1.dd270156634c7p-45},
    {0x1.12358e8p+0, -0x1.e8eeb1a74p-6, 0x1.c1091c3ce68f8p-45},
    {0x1.11ec348p+0, -0x1.e17e4ac86p-6, 0x1.1758bffdc8aeep-47},
    {0x1.11a3018p+0, -0x1.da0fdbd05p-6, 0x1.a3f0f6a3598f2p-45},
    {0x1.1159f6p+0, -0x1.d2a373dffp-6, -0x1.3baea45e17b1fp-46},
    {0x1.111111p+0, -0x1.cb38fb10d8p-6, 0x1.d9d4deadecf76p-45},
    {0x1.10c853p+0, -0x1.c3d0808218p-6, -0x1.f4f08c30fea4p-45},
    {0x1.107fbcp+0, -0x1.bc6a065358p-6, 0x1.b48b00108e6ep-47},
    {0x1.10374bp+0, -0x1.b50574815p-6, -0x1.cc013a18b4625p-51},
    {0x1.0fef01p+0, -0x1.ada2e742f8p-6, -0x1.10aae9442fc8ep-46},
    {0x1.0fa6ddp+0, -0x1.a6424688ep-6, -0x1.cb8b503a528ep-46},
    {0x1.0f5edf8p+0, -0x1.9ee3a17d5p-6, -0x1.a688c89219923p-46},
    {0x1.0f1708p+0, -0x1.9786ed19ep-6, -0x1.ba8c7b4b6fb91p-46},
    {0x1.0ecf568p+0, -0x1.902c2b6e48p-6, 0x1.6d32cc7d56b7ep-45},
    {0x1.0e87cbp+0, -0x1.88d35e8bp-6, -0x1.75215afcaedd1p-47},
    {0x1.0e40658p+0, -0x1.817c888168p-6, -0x1.10f4202aa81edp-45},
    {0x1.0df925p+0, -0x1.7a27910878p-6, 0x1.fb00b2e9d4714p-45},
    {0x1.0db20a8p+0, -0x1.72d494806p-6, -0x1.c0d4271d410a1p-48},
    {0x1.0d6b158p+0, -0x1.6b8387c868p-6, 0x1.fcf18f3a73f4cp-46},
    {0x1.0d24458p+0, -0x1.64345fb2ap-6, -0x1.91710447e31f7p-45},
    {0x1.0cdd9a8p+0, -0x1.5ce71e3fap-6, 0x1.e15a270fd042p-45},
    {0x1.0c9715p+0, -0x1.559bd2af98p-6, -0x1.13fa3322e5908p-45},
    {0x1.0c50b48p+0, -0x1.4e5271ccbp-6, -0x1.16aadb7dc89f4p-45},
    {0x1.0c0a788p+0, -0x1.470af053ep-6, 0x1.07331dc572877p-45},
    {0x1.0bc4618p+0, -0x1.3fc55d87c8p-6, 0x1.be183fa2ac2dcp-45},
    {0x1.0b7e6fp+0, -0x1.3881ae2p-6, 0x1.a8f71541660c1p-46},
    {0x1.0b38a1p+0, -0x1.313fe4176p-6, 0x1.37c20b98f85dap-45},
    {0x1.0af2f7p+0, -0x1.29fff415a8p-6, -0x1.de5140c6056ddp-46},
    {0x1.0aad72p+0, -0x1.22c1fabb68p-6, -0x1.a3d36990b84aep-45},
    {0x1.0a68108p+0, -0x1.1b85d1ffe8p-6, 0x1.17bc837a4d2b5p-45},
    {0x1.0a22d38p+0, -0x1.144b9688a8p-6, 0x1.bf4966081ea5bp-45},
    {0x1.09ddba8p+0, -0x1.0d133cf2ap-6, 0x1.c90072ec45ff1p-45},
    {0x1.0998c5p+0, -0x1.05dcb9cdap-6, 0x1.20eaa2bb9f51ep-48},
    {0x1.0953f38p+0, -0x1.fd5038db6p-7, -0x1.0a2c29fad210fp-47},
    {0x1.090f458p+0, -0x1.eeeab2ba6p-7, -0x1.50a680606191dp-46},
    {0x1.08cabbp+0, -0x1.e088e512p-7, 0x1.fc28746675829p-45},
    {0x1.088654p+0, -0x1.d22ad3bd5p-7, -0x1.207584dfcac9dp-45},
    {0x1.0842108p+0, -0x1.c3d082993p-7, 0x1.c52849f9f167ap-45},
    {0x1.07fdfp+0, -0x1.b579da8f9p-7, -0x1.73682e75d458ap-49},
    {0x1.07b9f28p+0, -0x1.a726df6b6p-7, 0x1.78980891bbde7p-45},
    {0x1.077618p+0, -0x1.98d794f8dp-7, 0x1.5d8388ec5cbbbp-47},
    {0x1.0732608p+0, -0x1.8a8bff05bp-7, 0x1.f426202573cb1p-47},
    {0x1.06eeccp+0, -0x1.7c4421613p-7, 0x1.5ffc05c47fabfp-47},
    {0x1.06ab5ap+0, -0x1.6dffe4c53p-7, 0x1.49cb903dfccdp-45},
    {0x1.06680a8p+0, -0x1.5fbf4ceefp-7, 0x1.f2b0b30b3da58p-45},
    {0x1.0624ddp+0, -0x1.518242786p-7, -0x1.eb9f6ba833e7dp-45},
    {0x1.05e1d28p+0, -0x1.4348ff645p-7, 0x1.75cb6ba1d568cp-45},
    {0x1.059eeap+0, -0x1.35135123cp-7, -0x1.9e31c7f7833e5p-45},
    {0x1.055c238p+0, -0x1.26e13b65p-7, -0x1.d7e2789fe7621p-45},
    {0x1.05197f8p+0, -0x1.18b2dd182p-7, -0x1.481dd604c733dp-45},
    {0x1.04d6fdp+0, -0x1.0a8803741p-7, -0x1.3cc741304219bp-50},
    {0x1.04949dp+0, -0x1.f8c1d1666p-8, 0x1.dd005c0f8f02ap-45},
    {0x1.04525ep+0, -0x1.dc7a7d3c2p-8, 0x1.a7101f08646fp-45},
    {0x1.041041p+0, -0x1.c03a7ef1ap-8, -0x1.94f891646c50ap-46},
    {0x1.03ce458p+0, -0x1.a401a72dcp-8, -0x1.e16ba303bb19p-47},
    {0x1.038c6b8p+0, -0x1.87cffd36cp-8, 0x1.e78a645c97a65p-46},
    {0x1.034ab3p+0, -0x1.6ba58855ap-8, 0x1.5c1b76501a6e1p-45},
    {0x1.03091b8p+0, -0x1.4f8218e6p-8, 0x1.5f7ba26a89045p-46},
    {0x1.02c7a5p+0, -0x1.3365b60ccp-8, -0x1.c961be9e0688fp-46},
    {0x1.02865p+0, -0x1.17509dfdap-8, 0x1.ca244ee54db2ap-45},
    {0x1.02451b8p+0, -0x1.f684d3b14p-9, 0x1.cc70438602abdp-46},
    {0x1.020408p+0, -0x1.be76af92p-9, 0x1.11da39350283cp-46},
    {0x1.01c3158p+0, -0x1.8676ddfdp-9, 0x1.4932ed258e96bp-45},
    {0x1.0182438p+0, -0x1.4e84fecfcp-9, 0x1.547066aded781p-48},
    {0x1.014192p+0, -0x1.16a120214p-9, 0x1.61709dc411c73p-48},
    {0x1.010101p+0, -0x1.bd96a01bp-10, -0x1.10d37a0390e5dp-45},
    {0x1.00c0908p+0, -0x1.4e07396c8p-10, 0x1.0bee12fb43eafp-45},
    {0x1.00804p+0, -0x1.bd26952ep-11, -0x1.0a6bc9bb6fdffp-47},
    {0x1.00401p+0, -0x1.bcef35c2p-12, -0x1.5c9777a8ced19p-45},
    {0x1p+0, 0, 0},
    {0x1.ff008p-1, 0x1.bc48393ap-11, -0x1.9008f4a7bfa7dp-45},
    {0x1.fe01fep-1, 0x1.bbd9eb05p-10, -0x1.d5e21ead1074bp-46},
    {0x1.fd04798p-1, 0x1.4c907f29cp-9, 0x1.09c2766381231p-45},
    {0x1.fc07fp-1, 0x1.bafd5507cp-9, 0x1.c5d68fc8f1bdap-45},
    {0x1.fb0c61p-1, 0x1.1499a1194p-8, 0x1.dcb47573e6bc1p-45},
    {0x1.fa11ca8p-1, 0x1.4b995d4bep-8, -0x1.7472d9616d203p-45},
    {0x1.f9182b8p-1, 0x1.827de16fp-8, 0x1.b1d07496ed2c5p-47},
    {0x1.f81f82p-1, 0x1.b94768932p-8, -0x1.540c2d657b8fp-45},
    {0x1.f727cdp-1, 0x1.eff5f5eep-8, 0x1.3f35972ace036p-46},
    {0x1.f6310bp-1, 0x1.1344d4aa2p-7, -0x1.c0f8d68fa1554p-51},
    {0x1.f53b3ap-1, 0x1.2e815fbf3p-7, 0x1.f591786028a28p-45},
    {0x1.f4465ap-1, 0x1.49b0820ap-7, 0x1.f201e87bb906dp-47},
    {0x1.f352688p-1, 0x1.64d2688b7p-7, -0x1.9100b5ccea3d8p-47},
    {0x1.f25f648p-1, 0x1.7fe715e75p-7, 0x1.58ed20923551cp-45},
    {0x1.f16d4c8p-1, 0x1.9aee9b344p-7, 0x1.86fc36f3fce64p-46},
    {0x1.f07c1fp-1, 0x1.b5e909c97p-7, -0x1.5ca82555bbf1p-48},
    {0x1.ef8bdbp-1, 0x1.d0d664e3p-7, 0x1.d32bcc804ab66p-46},
    {0x1.ee9c7f8p-1, 0x1.ebb6afe25p-7, 0x1.d8c326b414d84p-47},
    {0x1.edae0a8p-1, 0x1.03450590cp-6, -0x1.a9d30b128226p-50},
    {0x1.ecc07bp-1, 0x1.10a83d3b28p-6, -0x1.19a99a1e98482p-45},
    {0x1.ebd3dp-1, 0x1.1e0500eep-6, 0x1.5d5f291744892p-45},
    {0x1.eae8078p-1, 0x1.2b5b613878p-6, -0x1.1948ab474553cp-45},
    {0x1.e9fd21p-1, 0x1.38ab591p-6, -0x1.2102d23527dc8p-45},
    {0x1.e9131a8p-1, 0x1.45f4f941fp-6, 0x1.cdfe4c3825015p-45},
    {0x1.e829f38p-1, 0x1.53383ced58p-6, 0x1.3e82e7b3debf1p-46},
    {0x1.e741aa8p-1, 0x1.60752dd0dp-6, 0x1.a53f537556d12p-47},
    {0x1.e65a3d8p-1, 0x1.6dabdd1ccp-6, -0x1.d11cceefb7196p-46},
    {0x1.e573ac8p-1, 0x1.7adc3edffp-6, 0x1.cadcb8191436ap-45},
    {0x1.e48df58p-1, 0x1.8806647f48p-6, 0x1.459cb09bd0d5ap-48},
    {0x1.e3a9178p-1, 0x1.952a50d888p-6, 0x1.409454f9903c4p-45},
    {0x1.e2c5118p-1, 0x1.a24806dcf8p-6, -0x1.a97b9fa2b9af2p-47},
    {0x1.e1e1e2p-1, 0x1.af5f90f358p-6, -0x1.504a1ab2b250cp-46},
    {0x1.e0ff88p-1, 0x1.bc70f23e6p-6, -0x1.6233e5288e2b6p-47},
    {0x1.e01e02p-1, 0x1.c97c355d68p-6, -0x1.b5d9fb87bc7ep-45},
    {0x1.df3d4fp-1, 0x1.d6815da4dp-6, 0x1.ec52831b9bd55p-45},
    {0x1.de5d6ep-1, 0x1.e3806e7cd8p-6, -0x1.4e013c88d81b7p-46},
    {0x1.dd7e5ep-1, 0x1.f0796b616p-6, 0x1.ff6e4d52c6f53p-46},
    {0x1.dca01ep-1, 0x1.fd6c57e248p-6, -0x1.963fb01ac78bap-45},
    {0x1.dbc2acp-1, 0x1.052ca34bfcp-5, -0x1.a6566b9487f88p-45},
    {0x1.dae6078p-1, 0x1.0ba019e89p-5, 0x1.b62362340eb3ap-46},
    {0x1.da0a2fp-1, 0x1.12109572ap-5, -0x1.cfbe6adcc2645p-48},
    {0x1.d92f22p-1, 0x1.187e142214p-5, -0x1.f5b07bbdda457p-46},
    {0x1.d854df8p-1, 0x1.1ee897f618p-5, -0x1.7db748ff5b6b1p-46},
    {0x1.d77b658p-1, 0x1.25502a83bp-5, -0x1.0a3eb89bc53d6p-46},
    {0x1.d6a2b3p-1, 0x1.2bb4cde8acp-5, 0x1.097427b106dcfp-46},
    {0x1.d5cac8p-1, 0x1.32167cba54p-5, 0x1.8788e426e87efp-46},
    {0x1.d4f3a28p-1, 0x1.387540b68cp-5, -0x1.73fd2e9ba67c2p-45},
    {0x1.d41d42p-1, 0x1.3ed1184cd4p-5, 0x1.f5881c2c38019p-47},
    {0x1.d347a48p-1, 0x1.452a0d5bacp-5, 0x1.8c0cf520e3eb4p-46},
    {0x1.d272cap-1, 0x1.4b801a9888p-5, -0x1.03de25185dd8ep-47},
    {0x1.d19eb18p-1, 0x1.51d342594cp-5, 0x1.58da1c8a52e22p-49},
    {0x1.d0cb59p-1, 0x1.58238ea5b8p-5, 0x1.13e71798e345fp-46},
    {0x1.cff8cp-1, 0x1.5e70fe1d44p-5, -0x1.74119cb831b1fp-45},
    {0x1.cf26e6p-1, 0x1.64bb8f62c8p-5, 0x1.46c9f5705cf3fp-47},
    {0x1.ce55c9p-1, 0x1.6b034ca788p-5, -0x1.a91b15b95a62fp-48},
    {0x1.cd85688p-1, 0x1.714834a4e8p-5, -0x1.ac91bc3fb39c9p-45},
    {0x1.ccb5c38p-1, 0x1.778a49f438p-5, 0x1.5d3c80fbd2775p-45},
    {0x1.cbe6d98p-1, 0x1.7dc98b5b1cp-5, -0x1.c02e40bec6b42p-45},
    {0x1.cb18a88p-1, 0x1.8406034274p-5, -0x1.391ae43b94362p-47},
    {0x1.ca4b308p-1, 0x1.8a3faca4ecp-5, 0x1.990faf56e7d5bp-45},
    {0x1.c97e6f8p-1, 0x1.907692077p-5, -0x1.fd9be02852582p-45},
    {0x1.c8b2658p-1, 0x1.96aaae72cp-5, -0x1.7df61dbc54dfbp-45},
    {0x1.c7e7118p-1, 0x1.9cdc04ba18p-5, -0x1.472cd31ce2c6cp-46},
    {0x1.c71c72p-1, 0x1.a30a9ba3e8p-5, -0x1.6534f5789af93p-46},
    {0x1.c65286p-1, 0x1.a936761dd4p-5, 0x1.da3972df03e3p-46},
    {0x1.c5894dp-1, 0x1.af5f933414p-5, 0x1.d342b37f66cfap-46},
    {0x1.c4c0c6p-1, 0x1.b585f5e468p-5, -0x1.c4139ebd2af5ep-46},
    {0x1.c3f8fp-1, 0x1.bba9a1373cp-5, -0x1.3c38b1fd728abp-47},
    {0x1.c331cap-1, 0x1.c1ca983fb8p-5, 0x1.7c6a156a4931fp-46},
    {0x1.c26b538p-1, 0x1.c7e8da28b8p-5, -0x1.aadf48dbc511ap-45},
    {0x1.c1a58bp-1, 0x1.ce046e0a68p-5, -0x1.1b8a39c729d8dp-46},
    {0x1.c0e07p-1, 0x1.d41d5321b4p-5, -0x1.8357c4ab1a3ccp-45},
    {0x1.c01c02p-1, 0x1.da3388af58p-5, -0x1.cac8063079f95p-46},
    {0x1.bf583fp-1, 0x1.e04719e5e8p-5, 0x1.107ed883eb943p-45},
    {0x1.be9527p-1, 0x1.e6580221d4p-5, -0x1.f7643b4fff7abp-52},
    {0x1.bdd2b88p-1, 0x1.ec6648b4dcp-5, -0x1.0c71d0296a3c1p-47},
    {0x1.bd10f38p-1, 0x1.f271e905p-5, 0x1.5fa32642bec16p-46},
    {0x1.bc4fd68p-1, 0x1.f87aea7814p-5, -0x1.b7a4b676f3047p-45},
    {0x1.bb8f608p-1, 0x1.fe81508314p-5, -0x1.433f26851450cp-45},
    {0x1.bacf918p-1, 0x1.02428b4e92p-4, -0x1.9b3c60e28dbd2p-48},
    {0x1.ba10678p-1, 0x1.0543242986p-4, 0x1.b959b7817b9cfp-45},
    {0x1.b951e28p-1, 0x1.0842709578p-4, 0x1.cc85ca3dac875p-46},
    {0x1.b894018p-1, 0x1.0b40725da4p-4, -0x1.d5e98c7a505cbp-45},
    {0x1.b7d6c4p-1, 0x1.0e3d294d18p-4, -0x1.7e2f61db94e74p-52},
    {0x1.b71a288p-1, 0x1.1138993e0cp-4, 0x1.e85fd14ee6cebp-46},
    {0x1.b65e2ep-1, 0x1.1432c40c4cp-4, 0x1.161e473e05127p-46},
    {0x1.b5a2d5p-1, 0x1.172ba58052p-4, 0x1.91513fc9eebccp-46},
    {0x1.b4e81b8p-1, 0x1.1a23438b7ep-4, 0x1.14387342f70afp-46},
    {0x1.b42e01p-1, 0x1.1d199e0dap-4, 0x1.f44b64166bf53p-48},
    {0x1.b374848p-1, 0x1.200eb6f384p-4, -0x1.0d7f0c7840c63p-47},
    {0x1.b2bba6p-1, 0x1.23028c1804p-4, 0x1.fb6a6db027c4dp-47},
    {0x1.b20364p-1, 0x1.25f5217a82p-4, -0x1.e0995dbc00b78p-45},
    {0x1.b14bbep-1, 0x1.28e677086ep-4, -0x1.b9b027a433095p-46},
    {0x1.b094b3p-1, 0x1.2bd68ebfbcp-4, -0x1.1cd1a0a378209p-45},
    {0x1.afde428p-1, 0x1.2ec56894bep-4, -0x1.6cd7a690078p-45},
    {0x1.af286cp-1, 0x1.31b3047decp-4, -0x1.8e366c51b91e4p-45},
    {0x1.ae732ep-1, 0x1.349f6695d6p-4, 0x1.d13cfa8c4906dp-48},
    {0x1.adbe88p-1, 0x1.378a8edc7ep-4, -0x1.266ce0ca660c2p-49},
    {0x1.ad0a798p-1, 0x1.3a747d540ep-4, 0x1.e47a02377b597p-45},
    {0x1.ac57018p-1, 0x1.3d5d341478p-4, -0x1.b1fb4ddf93998p-45},
    {0x1.aba41f8p-1, 0x1.4044b326dcp-4, 0x1.62ab52472e902p-45},
    {0x1.aaf1d3p-1, 0x1.432afa9698p-4, 0x1.55d05458c0524p-46},
    {0x1.aa401a8p-1, 0x1.46100e9d94p-4, 0x1.d704d64657ecbp-45},
    {0x1.a98ef6p-1, 0x1.48f3ed39cp-4, 0x1.5967e0110281p-49},
    {0x1.a8de648p-1, 0x1.4bd698979ep-4, -0x1.b6db72cb5ebddp-46},
    {0x1.a82e65p-1, 0x1.4eb812e966p-4, -0x1.fe6fc5501d772p-48},
    {0x1.a77ef78p-1, 0x1.51985a33b8p-4, -0x1.23cb3645af2bfp-46},
    {0x1.a6d01a8p-1, 0x1.547772c98ap-4, 0x1.ccdae96aab88ep-45},
    {0x1.a621cd8p-1, 0x1.57555cd042p-4, -0x1.3082ab7dcb5b7p-46},
    {0x1.a574108p-1, 0x1.5a3216533ep-4, 0x1.bcd4915d9cd1ap-46},
    {0x1.a4c6e2p-1, 0x1.5d0da3b414p-4, -0x1.22ed07ef0d035p-46},
    {0x1.a41a418p-1, 0x1.5fe805218ep-4, 0x1.d315e75c96f36p-46},
    {0x1.a36e2e8p-1, 0x1.62c13accc4p-4, 0x1.643e55411a028p-45},
    {0x1.a2c2a88p-1, 0x1.659944e918p-4, -0x1.c9c92af13b5d6p-46},
    {0x1.a217ae8p-1, 0x1.687025ccdp-4, 0x1.b3d16601811cbp-48},
    {0x1.a16d3f8p-1, 0x1.6b45dfd4p-4, -0x1.a9d73d28e2e39p-47},
    {0x1.a0c35b8p-1, 0x1.6e1a711bd2p-4, 0x1.eea92189aeff3p-45},
    {0x1.a01a018p-1, 0x1.70eddc06bcp-4, -0x1.5f982a0f84797p-45},
    {0x1.9f7131p-1, 0x1.73c020d8e4p-4, 0x1.269f4bba09ebep-47},
    {0x1.9ec8e98p-1, 0x1.76913fd8dp-4, -0x1.9909427d31cfbp-45},
    {0x1.9e21298p-1, 0x1.79613d9af8p-4, 0x1.6b3080fee9118p-45},
    {0x1.9d79f18p-1, 0x1.7c3016226cp-4, 0x1.394993ff9f287p-51},
    {0x1.9cd34p-1, 0x1.7efdce0bd4p-4, 0x1.8a8081b0c071ap-45},
    {0x1.9c2d15p-1, 0x1.81ca6383eap-4, 0x1.643f41101790ep-45},
    {0x1.9b876f8p-1, 0x1.8495d908ep-4, 0x1.3f573c70761ffp-45},
    {0x1.9ae24e8p-1, 0x1.8760311ec4p-4, 0x1.620e1c6a0c9c3p-48},
    {0x1.9a3db28p-1, 0x1.8a2967ce6ap-4, -0x1.68bb1e6b5e46cp-45},
    {0x1.9999998p-1, 0x1.8cf183f792p-4, 0x1.b4871e3aecb19p-46},
    {0x1.98f604p-1, 0x1.8fb881a7p-4, 0x1.24cbb49659d17p-45},
    {0x1.9852f1p-1, 0x1.927e636dd2p-4, -0x1.b1b61f30ab736p-45},
    {0x1.97b05f8p-1, 0x1.95432be304p-4, 0x1.d942229983da2p-45},
    {0x1.970e4f8p-1, 0x1.9806d944c4p-4, -0x1.c018e74765a67p-46},
    {0x1.966ccp-1, 0x1.9ac96e30a4p-4, -0x1.38960b20cf12ap-45},
    {0x1.95cbb08p-1, 0x1.9d8aeb1908p-4, -0x1.5cd9a64fa255dp-45},
    {0x1.952b21p-1, 0x1.a04b4e40c8p-4, 0x1.6a6ae67039bafp-45},
    {0x1.948b1p-1, 0x1.a30a9c8244p-4, -0x1.b3fe52a2caa4cp-45},
    {0x1.93eb7dp-1, 0x1.a5c8d659ccp-4, -0x1.831dfed892862p-45},
    {0x1.934c68p-1, 0x1.a885fa1196p-4, -0x1.49e3213cf17cfp-47},
    {0x1.92addp-1, 0x1.ab420a5dbcp-4, 0x1.04eff4bf3be5bp-45},
    {0x1.920fb48p-1, 0x1.adfd07c1f8p-4, 0x1.f36ca0d66446bp-45},
    {0x1.917215p-1, 0x1.b0b6f2c48p-4, -0x1.aead802aa05b8p-45},
    {0x1.90d4f1p-1, 0x1.b36fcbedfep-4, 0x1.7ed6e586b0437p-45},
    {0x1.903848p-1, 0x1.b62793c9a4p-4, 0x1.7e13df352d717p-45},
    {0x1.8f9c19p-1, 0x1.b8de4d1ee8p-4, 0x1.79a9b9ed9e6cp-46},
    {0x1.8f0064p-1, 0x1.bb93f645e8p-4, -0x1.912dd2ec6c7b9p-45},
    {0x1.8e65278p-1, 0x1.be4894486p-4, -0x1.b6e7f6720568ap-46},
    {0x1.8dca64p-1, 0x1.c0fc2347ecp-4, 0x1.078e1717fc8d6p-46},
    {0x1.8d3019p-1, 0x1.c3aea3dc44p-4, -0x1.3190794ff5041p-46},
    {0x1.8c9645p-1, 0x1.c6601b1beap-4, -0x1.fd607e374319cp-45},
    {0x1.8bfce8p-1, 0x1.c9108769d6p-4, -0x1.16c7d277d3e42p-45},
    {0x1.8b64018p-1, 0x1.cbbfe967f2p-4, 0x1.2f8ea7c2aff2cp-48},
    {0x1.8acb91p-1, 0x1.ce6e41bab2p-4, 0x1.436016722591ep-45},
    {0x1.8a3396p-1, 0x1.d11b910918p-4, -0x1.d477b9cf243a6p-45},
    {0x1.899c0f8p-1, 0x1.d3c7da3f28p-4, -0x1.b964e1bccd4f9p-49},
    {0x1.8904fd8p-1, 0x1.d6731bc844p-4, -0x1.a87e5d2643b2fp-46},
    {0x1.886e5fp-1, 0x1.d91d58974ep-4, 0x1.623ce87806232p-45},
    {0x1.87d834p-1, 0x1.dbc68f1b0ep-4, -0x1.a5dc254a56cdap-45},
    {0x1.87427cp-1, 0x1.de6ec00752p-4, -0x1.cbb1141aaf1fp-45},
    {0x1.86ad36p-1, 0x1.e115ee5954p-4, -0x1.28b7d7d38d84bp-47},
    {0x1.8618618p-1, 0x1.e3bc1accaep-4, -0x1.ca0d9842acc6ep-45},
    {0x1.8583fe8p-1, 0x1.e66143d6fcp-4, 0x1.790a6f92b5b2fp-46},
    {0x1.84f00cp-1, 0x1.e9056c7fdcp-4, -0x1.7249726c58014p-52},
    {0x1.845c8ap-1, 0x1.eba8934062p-4, -0x1.338fe2d0ac99ap-45},
    {0x1.83c9778p-1, 0x1.ee4abb2718p-4, 0x1.da919790ddacep-45},
    {0x1.8336d48p-1, 0x1.f0ebe2b094p-4, -0x1.a0823a61bb1e3p-45},
    {0x1.82a4ap-1, 0x1.f38c0cf254p-4, -0x1.da68a51592a18p-47},
    {0x1.8212dap-1, 0x1.f62b386c6cp-4, -0x1.3c24dcc9c39fep-46},
    {0x1.8181818p-1, 0x1.f8c9683b5ap-4, 0x1.ef9b366bf87bap-45},
    {0x1.80f0968p-1, 0x1.fb669ae2b8p-4, 0x1.52f294a9b0c3ep-47},
    {0x1.806018p-1, 0x1.fe02d38604p-4, 0x1.a3d738c6ba8fep-45},
    {0x1.7fd006p-1, 0x1.004f085631p-3, 0x1.c173668e20ff7p-48},
    {0x1.7f406p-1, 0x1.019c29971dp-3, 0x1.7065bbc7c9b9ap-45},
    {0x1.7eb125p-1, 0x1.02e8cf1ccep-3, -0x1.055b4e1e1ef4cp-47},
    {0x1.7e2255p-1, 0x1.0434f82d8p-3, -0x1.f0f15e92e8d41p-53},
    {0x1.7d93ef8p-1, 0x1.0580a53965p-3, -0x1.b0914a2503624p-47},
    {0x1.7d05f4p-1, 0x1.06cbd6b203p-3, 0x1.8c8a8070f63e2p-46},
    {0x1.7c7862p-1, 0x1.08168d0a37p-3, 0x1.2413bd9d5826ap-45},
    {0x1.7beb39p-1, 0x1.0960c8b634p-3, -0x1.822563ebdb15cp-49},
    {0x1.7b5e79p-1, 0x1.0aaa88ff6ap-3, 0x1.06779406b180dp-46},
    {0x1.7ad2208p-1, 0x1.0bf3d0b47ep-3, -0x1.c1282142fd5cep-47},
    {0x1.7a463p-1, 0x1.0d3c9df508p-3, -0x1.d79ab3cada002p-46},
    {0x1.79baa68p-1, 0x1.0e84f266b3p-3, 0x1.5b2c73c23631bp-47},
    {0x1.792f84p-1, 0x1.0fcccd5696p-3, -0x1.1caab5dce715ap-46},
    {0x1.78a4c8p-1, 0x1.11142f3fa8p-3, 0x1.5cd28de6e0cddp-46},
    {0x1.781a72p-1, 0x1.125b189e3dp-3, -0x1.c036defbc62b6p-45},
    {0x1.779081p-1, 0x1.13a18b1f24p-3, -0x1.49aeb0861f3dbp-46},
    {0x1.7706f58p-1, 0x1.14e784e39p-3, -0x1.bfc07b7529ceap-48},
    {0x1.767dce8p-1, 0x1.162d079a9ap-3, 0x1.0a1b74c303bf1p-45},
    {0x1.75f50b8p-1, 0x1.177213c605p-3, -0x1.5293cc7270b82p-46},
    {0x1.756cacp-1, 0x1.18b6a9e8efp-3, -0x1.7d8e43831ae72p-49},
    {0x1.74e4b08p-1, 0x1.19fac82538p-3, -0x1.b62e40e391a95p-45},
    {0x1.745d178p-1, 0x1.1b3e71619cp-3, -0x1.beccad2806462p-45},
    {0x1.73d5e1p-1, 0x1.1c81a4f328p-3, -0x1.9b45220291ca2p-46},
    {0x1.734f0c8p-1, 0x1.1dc4636128p-3, 0x1.d88a9e4ffb7c5p-45},
    {0x1.72c8998p-1, 0x1.1f06ad344ap-3, -0x1.54a34e64a3b3cp-45},
    {0x1.724288p-1, 0x1.204881c31dp-3, -0x1.cfb27af59c7e2p-50},
    {0x1.71bcd7p-1, 0x1.2189e2cbadp-3, -0x1.863c8379e5d11p-45},
    {0x1.713787p-1, 0x1.22cace7215p-3, -0x1.ce93b2a056229p-47},
    {0x1.70b2968p-1, 0x1.240b47ab7dp-3, -0x1.16b536d38414bp-46},
    {0x1.702e06p-1, 0x1.254b4c9d09p-3, -0x1.44956ca44a66ap-45},
    {0x1.6fa9d4p-1, 0x1.268ae04062p-3, -0x1.467d9b7f8a1d6p-45},
    {0x1.6f26018p-1, 0x1.27c9ff85ap-3, -0x1.02d3a370d1559p-45},
    {0x1.6ea28dp-1, 0x1.2908ad69a3p-3, -0x1.6a6df81eadbebp-48},
    {0x1.6e1f768p-1, 0x1.2a46e9494cp-3, 0x1.0cb867776cf76p-49},
    {0x1.6d9cbep-1, 0x1.2b84b28124p-3, -0x1.ff6059d069b9ap-48},
    {0x1.6d1a628p-1, 0x1.2cc20add02p-3, 0x1.de32679d05431p-47},
    {0x1.6c98638p-1, 0x1.2dfef2f39fp-3, -0x1.47a3329fef2eap-45},
    {0x1.6c16c18p-1, 0x1.2f3b68ebb6p-3, -0x1.757cc4844a00ap-47},
    {0x1.6b957bp-1, 0x1.30776fce73p-3, -0x1.6e8073591735cp-48},
    {0x1.6b14908p-1, 0x1.31b305c3a4p-3, -0x1.e619d4ba9d22dp-46},
    {0x1.6a94018p-1, 0x1.32ee2b6502p-3, 0x1.118dc86eb9ba5p-46},
    {0x1.6a13cdp-1, 0x1.3428e2881ep-3, 0x1.d9ce5fecdcdc6p-47},
};
// clang-format on
constexpr std::uint64_t kLogCellOffset = 0x3FE6A40000000000u; // 1449/2048
constexpr double kLog10Of2High = 0x1.34413509f78p-2;          // on the 2^-43 grid: k times it is exact
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

// 2^(j/64) as high + low to 2^-106 (MPFR).
struct PowerOfTwoPart {
    double high;
    double low;
};
// clang-format off
constexpr PowerOfTwoPart kExp2Table[64] = {
    {0x1p+0, 0},
    {0x1.02c9a3e778061p+0, -0x1.19083535b085dp-56},
    {0x1.059b0d3158574p+0, 0x1.d73e2a475b465p-55},
    {0x1.0874518759bc8p+0, 0x1.186be4bb284ffp-57},
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54},
    {0x1.0e3ec32d3d1a2p+0, 0x1.03a1727c57b53p-59},
    {0x1.11301d0125b51p+0, -0x1.6c51039449b3ap-54},
    {0x1.1429aaea92dep+0, -0x1.32fbf9af1369ep-54},
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55},
    {0x1.1a35beb6fcb75p+0, 0x1.e5b4c7b4968e4p-55},
    {0x1.1d4873168b9aap+0, 0x1.e016e00a2643cp-54},
    {0x1.2063b88628cd6p+0, 0x1.dc775814a8495p-55},
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54},
    {0x1.26b4565e27cddp+0, 0x1.2bd339940e9d9p-55},
    {0x1.29e9df51fdee1p+0, 0x1.612e8afad1255p-55},
    {0x1.2d285a6e4030bp+0, 0x1.0024754db41d5p-54},
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55},
    {0x1.33c08b26416ffp+0, 0x1.32721843659a6p-54},
    {0x1.371a7373aa9cbp+0, -0x1.63aeabf42eae2p-54},
    {0x1.3a7db34e59ff7p+0, -0x1.5e436d661f5e3p-56},
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55},
    {0x1.4160a21f72e2ap+0, -0x1.ef3691c309278p-58},
    {0x1.44e086061892dp+0, 0x1.89b7a04ef80dp-59},
    {0x1.486a2b5c13cdp+0, 0x1.3c1a3b69062fp-56},
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56},
    {0x1.4f9b2769d2ca7p+0, -0x1.4b309d25957e3p-54},
    {0x1.5342b569d4f82p+0, -0x1.07abe1db13cadp-55},
    {0x1.56f4736b527dap+0, 0x1.9bb2c011d93adp-54},
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54},
    {0x1.5e76f15ad2148p+0, 0x1.ba6f93080e65ep-54},
    {0x1.6247eb03a5585p+0, -0x1.383c17e40b497p-54},
    {0x1.6623882552225p+0, -0x1.bb60987591c34p-54},
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54},
    {0x1.6dfb23c651a2fp+0, -0x1.bbe3a683c88abp-57},
    {0x1.71f75e8ec5f74p+0, -0x1.16e4786887a99p-55},
    {0x1.75feb564267c9p+0, -0x1.0245957316dd3p-54},
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55},
    {0x1.7e2f336cf4e62p+0, 0x1.05d02ba15797ep-56},
    {0x1.82589994cce13p+0, -0x1.d4c1dd41532d8p-54},
    {0x1.868d99b4492edp+0, -0x1.fc6f89bd4f6bap-54},
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54},
    {0x1.8f1ae99157736p+0, 0x1.5cc13a2e3976cp-55},
    {0x1.93737b0cdc5e5p+0, -0x1.75fc781b57ebcp-57},
    {0x1.97d829fde4e5p+0, -0x1.d185b7c1b85d1p-54},
    {0x1.9c49182a3f09p+0, 0x1.c7c46b071f2bep-56},
    {0x1.a0c667b5de565p+0, -0x1.359495d1cd533p-54},
    {0x1.a5503b23e255dp+0, -0x1.d2f6edb8d41e1p-54},
    {0x1.a9e6b5579fdbfp+0, 0x1.0fac90ef7fd31p-54},
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54},
    {0x1.b33a2b84f15fbp+0, -0x1.2805e3084d708p-57},
    {0x1.b7f76f2fb5e47p+0, -0x1.5584f7e54ac3bp-56},
    {0x1.bcc1e904bc1d2p+0, 0x1.23dd07a2d9e84p-55},
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55},
    {0x1.c67f12e57d14bp+0, 0x1.2884dff483cadp-54},
    {0x1.cb720dcef9069p+0, 0x1.503cbd1e949dbp-56},
    {0x1.d072d4a07897cp+0, -0x1.cbc3743797a9cp-54},
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55},
    {0x1.da9e603db3285p+0, 0x1.c2300696db532p-54},
    {0x1.dfc97337b9b5fp+0, -0x1.1a5cd4f184b5cp-54},
    {0x1.e502ee78b3ff6p+0, 0x1.39e8980a9cc8fp-55},
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54},
    {0x1.efa1bee615a27p+0, 0x1.dc7f486a4b6bp-54},
    {0x1.f50765b6e454p+0, 0x1.9d3e12dd8a18bp-54},
    {0x1.fa7c1819e90d8p+0, 0x1.74853f3a5931ep-55},
};
// clang-format on
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
    std::uint64_t bits = Bits(x);
    int exponent = -18 * 3;
    if (bits < kSmallestNormalBits)
        bits = Bits(x * 0x1p54); // subnormal: scaled by a power of 8
    else
        exponent = 0;
    exponent += static_cast<int>(bits >> 52) - 1023;
    const int rest = ((exponent % 3) + 3) % 3;
    scale = (exponent - rest) / 3;
    const double m = FromBits((bits & kMantissaBits) | 0x3FF0000000000000u); // in [1, 2)
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
