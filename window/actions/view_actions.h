// The view of the list's selection, and the edges of the viewer: its
// options, its theme and "Raw".
#pragma once

#include <string>
#include <vector>

#include "ylogs/discovery/conversation_entry.h"

namespace orvex {

class ListPanel;
class LongActionRunner;
class ProgressDisplay;
class RenderChoices;
class ViewSession;

class ViewActions {
 public:
  ViewActions(ListPanel& list, ViewSession& session, LongActionRunner& runner,
              ProgressDisplay* wait_display, const RenderChoices& choices)
      : list_(list),
        session_(session),
        runner_(runner),
        wait_display_(wait_display),
        choices_(choices) {}

  // Views the list's selection.
  void msgChange();
  // Views these entries: the list's selection as it changed.
  void msgSelectionChange(const std::vector<ConversationEntry>& selected);
  void RefreshBrowser();
  void btnRawClick();
  void cbxThemeChange(const std::string& name);
  void Selectallmessages2Click();
  // Whether the viewer or the statistics show: with neither, nothing is
  // viewed.
  void SetViewShown(bool shown) { view_shown_ = shown; }

 private:
  ListPanel& list_;
  ViewSession& session_;
  LongActionRunner& runner_;
  ProgressDisplay* wait_display_;
  const RenderChoices& choices_;
  bool view_shown_ = true;
};

}  // namespace orvex
