#include "calc/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <system_error>

namespace vendrel {
namespace {

constexpr double kInt64Limit = 9223372036854775808.0; // 2⁶³
constexpr int kMaxExactDigits = 19;                   // any 19 digits fit in 64 bits
constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The white space the classic locale's isspace accepts.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A Chinese input method in full-width or Chinese-punctuation mode types
// digits, signs, the exponent letter and the decimal point as these
// three-byte UTF-8 forms; "。" is the ideographic full stop.
struct FullWidthForm {
    char bytes[4];
    char ascii;
};
// clang-format off
constexpr FullWidthForm kFullWidthForms[] = {
    {"\xEF\xBC\x8E", '.'}, {"\xE3\x80\x82", '.'}, {"\xEF\xBC\x8B", '+'}, {"\xEF\xBC\x8D", '-'},
    {"\xEF\xBD\x85", 'e'}, {"\xEF\xBC\xA5", 'E'},
};
// clang-format on

bool HasFullWidthForms(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The text with every full-width digit and the forms above replaced by their
// ASCII counterparts; everything else is kept byte for byte.
std::string NarrowFullWidthForms(std::string_view text)
{
    std::string narrowed;
    narrowed.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        // U+FF10 to U+FF19, the full-width digits: EF BC 90 to EF BC 99.
        const auto third = rest.size() >= 3 ? static_cast<unsigned char>(rest[2]) : 0u;
        if (rest.substr(0, 2) == "\xEF\xBC" && third >= 0x90 && third <= 0x99) {
            narrowed += static_cast<char>('0' + (third - 0x90));
            i += 3;
            continue;
        }
        const auto form = std::find_if(std::begin(kFullWidthForms), std::end(kFullWidthForms),
            [&](const FullWidthForm& f) { return rest.substr(0, 3) == f.bytes; });
        if (form != std::end(kFullWidthForms)) {
            narrowed += form->ascii;
            i += 3;
            continue;
        }
        narrowed += text[i++];
    }
    return narrowed;
}

std::size_t WriteNonFinite(double value, char* out)
{
    const char* text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    std::size_t n = 0;
    for (; text[n] != '\0'; ++n)
        out[n] = text[n];
    return n;
}

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 Uint128;

constexpr double kExactFixedLimit = 4611686018427387904.0; // 2⁶²: the whole part fits in 64 bits

// "%f" for |value| < 2⁶², exactly as printf rounds: value = m·2^e is scaled by
// 10⁶ in 128-bit integers and rounded half to even, with no intermediate
// rounding. Several times faster than the general conversion.
std::size_t FormatFixedExact(double value, char* out)
{
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    Uint128 scaled = Uint128{significand} * 1000000u;
    if (exponent >= 0) {
        scaled <<= exponent;
    } else if (exponent > -128) {
        const int shift = -exponent;
        const Uint128 remainder = scaled & ((Uint128{1} << shift) - 1);
        const Uint128 half = Uint128{1} << (shift - 1);
        scaled >>= shift;
        if (remainder > half || (remainder == half && (scaled & 1) != 0))
            ++scaled;
    } else {
        scaled = 0; // below 2⁻⁷⁵: rounds to zero
    }

    std::size_t n = 0;
    if (std::signbit(value))
        out[n++] = '-';
    const auto whole = static_cast<std::uint64_t>(scaled / 1000000u);
    auto decimals = static_cast<std::uint32_t>(scaled % 1000000u);
    n = static_cast<std::size_t>(std::to_chars(out + n, out + kMaxFixedLength, whole).ptr - out);
    out[n++] = '.';
    for (int i = 5; i >= 0; --i, decimals /= 10)
        out[n + static_cast<std::size_t>(i)] = static_cast<char>('0' + decimals % 10);
    return n + 6;
}
#endif

// Reads the leading number of an ASCII text; end is set to just past it, or to
// the start of the text when there is none.
double ParseLeadingNumber(std::string_view text, const char*& end)
{
    const char* p = text.data();
    end = p;
    const char* const last = p + text.size();
    while (p != last && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p != last && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    // Scan the extent of the number ourselves: from_chars alone would also take
    // "inf", "nan" and hexadecimal forms, which atof's decimal grammar does not.
    // On the way, collect up to 19 significant digits for the exact fast path.
    const char* const start = p;
    int digits = 0;
    std::uint64_t mantissa = 0;
    int significantDigits = 0;
    long fractionDigits = 0; // digits after the point that went into mantissa
    // Decimal position of the first significant digit, to tell overflow from
    // underflow when from_chars cannot represent the value.
    long magnitude = 0;
    const auto addDigit = [&](char c, bool inFraction) {
        if (significantDigits == 0 && c == '0') {
            magnitude -= inFraction;
            fractionDigits += inFraction;
            return;
        }
        if (significantDigits < kMaxExactDigits) {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            fractionDigits += inFraction;
        }
        magnitude += !inFraction;
        ++significantDigits;
    };
    for (; p != last && IsDigit(*p); ++p, ++digits)
        addDigit(*p, false);
    if (p != last && *p == '.') {
        for (++p; p != last && IsDigit(*p); ++p, ++digits)
            addDigit(*p, true);
    }
    if (digits == 0)
        return 0.0;

    long exponent = 0;
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q != last && (*q == '+' || *q == '-')) {
            negativeExponent = *q == '-';
            ++q;
        }
        if (q != last && IsDigit(*q)) {
            for (; q != last && IsDigit(*q); ++q) {
                if (exponent < 1'000'000)
                    exponent = exponent * 10 + (*q - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
            magnitude += exponent;
            p = q;
        }
    }

    end = p;

    // Clinger's fast path: an integer mantissa and a power of ten that are both
    // exact doubles give the correctly rounded value in one operation.
    const long scale = exponent - fractionDigits;
    if (significantDigits <= kMaxExactDigits && mantissa <= kExactIntegerLimit && scale >= -22 && scale <= 22) {
        const double m = static_cast<double>(mantissa);
        const double value = scale < 0 ? m / kPowersOfTen[-scale] : m * kPowersOfTen[scale];
        return negative ? -value : value;
    }

    double value = 0.0;
    const std::from_chars_result result = std::from_chars(start, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = (significantDigits > 0 && magnitude > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

// ParseWholeNumber for an ASCII text.
bool ParseWholeAscii(std::string_view text, double& value)
{
    const char* end = nullptr;
    value = ParseLeadingNumber(text, end);
    if (end == text.data())
        return false;
    const char* const last = text.data() + text.size();
    while (end != last && IsSpace(*end))
        ++end;
    return end == last;
}

} // namespace

double ParseNumber(std::string_view text)
{
    const char* end = nullptr;
    if (!HasFullWidthForms(text))
        return ParseLeadingNumber(text, end);
    const std::string narrowed = NarrowFullWidthForms(text);
    return ParseLeadingNumber(narrowed, end);
}

bool ParseWholeNumber(std::string_view text, double& value)
{
    // As ParseNumber: no string of its own for the common ASCII text.
    if (HasFullWidthForms(text))
        return ParseWholeAscii(NarrowFullWidthForms(text), value);
    return ParseWholeAscii(text, value);
}

std::size_t FormatFixed(double value, char* out)
{
    if (!std::isfinite(value))
        return WriteNonFinite(value, out);
#if defined(__SIZEOF_INT128__)
    if (std::fabs(value) < kExactFixedLimit)
        return FormatFixedExact(value, out);
#endif
    const std::to_chars_result result = std::to_chars(out, out + kMaxFixedLength, value, std::chars_format::fixed, 6);
    return static_cast<std::size_t>(result.ptr - out);
}

void AppendFixed(std::string& text, double value)
{
    char buffer[kMaxFixedLength];
    text.append(buffer, FormatFixed(value, buffer));
}

std::string FixedText(double value, int decimals)
{
    // Room for the longest double in full, as FormatFixed has.
    char text[kMaxFixedLength];
    const auto written
        = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, std::clamp(decimals, 0, 6));
    return std::string(text, written.ptr);
}

std::string ShortestText(double value)
{
    char text[64];
    auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (written.ec != std::errc())
        written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

void AssignTruncatedInteger(std::string& text, double value)
{
    char buffer[kMaxFixedLength];
    std::size_t n = 0;
    if (!std::isfinite(value)) {
        n = WriteNonFinite(value, buffer);
    } else {
        // Adding 0.0 turns a truncated -0 into +0, which prints as "0".
        const double whole = std::trunc(value) + 0.0;
        char* const last = buffer + sizeof buffer;
        // Converting to an integer is only defined inside its range.
        const char* written = std::fabs(whole) < kInt64Limit
            ? std::to_chars(buffer, last, static_cast<std::int64_t>(whole)).ptr
            : std::to_chars(buffer, last, whole, std::chars_format::fixed, 0).ptr;
        n = static_cast<std::size_t>(written - buffer);
    }
    text.assign(buffer, n);
}

} // namespace vendrel
