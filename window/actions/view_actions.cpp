#include "window/actions/view_actions.h"

#include "window/actions/render_choices.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/viewer/view_session.h"

namespace orvex {

void ViewActions::msgChange() {
  msgSelectionChange(list_.SelectedEntries());
}

void ViewActions::msgSelectionChange(const std::vector<ConversationEntry>& selected) {
  if (!view_shown_) return;
  if (runner_.busy()) {
    // The selection changed while a long action runs: build once it ends.
    session_.ViewLater();
    return;
  }
  std::vector<std::string> paths;
  paths.reserve(selected.size());
  for (const ConversationEntry& e : selected) paths.push_back(e.path);
  session_.Show(paths, choices_.Settings(list_.highlight()), runner_, wait_display_,
                choices_.TodayText());
}

void ViewActions::RefreshBrowser() {
  msgChange();
}

void ViewActions::btnRawClick() {
  session_.FlipFormatCodes();
  msgChange();
}

void ViewActions::cbxThemeChange(const std::string& name) {
  session_.LoadTheme(name);
  RefreshBrowser();
}

void ViewActions::Selectallmessages2Click() {
  list_.SelectAll();
}

}  // namespace orvex
