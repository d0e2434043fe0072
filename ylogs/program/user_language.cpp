#include "ylogs/program/user_language.h"

#include <algorithm>

namespace orvex {

const std::vector<std::string>& TranslatedLanguages() {
  static const std::vector<std::string> languages = {"de", "es",    "fr", "pt_BR",
                                                     "ru", "zh_CN", "ar"};
  return languages;
}

std::string MatchLanguage(std::string_view name) {
  // Drop the code set and the modifier: "de_DE.UTF-8@euro" is "de_DE".
  name = name.substr(0, std::min(name.find('.'), name.find('@')));
  if (name.empty() || name == "C" || name == "POSIX") return "en";
  std::string base;
  for (char c : name.substr(0, name.find_first_of("_-"))) {
    base += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  if (base == "en") return "en";
  // One catalogue per language: Portuguese is read in its Brazilian form and
  // Chinese in its simplified one.
  if (base == "pt") return "pt_BR";
  if (base == "zh") return "zh_CN";
  const auto& known = TranslatedLanguages();
  return std::find(known.begin(), known.end(), base) != known.end() ? base : "";
}

std::string SystemLanguage(const std::function<const char*(const char*)>& get_env) {
  auto value = [&](const char* name) {
    const char* v = get_env(name);
    return std::string(v ? v : "");
  };
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = value(name);
    if (!locale.empty()) break;
  }
  // As with gettext, LANGUAGE counts only outside the C locale: LC_ALL=C
  // gives English whatever LANGUAGE says.
  const std::string_view base = std::string_view(locale).substr(0, locale.find('.'));
  const bool c_locale = base.empty() || base == "C" || base == "POSIX";
  const std::string list = c_locale ? std::string() : value("LANGUAGE");
  for (std::size_t start = 0; start < list.size();) {
    std::size_t end = std::min(list.find(':', start), list.size());
    std::string language = MatchLanguage(std::string_view(list).substr(start, end - start));
    if (!language.empty() && end > start) return language;
    start = end + 1;
  }
  const std::string language = MatchLanguage(locale);
  return language.empty() ? "en" : language;
}

std::string LanguageTag(std::string_view language) {
  std::string tag(language);
  std::replace(tag.begin(), tag.end(), '_', '-');
  return tag;
}

bool IsRightToLeft(std::string_view language) {
  return language == "ar";
}

}  // namespace orvex
