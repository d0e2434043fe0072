// The main window's state of the conversation list: its model, the selection
// by entry, the sort, and the searches its tabs show.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ylogs/views/conversation_list.h"

class QItemSelectionModel;

namespace orvex {

class ConversationModel;

struct ListState {
  ConversationModel* model = nullptr;        // owned by the window
  QItemSelectionModel* selection = nullptr;  // rows of `model`, owned by the window
  SortState sort;
  // Per search tab: the words searched and the hit count of each file, as
  // decimal texts.
  std::vector<std::pair<std::string, std::vector<std::string>>> search_list;
  // Per search tab: the path of each file in the order it was searched, so
  // that a count finds its entry after any later sort.
  std::vector<std::vector<FileNameBytes>> searched_paths;
};

}  // namespace orvex
