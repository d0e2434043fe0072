#include "window/actions/search_actions.h"

#include <cstdint>
#include <string>
#include <vector>

#include "qt_platform/qt_text.h"
#include "window/actions/render_choices.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "ylogs/base/finally.h"
#include "ylogs/views/search.h"

namespace orvex {

void SearchActions::btnSearchNextClick(const QString& shown_text) {
  ListPanel& list = list_;
  if (shown_text.isEmpty()) return;
  const std::string text = ToAnsi(shown_text);
  std::vector<std::int32_t> counts;  // one per entry searched, in list order

  const int total = list.model().rowCount();
  std::vector<std::string> paths;
  paths.reserve(static_cast<std::size_t>(total));
  for (const ConversationEntry& e : list.model().entries()) paths.push_back(e.path);

  // After the wait panel has gone, whatever happened: the new tab with the
  // counts gathered. A search the runner refused (another long action runs)
  // adds none.
  bool started = false;
  const Finally add_tab([&] {
    if (!started) return;
    std::vector<std::string> hit_counts;  // the search list keeps decimal texts
    hit_counts.reserve(counts.size());
    for (std::int32_t c : counts) hit_counts.push_back(std::to_string(c));
    list.AddSearchTab(shown_text, text, std::move(hit_counts), std::move(paths));
  });
  const RenderSettings settings = choices_.Settings(list.highlight());
  RenderState state;  // the statistics keep counting the view, not the search
  runner_.Execute({wait_display_, total, total > 30}, [&](LongActionRunner::Run& run) {
    started = true;
    SearchFiles(paths, text, settings, state, counts, [&](std::size_t searched) {
      list.SetRank(static_cast<int>(searched) - 1, counts.back());
      // "Cancel" is taken before the window's turn: a press during the
      // turn stops the search after the next file.
      run.SetPosition(static_cast<int>(searched));
      run.SetText(FilesDoneText(searched, paths.size(), FilesDone::kSearched));
      if (run.TakeCancel()) return true;
      run.Yield();
      return false;
    });
  });
}

}  // namespace orvex
