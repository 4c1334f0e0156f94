#pragma once

// Exact and multi-precision arithmetic for the rare arguments whose
// double-double results lie too near a midpoint to round: natural numbers in
// 32-bit limbs, signed fixed-point numbers, and their correct rounding to
// doubles. Internal to calc/ and the maths tests.
#include <cstdint>
#include <vector>

namespace vendrel::math::internal {

// A non-negative integer in base 2³², least significant limb first, without
// leading zero limbs. 32×32→64-bit products: the same on every platform.
using Natural = std::vector<std::uint32_t>;

// A fixed-point number of any sign: magnitude·2^-F.
struct Signed {
    bool negative;
    Natural magnitude;
};

Natural FromUint64(std::uint64_t value);
std::uint64_t ToUint64(const Natural& a);        // the lowest 64 bits
int Compare(const Natural& a, const Natural& b); // -1, 0 or 1
Natural Add(const Natural& a, const Natural& b);
Natural Subtract(Natural a, const Natural& b); // a − b, for a ≥ b
Natural Multiply(const Natural& a, const Natural& b);
Natural MultiplySmall(const Natural& a, std::uint32_t factor);
Natural DivideSmall(Natural a, std::uint32_t divisor); // ⌊a / divisor⌋
Natural ShiftLeft(const Natural& a, int bits);
Natural ShiftRight(const Natural& a, int bits);            // ⌊a / 2^bits⌋
Natural Divide(const Natural& a, const Natural& b);        // ⌊a / b⌋ for b > 0
Natural DivideBy(const Natural& a, std::uint64_t divisor); // ⌊a / divisor⌋ for 0 < divisor < 2^55
Signed Add(const Signed& a, const Signed& b);

// n·2^exponent, n > 0, rounded to the nearest double (ties to even), with
// subnormals and overflow as the hardware rounds them.
double RoundToDouble(const Natural& n, int exponent);

// The double nearest to value·2^exponent when every number within
// error·2^exponent of it rounds to the same double; false otherwise.
bool RoundInterval(const Natural& value, std::uint64_t error, int exponent, double& result);

// ⌊v·2^F⌋ for a finite v ≥ 0.
Natural ToFixed(double v, int F);

} // namespace vendrel::math::internal
