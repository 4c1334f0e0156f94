#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vendrel {

// Reads the leading decimal number of a text the way the classic C locale's
// atof does: white space, sign, digits with an optional ".", optional
// exponent; reading stops at the first character that does not fit and a text
// without a leading number is 0. Hexadecimal, "inf" and "nan" read as 0.
// Never depends on the process locale. Full-width digits, "．", "。", "＋",
// "－", "ｅ" and "Ｅ", as a Chinese input method types them, read as their
// ASCII counterparts: "10。5" is 10.5, not 10.
double ParseNumber(std::string_view text);

// Reads text as a number only when the whole of it is one, in the same
// grammar, white space around it allowed. For scripts, where "10,5" or "50mm"
// must be refused rather than read as 10 or 50. Returns false, leaving value
// unspecified, for those and for "" or "inf".
bool ParseWholeNumber(std::string_view text, double& value);

// Largest text FormatFixed can produce: sign, 309 integer digits, point, six
// decimals.
inline constexpr std::size_t kMaxFixedLength = 1 + 309 + 1 + 6;

// Writes value as printf's "%f" does in the classic locale (six decimals).
// Non-finite values give "inf", "-inf" or "nan". Returns the length written
// into out, which must hold kMaxFixedLength characters.
std::size_t FormatFixed(double value, char* out);

// Appends "%f" of value to text.
void AppendFixed(std::string& text, double value);

// value with a number of decimals from 0 to 6, as "%.*f" in the classic
// locale; "inf" or "nan" when not finite.
std::string FixedText(double value, int decimals);

// The shortest text that reads back as value: "300", "150.5", "0.0001"; in
// plain digits up to 63 of them, with an exponent only beyond.
std::string ShortestText(double value);

// Writes value truncated toward zero as a whole decimal integer. Values beyond
// the 32-bit range print in full rather than wrapping; non-finite values give
// "inf", "-inf" or "nan".
void AssignTruncatedInteger(std::string& text, double value);

} // namespace vendrel
