// The language the program speaks to its user: the window's texts and the
// website's captions. Message texts are never translated.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The languages the program has texts in besides English, as catalogue
// suffixes: "de", "es", "fr", "pt_BR", "ru", "zh_CN", "ar".
const std::vector<std::string>& TranslatedLanguages();

// The catalogue suffix a language name asks for ("de_AT.UTF-8" → "de",
// "pt-BR" → "pt_BR", "zh" → "zh_CN"); "en" for English, C and POSIX; empty when
// the program has no texts in that language.
std::string MatchLanguage(std::string_view name);

// The user's language as a POSIX system tells it: the first entry of LANGUAGE
// (a colon list) that the program speaks, unless the locale is C; else the
// locale, LC_ALL, LC_MESSAGES or LANG, the first one set. "en" when none of
// them names a translated language.
std::string SystemLanguage(const std::function<const char*(const char*)>& get_env);

// The language's tag for an HTML page's lang attribute ("pt_BR" → "pt-BR").
std::string LanguageTag(std::string_view language);

// Whether the language is written right to left.
bool IsRightToLeft(std::string_view language);

}  // namespace orvex
