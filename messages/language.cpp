#include "messages/language.h"

#include <string_view>

namespace vendrel::messages {
namespace {

bool Set(const char* value)
{
    return value != nullptr && *value != '\0';
}

bool IsChinese(std::string_view name)
{
    return name.substr(0, 2) == "zh";
}

bool IsEnglish(std::string_view name)
{
    return name.substr(0, 2) == "en";
}

} // namespace

Language LanguageOfLocale(const char* language, const char* lcAll, const char* lcMessages, const char* lang)
{
    const char* locale = Set(lcAll) ? lcAll : Set(lcMessages) ? lcMessages : Set(lang) ? lang : "C";
    const std::string_view name = locale;
    if (name == "C" || name == "POSIX" || name.substr(0, 2) == "C.")
        return Language::English;
    if (Set(language)) {
        std::string_view list = language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const std::string_view first = list.substr(0, colon);
            if (IsChinese(first))
                return Language::Chinese;
            if (IsEnglish(first))
                return Language::English;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    return IsChinese(name) ? Language::Chinese : Language::English;
}

Language LanguageOfWindows(unsigned short languageId)
{
    constexpr unsigned kPrimaryMask = 0x3FF; // PRIMARYLANGID
    constexpr unsigned kChinese = 0x04;      // LANG_CHINESE
    return (languageId & kPrimaryMask) == kChinese ? Language::Chinese : Language::English;
}

} // namespace vendrel::messages
