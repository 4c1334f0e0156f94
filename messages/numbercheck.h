#pragma once

#include "messages/message.h"

#include <limits>
#include <string_view>

// The one check of a number typed by the user, for the command line, the
// files and the windows alike: what the text must be, and what is wrong
// with it in the user's terms.
namespace vendrel::messages {

struct NumberRule {
    enum class Lower { None, AtLeast, Above };
    Lower lower = Lower::None;
    double lowest = 0;
    double highest = std::numeric_limits<double>::infinity(); // at most
    std::string_view unit;                                    // "m³/h", "10^-6 m²/s"; "" for a pure number
};

inline NumberRule AnyNumber(std::string_view unit = {})
{
    return {NumberRule::Lower::None, 0, std::numeric_limits<double>::infinity(), unit};
}
inline NumberRule AtLeast(double lowest, std::string_view unit = {})
{
    return {NumberRule::Lower::AtLeast, lowest, std::numeric_limits<double>::infinity(), unit};
}
inline NumberRule Positive(std::string_view unit = {})
{
    return {NumberRule::Lower::Above, 0, std::numeric_limits<double>::infinity(), unit};
}
inline NumberRule Between(double lowest, double highest, std::string_view unit = {})
{
    return {NumberRule::Lower::AtLeast, lowest, highest, unit};
}

// Reads text as wholly one number, as the command line reads its inputs
// (ParseWholeNumber: "10,5" and "50mm" are no numbers), into value, and
// says what is wrong with it: no value, not a number (with a word for a
// decimal comma and for a unit typed after the number), too large to be
// finite, or outside the rule. No message where it holds.
Message CheckNumber(std::string_view text, const NumberRule& rule, double& value);

// A limit as the messages write it: "0.000001 m³/h", "0.000001 ×10^-6 m²/s".
std::string LimitText(double limit, std::string_view unit);

} // namespace vendrel::messages
