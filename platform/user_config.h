// The current user's configuration folder, where the registry stand-in and a
// per-user settings file live.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

// $XDG_CONFIG_HOME when it is an absolute path, otherwise <home>/.config.
std::string ConfigHome(const char* xdg_config_home, std::string_view home);

// The same for the running process: its environment, else the account's home.
std::string UserConfigHome();

}  // namespace orvex
