// Building the conversation list for a selection of the contact tree.
#pragma once

#include <string>
#include <vector>

#include "contact_tree.h"
#include "conversation_entry.h"
#include "favorites.h"

namespace orvex {

// What a build does to the identity panel.
enum class PanelChange {
  kUnchanged,    // nothing listed from the tree, or the favourites listed
  kOneIdentity,  // every listed file belongs to shown_identity
  kMultiple,     // files of several identities; shown_identity was the first
};

struct IndexBuild {
  std::vector<ConversationEntry> entries;  // in build order
  bool close_search_tabs = false;
  // A build from the tree starts by clearing the current identity; one from
  // the favourites leaves it alone.
  bool resets_current_identity = false;
  PanelChange panel = PanelChange::kUnchanged;
  std::string shown_identity;  // the identity named first (empty when unchanged)
};

// The friend folder of a friend node: its identity's message folder + its name + "/".
std::string FriendFolder(const std::string& profiles, const ContactTreeData& data,
                         NodeId friend_node);

// Builds the list for the selected nodes (any order, ids of data.tree). The
// first selected node in tree order decides: the favourites node lists the
// favourites; "Show all" lists every friend of the tree; otherwise the
// selected friend nodes are listed in tree order (identities add nothing).
// Friend folders are read from their listings only; one that cannot be listed
// adds nothing. Names beginning with "." are left out.
// With several profiles folders (the main one first; data from ScanProfiles
// of them all) a friend's files are those of every folder, each name once in
// listing order; a day several folders hold is folded (FoldCopies): its
// conversations follow one another, each entry naming the copies behind it.
IndexBuild BuildConversationIndex(const std::vector<std::string>& folders,
                                  const ContactTreeData& data, const std::vector<NodeId>& selected,
                                  const FavoritesList& favorites);

// The list of one profiles folder.
inline IndexBuild BuildConversationIndex(const std::string& profiles, const ContactTreeData& data,
                                         const std::vector<NodeId>& selected,
                                         const FavoritesList& favorites) {
  return BuildConversationIndex(std::vector<std::string>{profiles}, data, selected, favorites);
}

}  // namespace orvex
