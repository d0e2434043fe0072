// The system's ANSI code page, chosen as the system the archives come from
// chooses it: a value in the registry, else the system's own (the user's
// language on POSIX, GetACP() on Windows).
#pragma once

#include <string>
#include <string_view>

namespace orvex {

class Registry;

// Where the system keeps its code page, and the value that names it (a
// decimal code page number).
inline constexpr char kCodePageKey[] = "SYSTEM/CurrentControlSet/Control/Nls/CodePage";
inline constexpr char kCodePageValue[] = "ACP";

// The locale variables the language is read from.
struct LanguageEnvironment {
  std::string lc_all;
  std::string lc_ctype;
  std::string lang;
  // The running process's variables.
  static LanguageEnvironment FromProcess();
};

// The locale that decides text: LC_ALL, else LC_CTYPE, else LANG (the first
// that is set and not empty); empty when none is.
std::string_view UserLocale(const LanguageEnvironment& env);

// The ANSI code page of a locale name such as "ru_RU.UTF-8", "sr_RS@latin" or
// "el": the page of its language, 1252 for any other language and for C/POSIX,
// and UTF-8 (65001) for the languages whose own pages are double-byte.
int CodePageForLocale(std::string_view locale);

// The pages the program converts: 874, 1250 to 1258, 65001.
bool IsSupportedSystemCodePage(int number);

// The page when the registry names none: on POSIX the language's
// (CodePageForLocale(UserLocale(env))); on Windows the ANSI code page from
// GetACP(), or UTF-8 (65001) when the program does not convert that page.
// Defined in program_environment_posix.cpp and win/program_environment_win.cpp.
int SystemDefaultCodePage(const LanguageEnvironment& env);

struct CodePageChoice {
  int code_page = 1252;
  // The registry's value when it names no supported page (it is then left
  // aside); empty otherwise.
  std::string unsupported_value;
};

// The registry's value when it names a supported page, else
// SystemDefaultCodePage(env). `registry` may be null (no registry: the
// system's page decides).
CodePageChoice ChooseSystemCodePage(Registry* registry, const LanguageEnvironment& env);

// The message shown once at start-up when the registry's value was left aside.
std::string UnsupportedCodePageText(const CodePageChoice& choice);

}  // namespace orvex
