#pragma once

// Exact arithmetic on doubles for calc/portablemath: sums, products and
// squares as a rounded result and its exact error, Ziv's rounding test, and
// the bit patterns the double-double and integer paths both work on. Internal
// to calc/ and the maths tests.
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vendrel::math::internal {

inline constexpr std::uint64_t kExponentBits = 0x7FF0000000000000u;
inline constexpr std::uint64_t kMantissaBits = 0x000FFFFFFFFFFFFFu;
inline constexpr std::uint64_t kSmallestNormalBits = 0x0010000000000000u;
inline constexpr std::uint64_t kHigh26Bits = 0xFFFFFFFFF8000000u; // sign, exponent and 25 stored bits: 26 significant

inline std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// 2^e for a normal result, -1022 ≤ e ≤ 1023.
inline double PowerOfTwo(int e)
{
    return FromBits(static_cast<std::uint64_t>(e + 1023) << 52);
}

// x > 0 as 2^(k·scale + rest)·(1 + mantissa·2^-52), 0 ≤ rest < k: the
// reduction of a k-th root. A subnormal is first made normal by an exact
// power of 2^k.
struct ExponentSplit {
    int scale;
    int rest;
    std::uint64_t mantissa; // the 52 stored bits
};

inline ExponentSplit SplitExponent(double x, int k)
{
    const int lift = k * ((52 + k - 1) / k);
    std::uint64_t bits = Bits(x);
    int exponent = 0;
    if (bits < kSmallestNormalBits) {
        bits = Bits(x * PowerOfTwo(lift));
        exponent = -lift;
    }
    exponent += static_cast<int>(bits >> 52) - 1023;
    const int rest = ((exponent % k) + k) % k;
    return {(exponent - rest) / k, rest, bits & kMantissaBits};
}

// ---- Double-double arithmetic (no fused multiply-add) ----

// a + b exactly as sum + error (Knuth's TwoSum).
inline void TwoSum(double a, double b, double& sum, double& error)
{
    sum = a + b;
    const double bVirtual = sum - a;
    error = (a - (sum - bVirtual)) + (b - bVirtual);
}

// a + b exactly as sum + error when |a| ≥ |b| or a = 0 (Dekker's).
inline void FastTwoSum(double a, double b, double& sum, double& error)
{
    sum = a + b;
    error = b - (sum - a);
}

// a × b exactly as product + error (Dekker's, with Veltkamp's splitting; no
// fused multiply-add, which not every target does in hardware).
inline void TwoProduct(double a, double b, double& product, double& error)
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
inline void Square(double a, double& square, double& error)
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
inline bool RoundsToHigh(double hi, double lo, double bound)
{
    double halfGap = FromBits(Bits(hi) & kExponentBits) * 0x1p-53;
    if ((Bits(hi) & kMantissaBits) == 0)
        halfGap *= 0.5;
    // |v| ≤ |hi|·(1 + 2^-52), and the sum and product round by a part in 2^53
    // each: the margin covers them.
    return std::fabs(lo) + std::fabs(hi) * bound <= halfGap * (1 - 0x1p-50);
}

} // namespace vendrel::math::internal
