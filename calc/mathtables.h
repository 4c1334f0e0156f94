#pragma once

// The tables of calc/portablemath's double-double paths. Internal to calc/
// and the maths tests.
#include <cstdint>

namespace vendrel::math::internal {

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
// A normal x's cell is ((bits(x) − kLogCellOffset) >> 43) mod 512.
inline constexpr std::uint64_t kLogCellOffset = 0x3FE6A40000000000u; // 1449/2048
extern const LogCell kLogCells[512];

// 2^(j/64) as high + low to 2^-106 (MPFR).
struct PowerOfTwoPart {
    double high;
    double low;
};
extern const PowerOfTwoPart kExp2Table[64];

} // namespace vendrel::math::internal
