#include "window/actions/discovery_actions.h"

#include <QItemSelectionModel>

#include "window/actions/view_actions.h"
#include "window/discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "ylogs/discovery/conversation_index.h"

namespace orvex {

void DiscoveryActions::idsChange(const IndexBuild& selected) {
  discovery_.loose_mode = false;  // the list is rebuilt from the tree: no loose rows remain
  if (selected.close_search_tabs) list_.CloseAllSearchTabs();
  const bool had_selection = list_.selection().hasSelection();
  list_.FillList(selected.entries);
  if (had_selection) views_.msgChange();
}

void DiscoveryActions::Addtofavorite1Click() {
  for (const ConversationEntry& e : list_.SelectedEntries()) {
    contacts_.AddFavorite({e.path, e.identity, e.friend_name, e.size});
  }
}

void DiscoveryActions::Removefromfavorites1Click() {
  std::size_t removed = 0;
  for (const ConversationEntry& e : list_.SelectedEntries()) {
    removed += contacts_.RemoveFavorite(e.path);
  }
  // The favourites listed show what is left; another list stays as it is.
  if (removed > 0 && contacts_.ShowsFavorites()) contacts_.Relist();
}

void DiscoveryActions::Refresh1Click() {
  contacts_.Relist();
}

}  // namespace orvex
