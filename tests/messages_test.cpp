#include "messages/catalogue.h"
#include "messages/language.h"
#include "messages/message.h"
#include "messages/numbercheck.h"
#include "tests/messagetext.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace vendrel::messages {
namespace {

// The names of a text's "{name}" places.
std::set<std::string> Places(std::string_view text)
{
    std::set<std::string> places;
    for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close != std::string_view::npos)
            places.insert(std::string(text.substr(open + 1, close - open - 1)));
    }
    return places;
}

// Every identity has both texts, naming the same arguments, and a name of its own.
TEST(Catalogue, EveryMessageHasBothTextsWithTheSameArguments)
{
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        const std::string_view english = CatalogueText(id, Language::English);
        const std::string_view chinese = CatalogueText(id, Language::Chinese);
        EXPECT_FALSE(english.empty()) << IdentityName(id);
        EXPECT_FALSE(chinese.empty()) << IdentityName(id);
        EXPECT_EQ(Places(english), Places(chinese)) << IdentityName(id);
        EXPECT_TRUE(names.insert(IdentityName(id)).second) << IdentityName(id);
        // A Chinese sentence takes full-width punctuation.
        EXPECT_EQ(chinese.find(": "), std::string_view::npos) << IdentityName(id) << ": " << chinese;
    }
}

TEST(Message, FillsItsArgumentsInEitherLanguage)
{
    const Message nested = AtLine(4,
        Named("流量(m³/h)",
            Message(MessageId::NotANumberWithUnit, {{"text", UserText("1\n0")}, {"unit", std::string("m³/h")}})));
    EXPECT_EQ(English(nested), "line 4: 流量(m³/h): \"1\\x0A0\" is not a number (give the number alone, in m³/h)");
    EXPECT_EQ(Chinese(nested), "第 4 行：流量(m³/h)：“1\\x0A0”不是数字（只填数值，单位为 m³/h）");
    const Message list(MessageId::ManyStarts,
        {{"nodes", {Message(MessageId::QuotedName, {{"name", "P"}}), Message(MessageId::QuotedName, {{"name", "R"}})},
            MessageId::NameSeparator}});
    EXPECT_EQ(Chinese(list), "无管段流入的节点不止一个：“P”、“R”；管路只能有一个起点（水泵出口）");
    EXPECT_EQ(
        JoinedText({Message(MessageId::NoNode), Message(MessageId::NoValue)}, Language::Chinese), "未填节点；未填写");
    EXPECT_EQ(
        JoinedText({Message(MessageId::NoNode), Message(MessageId::NoValue)}, Language::English), "no node; no value");
    // An argument not given shows its place, so that the fault shows too.
    EXPECT_EQ(English(Message(MessageId::GivenTwice)), "{option} given twice");
    EXPECT_FALSE(HasEveryArgument(Message(MessageId::GivenTwice)));
    EXPECT_FALSE(HasEveryArgument(Named("--flow", Message(MessageId::GivenTwice))));
    EXPECT_TRUE(HasEveryArgument(nested));
    EXPECT_TRUE(HasEveryArgument(list));
    EXPECT_EQ(English(Message()), "");
    EXPECT_EQ(UserText(std::string(70, 'a')), std::string(59, 'a') + "…");
    EXPECT_EQ(UserText(std::string(58, 'a') + "流量"), std::string(58, 'a') + "流…"); // never half a character
}

struct Locale {
    const char* name;
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
};

