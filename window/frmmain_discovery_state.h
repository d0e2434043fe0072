// The main window's state of the contact tree, the favourites and loose files.
#pragma once

#include <string>
#include <vector>

#include "ylogs/discovery/contact_tree.h"
#include "ylogs/discovery/favorites.h"
#include "ylogs/discovery/identity_panel.h"

class QTreeWidgetItem;

namespace orvex {

struct DiscoveryState {
  ContactTreeData data;                 // names and nodes of the last scan
  std::string scanned_profiles;         // the profiles folder that scan read
  std::vector<QTreeWidgetItem*> items;  // the tree's items, by node
  QTreeWidgetItem* favorites_node = nullptr;
  FavoritesList favorites;
  IdentityPanel panel;
  // The last profiles folder the user chose in this run that held profiles;
  // empty: none. Kept in the settings at close.
  std::string chosen_profiles;

  bool loose_mode = false;
  std::vector<std::string> loose_files;
  std::string loose_user_name;
  std::string loose_friend_name;
};

}  // namespace orvex
