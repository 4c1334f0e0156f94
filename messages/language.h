#pragma once

#include "messages/message.h"

// The language a program's messages are shown in, chosen as gettext
// programs choose it; the windows always show Chinese.
namespace vendrel::messages {

// From the values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG (null where
// unset): the locale is the first of LC_ALL, LC_MESSAGES and LANG that is
// set and not empty. Under the C locale ("C", "POSIX", "C.UTF-8", or none)
// English, whatever LANGUAGE says; otherwise the first language of
// LANGUAGE's list that is Chinese ("zh…") or English ("en…"), and failing
// that the locale's: Chinese for "zh…", English for any other.
Language LanguageOfLocale(const char* language, const char* lcAll, const char* lcMessages, const char* lang);

// From a Windows language identifier (GetUserDefaultUILanguage): Chinese
// for any Chinese, English for any other.
Language LanguageOfWindows(unsigned short languageId);

} // namespace vendrel::messages
