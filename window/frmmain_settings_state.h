// What the main window keeps of its settings file between loading and saving.
#pragma once

#include <string>

namespace orvex {

struct SettingsState {
  std::string theme = "default";  // the "Theme" the settings named
  // They could not be read at start-up: saving the defaults in their place
  // would lose them, so they are not saved.
  bool unreadable = false;
};

}  // namespace orvex
