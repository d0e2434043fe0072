#include "conversation_index.h"

#include <algorithm>

#include "folder_listing.h"
#include "platform/file_system.h"
#include "profiles_scan.h"
#include "ylogs/base/ordered_work.h"
#include "ylogs/discovery/day_copies.h"

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

// One day file as a folder lists it.
struct ListedDay {
  std::string name;
  std::size_t folder = 0;
  std::int64_t size = 0;
};

// Lists a friend's files from one profiles folder straight into the build.
void ListFriend(const std::string& profiles, const ContactTreeData& data, NodeId node,
                IndexBuild& build, IdentityTracker& tracker) {
  const std::string& friend_name =
      data.friend_names.at(static_cast<std::size_t>(data.tree.node(node).name_index));
  const std::string& identity = data.IdentityNameOf(node);
  const std::string folder = FriendFolder(profiles, data, node);
  ListFolder(folder, true, [&](const FolderEntry& entry) {
    build.entries.push_back(EntryForListedFile(folder, friend_name, entry.name, entry.size));
    tracker.FileListed(identity);
  });
}

// A friend's conversations from every profiles folder: each name once, in
// listing order, the copies of a day folded (FoldCopies).
std::vector<ConversationEntry> FriendHistory(const std::vector<std::string>& profiles,
                                             const ContactTreeData& data, NodeId node) {
  const std::string& friend_name =
      data.friend_names.at(static_cast<std::size_t>(data.tree.node(node).name_index));
  std::vector<std::string> folders;
  std::vector<ListedDay> days;
  for (std::size_t f = 0; f < profiles.size(); ++f) {
    folders.push_back(FriendFolder(profiles[f], data, node));
    ListFolder(folders.back(), true, [&](const FolderEntry& entry) {
      days.push_back({std::string(entry.name), f, entry.size});
    });
  }
  std::stable_sort(days.begin(), days.end(), [](const ListedDay& a, const ListedDay& b) {
    return files::ListingOrder(a.name, b.name) < 0;
  });
  std::vector<ConversationEntry> entries;
  for (std::size_t first = 0; first < days.size();) {
    std::size_t end = first;
    std::vector<DayCopy> copies;
    for (; end < days.size() && days[end].name == days[first].name; ++end) {
      copies.push_back({folders[days[end].folder] + days[end].name, days[end].size});
    }
    const std::vector<FoldedDay> folded =
        copies.size() == 1 ? std::vector<FoldedDay>(1) : FoldCopies(copies, FileBeginsFile);
    for (std::size_t k = 0; k < folded.size(); ++k) {
      const ListedDay& shown = days[first + folded[k].shown];
      ConversationEntry entry =
          EntryForListedFile(folders[shown.folder], friend_name, shown.name, shown.size);
      for (std::size_t behind : folded[k].behind) entry.copies.push_back(copies[behind].path);
      entry.copy = static_cast<std::int32_t>(k);
      entries.push_back(std::move(entry));
    }
    first = end;
  }
  return entries;
}

}  // namespace

std::string FriendFolder(const std::string& profiles, const ContactTreeData& data,
                         NodeId friend_node) {
  const TreeNode& n = data.tree.node(friend_node);
  return MessageFolder(profiles, data.IdentityNameOf(friend_node)) +
         data.friend_names.at(static_cast<std::size_t>(n.name_index)) + "/";
}

IndexBuild BuildConversationIndex(const std::vector<std::string>& profiles,
                                  const ContactTreeData& data, const std::vector<NodeId>& selected,
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
  std::vector<NodeId> friends;
  const auto visit = [&](NodeId id) {
    if (data.tree.node(id).kind == nkFriend) friends.push_back(id);
  };
  if (show_all) {
    for (NodeId id = 0; id < data.tree.size(); ++id) visit(id);
  } else {
    for (NodeId id : in_order) visit(id);
  }
  if (profiles.size() == 1) {
    for (NodeId id : friends) ListFriend(profiles.front(), data, id, build, tracker);
    return build;
  }
  // Several folders: each friend's folders are listed and its copies
  // compared on every core, and its conversations taken in the tree's order.
  ProduceInOrder<std::vector<ConversationEntry>>(
      friends.size(), [&](std::size_t i) { return FriendHistory(profiles, data, friends[i]); },
      [&](std::size_t i, std::vector<ConversationEntry>& entries) {
        for (ConversationEntry& entry : entries) {
          build.entries.push_back(std::move(entry));
          tracker.FileListed(data.IdentityNameOf(friends[i]));
        }
        return false;
      });
  return build;
}

}  // namespace orvex
