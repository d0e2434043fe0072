// The rule of the configuration folder's place, apart from the system it is
// looked up on (user_config.cpp, win/user_config_win.cpp).
#include "user_config.h"

namespace orvex {

std::string ConfigHome(const char* xdg_config_home, std::string_view home) {
  if (xdg_config_home && xdg_config_home[0] == '/') return xdg_config_home;
  std::string folder(home);
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + ".config";
}

}  // namespace orvex
