// The search: every listed conversation ranked by the hits of a text, shown
// on a tab of its own.
#pragma once

class QString;

namespace orvex {

class ListPanel;
class LongActionRunner;
class ProgressDisplay;
class RenderChoices;

class SearchActions {
 public:
  SearchActions(ListPanel& list, LongActionRunner& runner, ProgressDisplay* wait_display,
                const RenderChoices& choices)
      : list_(list), runner_(runner), wait_display_(wait_display), choices_(choices) {}

  // Searches the list for the search box's text.
  void btnSearchNextClick(const QString& shown_text);

 private:
  ListPanel& list_;
  LongActionRunner& runner_;
  ProgressDisplay* wait_display_;
  const RenderChoices& choices_;
};

}  // namespace orvex
