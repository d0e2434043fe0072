#include "site_language.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

#include "ylogs/program/user_language.h"

namespace orvex::cli {
namespace {

std::string Known(const std::string& language) {
  return language.empty() ? "en" : language;
}

#ifdef _WIN32
// The language Windows speaks to its user ("de", "pt"), not its formats'.
std::string SystemSiteLanguage() {
  char name[16] = {};
  const LCID user = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (GetLocaleInfoA(user, LOCALE_SISO639LANGNAME, name, sizeof name) == 0) return "en";
  return Known(MatchLanguage(name));
}
#else
std::string SystemSiteLanguage() {
  return Known(SystemLanguage([](const char* name) { return std::getenv(name); }));
}
#endif

}  // namespace

std::string SiteLanguage(const std::optional<std::string>& given) {
  return given ? Known(MatchLanguage(*given)) : SystemSiteLanguage();
}

}  // namespace orvex::cli
