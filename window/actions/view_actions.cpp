#include "window/actions/view_actions.h"

#include <string>
#include <vector>

#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/run_state.h"
#include "window/statistics/statistics_panel.h"
#include "window/viewer/viewer_panel.h"
#include "window/window_context.h"

namespace orvex {

void ViewActions::msgChange() {
  if (!ctx_.statistics->isVisibleTo(ctx_.window) && !ctx_.viewer->isVisibleTo(ctx_.window)) return;
  RunState& run = *ctx_.run;
  if (run.runner->busy()) {
    // The selection changed while a long action runs: build once it ends.
    run.view_again = true;
    return;
  }
  const std::vector<int> rows = ctx_.conversations->SelectedRowsInOrder();
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(ctx_.conversations->model()->EntryAt(row).path);
  ctx_.viewer->ShowConversations(paths, ctx_.CurrentRenderSettings(), *run.runner,
                                 run.wait_display.get(), ctx_.TodayText());
}

void ViewActions::RefreshBrowser() {
  msgChange();
}

void ViewActions::btnRawClick() {
  ctx_.viewer->FlipFormatCodes();
  msgChange();
}

void ViewActions::applyClick() {
  ctx_.run->cancel_request = true;
}

void ViewActions::LoadTheme() {
  ctx_.viewer->LoadTheme();
}

void ViewActions::cbxThemeChange() {
  LoadTheme();
  RefreshBrowser();
}

void ViewActions::vsStatRepaint() {
  ctx_.statistics->ShowCounters(ctx_.viewer->counters());
}

void ViewActions::msgHeaderClick(int column) {
  ctx_.conversations->SortBy(column);
}

void ViewActions::TabSetChange(int tab) {
  ctx_.conversations->ShowTab(tab);
}

void ViewActions::CloseActiveSearchTab() {
  ctx_.conversations->CloseActiveSearchTab();
}

void ViewActions::Selectallmessages2Click() {
  ctx_.conversations->SelectAll();
}

}  // namespace orvex
