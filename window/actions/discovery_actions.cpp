#include "window/actions/discovery_actions.h"

#include <QItemSelectionModel>

#include "window/actions/view_actions.h"
#include "window/discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/window_context.h"

namespace orvex {

void DiscoveryActions::edtPathChange() {
  if (ctx_.contacts->ScanPath()) idsChange();
}

void DiscoveryActions::idsChange() {
  ctx_.discovery->loose_mode = false;  // the list is rebuilt from the tree: no loose rows remain
  IndexBuild build = ctx_.contacts->BuildIndex();
  ListPanel& list = *ctx_.conversations;
  if (build.close_search_tabs) list.CloseAllSearchTabs();

  const bool had_selection = list.selection()->hasSelection();
  list.FillList(std::move(build.entries));
  ctx_.contacts->ShowIndex(build);
  if (had_selection) views_.msgChange();
}

void DiscoveryActions::edtFilterChange() {
  if (ctx_.contacts->ApplyFilter()) idsChange();
}

void DiscoveryActions::spdSelectAllClick() {
  ctx_.contacts->SelectAllShowing();
  idsChange();
}

void DiscoveryActions::Addtofavorite1Click() {
  for (int row : ctx_.conversations->SelectedRowsInOrder()) {
    const ConversationEntry& e = ctx_.conversations->model()->EntryAt(row);
    ctx_.contacts->AddFavorite({e.path, e.identity, e.friend_name, e.size});
  }
}

void DiscoveryActions::Removefromfavorites1Click() {
  std::size_t removed = 0;
  for (int row : ctx_.conversations->SelectedRowsInOrder()) {
    removed += ctx_.contacts->RemoveFavorite(ctx_.conversations->model()->EntryAt(row).path);
  }
  // The favourites listed show what is left; another list stays as it is.
  if (removed > 0 && ctx_.contacts->ShowsFavorites()) idsChange();
}

void DiscoveryActions::Refresh1Click() {
  idsChange();
}

void DiscoveryActions::spdArchivingClick() {
  ctx_.contacts->FlipArchiving();
}

}  // namespace orvex
