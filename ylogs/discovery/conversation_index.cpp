#include "conversation_index.h"

#include <algorithm>

#include "folder_listing.h"
#include "profiles_scan.h"

namespace orvex {
namespace {

// Follows the identity panel through a build, file by file.
class IdentityTracker {
 public:
  explicit IdentityTracker(IndexBuild& build) : build_(build) {}

  void FileListed(const std::string& id) {
    if (id == build_.shown_identity) return;
    if (build_.panel == PanelChange::kUnchanged) {
      build_.panel = PanelChange::kOneIdentity;
      build_.shown_identity = id;
    } else {
      build_.panel = PanelChange::kMultiple;
    }
  }

 private:
  IndexBuild& build_;
};

void ListFriend(const std::string& profiles, const ContactTreeData& data, NodeId node,
                IndexBuild& build, IdentityTracker& tracker) {
  const std::string folder = FriendFolder(profiles, data, node);
  const std::string& friend_name =
      data.friend_names.at(static_cast<std::size_t>(data.tree.node(node).name_index));
  const std::string& identity = data.IdentityNameOf(node);
  ListFolder(folder, true, [&](const FolderEntry& entry) {
    build.entries.push_back(EntryForListedFile(folder, friend_name, entry.name, entry.size));
    tracker.FileListed(identity);
  });
}

}  // namespace

std::string FriendFolder(const std::string& profiles, const ContactTreeData& data,
                         NodeId friend_node) {
  const TreeNode& n = data.tree.node(friend_node);
  return MessageFolder(profiles, data.IdentityNameOf(friend_node)) +
         data.friend_names.at(static_cast<std::size_t>(n.name_index)) + "/";
}

IndexBuild BuildConversationIndex(const std::string& profiles, const ContactTreeData& data,
                                  const std::vector<NodeId>& selected,
                                  const FavoritesList& favorites) {
  IndexBuild build;
  std::vector<NodeId> in_order = selected;
  std::sort(in_order.begin(), in_order.end());
  in_order.erase(std::unique(in_order.begin(), in_order.end()), in_order.end());

  if (!in_order.empty() && data.tree.node(in_order.front()).kind == nkFavorites) {
    for (const FavoriteEntry& favorite : favorites.entries()) {
      build.entries.push_back(EntryForFavorite(favorite));
    }
    return build;
  }

  build.close_search_tabs = true;
  build.resets_current_identity = true;
  const bool show_all = !in_order.empty() && data.tree.node(in_order.front()).kind == nkShowAll;
  IdentityTracker tracker(build);
  const auto visit = [&](NodeId id) {
    if (data.tree.node(id).kind == nkFriend) ListFriend(profiles, data, id, build, tracker);
  };
  if (show_all) {
    for (NodeId id = 0; id < data.tree.size(); ++id) visit(id);
  } else {
    for (NodeId id : in_order) visit(id);
  }
  return build;
}

}  // namespace orvex
