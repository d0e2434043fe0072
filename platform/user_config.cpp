#include "user_config.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace orvex {
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return ".";
}

}  // namespace

std::string UserConfigHome() {
  return ConfigHome(std::getenv("XDG_CONFIG_HOME"), HomeFolder());
}

}  // namespace orvex
