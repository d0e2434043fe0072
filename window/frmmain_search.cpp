// The search: every listed conversation ranked by the hits of a text, shown
// on a tab of its own.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeView>

#include "qt_platform/qt_text.h"
#include "widgets/tab_strip.h"
#include "window/frmmain.h"
#include "window/frmmain_run_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "ylogs/program/finally.h"
#include "ylogs/views/search.h"

namespace orvex {

void TfrmMain::btnSearchNextClick() {
  const QString shown_text = conversations->search_text();
  if (shown_text.isEmpty()) return;
  if (run_->runner->busy()) return;  // one long action at a time
  const std::string text = ToAnsi(shown_text);
  std::vector<std::int32_t> counts;  // one per entry searched, in list order

  const int total = conversations->model()->rowCount();
  std::vector<std::string> paths;
  paths.reserve(static_cast<std::size_t>(total));
  for (const ConversationEntry& e : conversations->model()->entries()) paths.push_back(e.path);

  // After the wait panel has gone, whatever happened: the new tab with the
  // counts gathered.
  const Finally add_tab([&] {
    std::vector<std::string> hit_counts;  // the search list keeps decimal texts
    hit_counts.reserve(counts.size());
    for (std::int32_t c : counts) hit_counts.push_back(std::to_string(c));
    conversations->AddSearchTab(shown_text, text, std::move(hit_counts), std::move(paths));
  });
  const RenderSettings settings = CurrentRenderSettings();
  RenderState state;  // the statistics keep counting the view, not the search
  run_->runner->Execute(
      {run_->wait_display.get(), total, total > 30}, [&](LongActionRunner::Run& run) {
        SearchFiles(paths, text, settings, state, counts, [&](std::size_t searched) {
          conversations->model()->SetRank(static_cast<int>(searched) - 1, counts.back());
          run.SetPosition(static_cast<int>(searched));
          run.SetText(FilesDoneText(searched, paths.size(), "searched"));
          if (run.TakeCancel()) return true;
          run.Yield();
          return false;
        });
      });
}

}  // namespace orvex
