#include "calc/multiprecision.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrel::math::internal {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

void Trim(Natural& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
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

} // namespace

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

// A bit at a time.
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

// Eight bits at a time: the remainder stays below 2^63.
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

Signed Add(const Signed& a, const Signed& b)
{
    if (a.negative == b.negative)
        return {a.negative, Add(a.magnitude, b.magnitude)};
    if (Compare(a.magnitude, b.magnitude) >= 0)
        return {a.negative, Subtract(a.magnitude, b.magnitude)};
    return {b.negative, Subtract(b.magnitude, a.magnitude)};
}

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

bool RoundInterval(const Natural& value, std::uint64_t error, int exponent, double& result)
{
    const Natural margin = FromUint64(error);
    if (Compare(value, margin) <= 0)
        return false;
    result = RoundToDouble(Subtract(value, margin), exponent);
    return result == RoundToDouble(Add(value, margin), exponent);
}

Natural ToFixed(double v, int F)
{
    int exponent = 0;
    const auto significand = static_cast<std::uint64_t>(std::ldexp(std::frexp(v, &exponent), 53));
    const int shift = exponent - 53 + F; // v = significand·2^(exponent − 53)
    return shift >= 0 ? ShiftLeft(FromUint64(significand), shift) : ShiftRight(FromUint64(significand), -shift);
}

} // namespace vendrel::math::internal
