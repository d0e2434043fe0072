// What the main window keeps of its settings file between loading and saving.
#pragma once

#include <string>

namespace orvex {

struct SettingsState {
  std::string theme = "default";  // the "Theme" the settings named
};

}  // namespace orvex
