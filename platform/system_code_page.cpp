#include "system_code_page.h"

#include <algorithm>
#include <cstdlib>

#include "registry.h"

namespace orvex {
namespace {

struct LanguagePage {
  const char* language;
  int code_page;
};

// Languages whose system locale has an ANSI code page other than 1252.
// Serbian is Cyrillic unless the locale names the Latin script.
constexpr LanguagePage kLanguagePages[] = {
    {"th", 874},  {"cs", 1250},  {"hu", 1250},  {"pl", 1250},  {"ro", 1250}, {"hr", 1250},
    {"sk", 1250}, {"sl", 1250},  {"sq", 1250},  {"bs", 1250},  {"ru", 1251}, {"uk", 1251},
    {"be", 1251}, {"bg", 1251},  {"mk", 1251},  {"sr", 1251},  {"kk", 1251}, {"ky", 1251},
    {"tt", 1251}, {"mn", 1251},  {"el", 1253},  {"tr", 1254},  {"az", 1254}, {"he", 1255},
    {"ar", 1256}, {"fa", 1256},  {"ur", 1256},  {"et", 1257},  {"lv", 1257}, {"lt", 1257},
    {"vi", 1258}, {"ja", 65001}, {"zh", 65001}, {"ko", 65001},
};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A decimal number of at most nine digits, nothing else.
bool ParseCodePage(std::string_view text, int& number) {
  if (text.empty() || text.size() > 9) return false;
  number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  return true;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

LanguageEnvironment LanguageEnvironment::FromProcess() {
  return {Variable("LC_ALL"), Variable("LC_CTYPE"), Variable("LANG")};
}

std::string_view UserLocale(const LanguageEnvironment& env) {
  for (const std::string* value : {&env.lc_all, &env.lc_ctype, &env.lang}) {
    if (!value->empty()) return *value;
  }
  return {};
}

int CodePageForLocale(std::string_view locale) {
  const std::string lower = Lower(locale);
  const std::string language = lower.substr(0, lower.find_first_of("_.@-:"));
  if (language == "sr" &&
      (lower.find("latin") != std::string::npos || lower.find("latn") != std::string::npos)) {
    return 1250;
  }
  for (const LanguagePage& entry : kLanguagePages) {
    if (language == entry.language) return entry.code_page;
  }
  return 1252;
}

bool IsSupportedSystemCodePage(int number) {
  return number == 874 || (number >= 1250 && number <= 1258) || number == 65001;
}

CodePageChoice ChooseSystemCodePage(Registry* registry, const LanguageEnvironment& env) {
  CodePageChoice choice;
  choice.code_page = SystemDefaultCodePage(env);
  if (!registry) return choice;
  std::string value;
  try {
    value = registry->ReadString(kCodePageKey, kCodePageValue);
  } catch (const RegistryError&) {
    return choice;  // an unreadable registry sets no code page, as an empty one
  }
  if (Trimmed(value).empty()) return choice;
  int number = 0;
  if (ParseCodePage(Trimmed(value), number) && IsSupportedSystemCodePage(number)) {
    choice.code_page = number;
  } else {
    choice.unsupported_value = value;
  }
  return choice;
}

std::string UnsupportedCodePageText(const CodePageChoice& choice) {
  return "The system code page \"" + choice.unsupported_value +
         "\" is not supported (874, 1250 to 1258 or 65001); code page " +
         std::to_string(choice.code_page) + " is used.";
}

}  // namespace orvex
