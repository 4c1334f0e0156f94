#include "messages/numbercheck.h"

#include "calc/numbertext.h"

#include <cmath>

namespace vendrel::messages {

std::string LimitText(double limit, std::string_view unit)
{
    std::string text = ShortestText(limit);
    if (!unit.empty())
        text += std::string(" ") + (unit.substr(0, 3) == "10^" ? "×" : "") + std::string(unit);
    return text;
}

Message CheckNumber(std::string_view text, const NumberRule& rule, double& value)
{
    if (!ParseWholeNumber(text, value)) {
        if (text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos)
            return Message(MessageId::NoValue);
        const Argument shown("text", UserText(text));
        if (text.find(',') != std::string_view::npos || text.find("，") != std::string_view::npos)
            return Message(MessageId::NotANumberDecimalComma, {shown});
        if (ParseNumber(text) != 0 && !rule.unit.empty())
            return Message(MessageId::NotANumberWithUnit, {shown, {"unit", rule.unit}});
        return Message(MessageId::NotANumber, {shown});
    }
    const bool ranged = rule.highest != std::numeric_limits<double>::infinity();
    const bool low = rule.lower == NumberRule::Lower::AtLeast ? value < rule.lowest
        : rule.lower == NumberRule::Lower::Above              ? !(value > rule.lowest)
                                                              : false;
    // Most numbers hold: their text is quoted only for a message.
    if (!std::isinf(value) && !low && !(value > rule.highest))
        return {};
    const Argument shown("text", UserText(text));
    if (std::isinf(value))
        return Message(MessageId::TooLarge, {shown});
    if (ranged && rule.lower != NumberRule::Lower::None && (low || value > rule.highest))
        return Message(MessageId::OutsideRange,
            {shown, {"minimum", ShortestText(rule.lowest)}, {"maximum", LimitText(rule.highest, rule.unit)}});
    if (low && rule.lower == NumberRule::Lower::Above && rule.lowest == 0)
        return Message(MessageId::NotPositive, {shown});
    if (low && rule.lower == NumberRule::Lower::Above)
        return Message(MessageId::NotAbove, {shown, {"limit", LimitText(rule.lowest, rule.unit)}});
    if (low)
        return Message(MessageId::Below, {shown, {"limit", LimitText(rule.lowest, rule.unit)}});
    if (value > rule.highest)
        return Message(MessageId::Above, {shown, {"limit", LimitText(rule.highest, rule.unit)}});
    return {};
}

} // namespace vendrel::messages