TEST(Language, IsChosenAsGettextChoosesIt)
{
    const auto zh = Language::Chinese;
    const auto en = Language::English;
    const Locale locales[] = {
        {"nothing", nullptr, nullptr, nullptr, nullptr, en},
        {"lang", nullptr, nullptr, nullptr, "zh_CN.UTF-8", zh},
        {"lang_gbk", nullptr, nullptr, nullptr, "zh_CN.GBK", zh},
        {"lang_german", nullptr, nullptr, nullptr, "de_DE.UTF-8", en},
        {"lc_messages_first", nullptr, nullptr, "en_GB.UTF-8", "zh_CN.UTF-8", en},
        {"lc_all_first", nullptr, "zh_SG.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", zh},
        {"empty_is_unset", nullptr, "", "", "zh_CN.UTF-8", zh},
        {"language_list", "fr:zh_CN", nullptr, nullptr, "de_DE.UTF-8", zh},
        {"language_english", "en_US:zh", nullptr, nullptr, "zh_CN.UTF-8", en},
        {"language_none_known", "fr:de", nullptr, nullptr, "zh_CN.UTF-8", zh},
        {"c_ignores_language", "zh_CN", nullptr, nullptr, "C", en},
        {"c_utf8_ignores_language", "zh_CN", "C.UTF-8", nullptr, "zh_CN.UTF-8", en},
        {"posix", nullptr, nullptr, nullptr, "POSIX", en},
    };
    for (const Locale& l : locales)
        EXPECT_EQ(LanguageOfLocale(l.language, l.lcAll, l.lcMessages, l.lang), l.expected) << l.name;
    EXPECT_EQ(LanguageOfWindows(0x0804), zh); // zh-CN
    EXPECT_EQ(LanguageOfWindows(0x0404), zh); // zh-TW
    EXPECT_EQ(LanguageOfWindows(0x0409), en); // en-US
    EXPECT_EQ(LanguageOfWindows(0x0407), en); // de-DE
}

struct Typed {
    const char* text;
    NumberRule rule;
    const char* english; // "" where the number holds
    const char* chinese;
};

// One check for every number typed, its faults in the user's words.
TEST(NumberCheck, SaysWhatIsWrongWithATypedNumber)
{
    const Typed typed[] = {
        {" 10.5 ", AtLeast(0.000001, "m³/h"), "", ""},
        {"", AtLeast(0.000001, "m³/h"), "no value", "未填写"},
        {" \t", AnyNumber(), "no value", "未填写"},
        {"abc", AtLeast(0.000001, "m³/h"), "\"abc\" is not a number", "“abc”不是数字"},
        {"10,5", AtLeast(0.000001, "m³/h"), "\"10,5\" is not a number (use \".\" as the decimal point)",
            "“10,5”不是数字（小数点须用“.”）"},
        {"10，5", AnyNumber(), "\"10，5\" is not a number (use \".\" as the decimal point)",
            "“10，5”不是数字（小数点须用“.”）"},
        {"50mm", AtLeast(0.000001, "mm"), "\"50mm\" is not a number (give the number alone, in mm)",
            "“50mm”不是数字（只填数值，单位为 mm）"},
        {"50mm", Positive(), "\"50mm\" is not a number", "“50mm”不是数字"},
        {"1e999", AnyNumber(), "\"1e999\" is too large", "“1e999”数值过大"},
        {"0", AtLeast(0.000001, "10^-6 m²/s"), "\"0\" is below 0.000001 ×10^-6 m²/s", "“0”小于 0.000001 ×10^-6 m²/s"},
        {"0.000001", AtLeast(0.000001, "mm"), "", ""},
        {"0", Positive("Pa/m"), "\"0\" must be a positive number", "“0”须为正数"},
        {"-1", Positive(), "\"-1\" must be a positive number", "“-1”须为正数"},
        {"1", NumberRule{NumberRule::Lower::Above, 1, std::numeric_limits<double>::infinity(), "m"},
            "\"1\" must be above 1 m", "“1”须大于 1 m"},
        {"1001", Between(0, 1000, "%"), "\"1001\" is outside 0 to 1000 %", "“1001”不在 0～1000 % 范围内"},
        {"-1", Between(0, 1000, "%"), "\"-1\" is outside 0 to 1000 %", "“-1”不在 0～1000 % 范围内"},
        {"1000", Between(0, 1000, "%"), "", ""},
        {"7", NumberRule{NumberRule::Lower::None, 0, 5, ""}, "\"7\" is above 5", "“7”大于 5"},
        {"1\x7F", AnyNumber(), "\"1\\x7F\" is not a number", "“1\\x7F”不是数字"},
    };
    for (const Typed& t : typed) {
        double value = 0;
        const Message problem = CheckNumber(t.text, t.rule, value);
        EXPECT_EQ(English(problem), t.english) << '"' << t.text << '"';
        EXPECT_EQ(Chinese(problem), t.chinese) << '"' << t.text << '"';
    }
}

} // namespace
} // namespace vendrel::messages
