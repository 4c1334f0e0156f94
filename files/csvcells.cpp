#include "files/csvcells.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vendrel::files {
namespace {

constexpr std::uint64_t kEachByte = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;
// Every byte that needs quoting (",", "\"", CR, LF) is below "-", and no
// byte of a number as the calculator writes it, or of a Chinese text, is.
constexpr unsigned char kFirstPlain = '-';

// Whether any of the eight bytes of word is below kFirstPlain: a borrow
// crosses into the next byte only from a byte that is.
bool HasByteBelowFirstPlain(std::uint64_t word)
{
    return ((word - kEachByte * kFirstPlain) & ~word & kHighBits) != 0;
}

// Copies cell to out a word at a time while no byte is below kFirstPlain;
// false, with out partly written, where one is. The last word overlaps the
// one before it, and a cell of four to seven bytes is two overlapping halves,
// so that no byte outside the cell is read or written. Inline, so that a
// row's loop has it in place: no call per cell.
inline bool CopyPlainCell(char* out, std::string_view cell)
{
    const char* const in = cell.data();
    const std::size_t size = cell.size();
    if (size >= sizeof(std::uint64_t)) {
        for (std::size_t i = 0;; i += sizeof(std::uint64_t)) {
            const std::size_t at = std::min(i, size - sizeof(std::uint64_t));
            std::uint64_t word;
            std::memcpy(&word, in + at, sizeof word);
            if (HasByteBelowFirstPlain(word))
                return false;
            std::memcpy(out + at, &word, sizeof word);
            if (at == size - sizeof(std::uint64_t))
                return true;
        }
    }
    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t first;
        std::uint32_t last;
        std::memcpy(&first, in, sizeof first);
        std::memcpy(&last, in + size - sizeof last, sizeof last);
        if (HasByteBelowFirstPlain(first | std::uint64_t{last} << 32))
            return false;
        std::memcpy(out, &first, sizeof first);
        std::memcpy(out + size - sizeof last, &last, sizeof last);
        return true;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(in[i]) < kFirstPlain)
            return false;
        out[i] = in[i];
    }
    return true;
}

// A cell with a byte below kFirstPlain: quoted only if that byte is a comma,
// quote or line end.
char* WriteUnusualCell(char* out, std::string_view cell)
{
    // A plain loop: find_first_of scans the set once per character.
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(cell.begin(), cell.end(), special)) {
        std::memcpy(out, cell.data(), cell.size());
        return out + cell.size();
    }
    *out++ = '"';
    for (const char c : cell) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

} // namespace

char* WriteCsvCell(char* out, std::string_view cell)
{
    return WriteCsvCells(out, &cell, 1);
}

char* WriteCsvCells(char* out, const std::string_view* cells, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            *out++ = ',';
        out = CopyPlainCell(out, cells[i]) ? out + cells[i].size() : WriteUnusualCell(out, cells[i]);
    }
    return out;
}

} // namespace vendrel::files
