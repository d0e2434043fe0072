// The identity panel of the menu bar: which identity the listed conversations
// belong to, and whether its archiving switch is shown.
#pragma once

#include <optional>
#include <string>
#include "ylogs/base/ui_text.h"

#include "conversation_index.h"

namespace orvex {

inline constexpr const char* kIdentityPanelPrefix = UI_TEXT("Core", "Yahoo ID: ");
inline constexpr const char* kIdentityPanelMultiple = UI_TEXT("Core", "Yahoo ID: multiple");

struct IdentityPanel {
  std::string text = kIdentityPanelPrefix;
  bool archiving_shown = true;
  std::string current_identity;  // the one the archiving switch acts on; empty: none
};

// Applies a build's outcome. Gives the identity whose archiving state is to
// be read and shown (the first one named), or none when the build named none.
std::optional<std::string> ApplyIndexBuild(IdentityPanel& panel, const IndexBuild& build);

}  // namespace orvex
