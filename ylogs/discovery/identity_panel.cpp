#include "identity_panel.h"

namespace orvex {

std::optional<std::string> ApplyIndexBuild(IdentityPanel& panel, const IndexBuild& build) {
  if (build.resets_current_identity) panel.current_identity.clear();
  switch (build.panel) {
    case PanelChange::kUnchanged:
      return std::nullopt;
    case PanelChange::kOneIdentity:
      panel.text = kIdentityPanelPrefix + build.shown_identity;
      panel.archiving_shown = true;
      break;
    case PanelChange::kMultiple:
      panel.text = kIdentityPanelMultiple;
      panel.archiving_shown = false;
      break;
  }
  panel.current_identity = build.shown_identity;
  return build.shown_identity;
}

}  // namespace orvex
