// The path box, the contact tree and its filter, the conversation index and
// the identity panel with its archiving switch: the window's edges of the
// contact tree panel.
#include <QItemSelectionModel>

#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/tree/contact_tree_panel.h"

namespace orvex {

void TfrmMain::edtPathChange() {
  if (contacts->ScanPath()) idsChange();
}

void TfrmMain::idsChange() {
  discovery_->loose_mode = false;  // the list is rebuilt from the tree: no loose rows remain
  IndexBuild build = contacts->BuildIndex();
  if (build.close_search_tabs) conversations->CloseAllSearchTabs();

  const bool had_selection = conversations->selection()->hasSelection();
  conversations->FillList(std::move(build.entries));
  contacts->ShowIndex(build);
  if (had_selection) msgChange();
}

void TfrmMain::edtFilterChange() {
  if (contacts->ApplyFilter()) idsChange();
}

void TfrmMain::spdSelectAllClick() {
  contacts->SelectAllShowing();
  idsChange();
}

void TfrmMain::Addtofavorite1Click() {
  for (int row : conversations->SelectedRowsInOrder()) {
    const ConversationEntry& e = conversations->model()->EntryAt(row);
    contacts->AddFavorite({e.path, e.identity, e.friend_name, e.size});
  }
}

void TfrmMain::Removefromfavorites1Click() {
  std::size_t removed = 0;
  for (int row : conversations->SelectedRowsInOrder()) {
    removed += contacts->RemoveFavorite(conversations->model()->EntryAt(row).path);
  }
  // The favourites listed show what is left; another list stays as it is.
  if (removed > 0 && contacts->ShowsFavorites()) idsChange();
}

void TfrmMain::Refresh1Click() {
  idsChange();
}

void TfrmMain::spdArchivingClick() {
  contacts->FlipArchiving();
}

}  // namespace orvex
