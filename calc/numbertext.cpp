#include "calc/numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vendrel {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The white space the classic locale's isspace accepts.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::size_t WriteNonFinite(double value, char* out)
{
    const char* text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    std::size_t n = 0;
    for (; text[n] != '\0'; ++n)
        out[n] = text[n];
    return n;
}

} // namespace

double ParseNumber(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    // Scan the extent of the number ourselves: from_chars alone would also take
    // "inf", "nan" and hexadecimal forms, which atof's decimal grammar does not.
    const char* const start = p;
    int digits = 0;
    // Decimal position of the first significant digit, to tell overflow from
    // underflow when from_chars cannot represent the value.
    long magnitude = 0;
    bool seenSignificant = false;
    for (; p != end && IsDigit(*p); ++p, ++digits) {
        if (*p != '0')
            seenSignificant = true;
        if (seenSignificant)
            ++magnitude;
    }
    if (p != end && *p == '.') {
        ++p;
        for (; p != end && IsDigit(*p); ++p, ++digits) {
            if (seenSignificant)
                continue;
            if (*p != '0')
                seenSignificant = true;
            else
                --magnitude;
        }
    }
    if (digits == 0)
        return 0.0;

    if (p != end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q != end && (*q == '+' || *q == '-')) {
            negativeExponent = *q == '-';
            ++q;
        }
        if (q != end && IsDigit(*q)) {
            long exponent = 0;
            for (; q != end && IsDigit(*q); ++q) {
                if (exponent < 1'000'000)
                    exponent = exponent * 10 + (*q - '0');
            }
            magnitude += negativeExponent ? -exponent : exponent;
            p = q;
        }
    }

    double value = 0.0;
    const std::from_chars_result result = std::from_chars(start, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = (seenSignificant && magnitude > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::size_t FormatFixed(double value, char* out)
{
    if (!std::isfinite(value))
        return WriteNonFinite(value, out);
    const std::to_chars_result result = std::to_chars(out, out + kMaxFixedLength, value, std::chars_format::fixed, 6);
    return static_cast<std::size_t>(result.ptr - out);
}

void AppendFixed(std::string& text, double value)
{
    char buffer[kMaxFixedLength];
    text.append(buffer, FormatFixed(value, buffer));
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
        n = static_cast<std::size_t>(
            std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0).ptr - buffer);
    }
    text.assign(buffer, n);
}

} // namespace vendrel
