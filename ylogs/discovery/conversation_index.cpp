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

// A day of a friend as several folders hold it: its copies, in folder order.
struct DayGroup {
  const std::string* friend_name = nullptr;
  const std::string* identity = nullptr;
  std::string name;
  std::vector<std::string> folders;  // each copy's friend folder
  std::vector<DayCopy> copies;
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

// Lists a friend's files from every profiles folder: each name once, in
// listing order, with its copies in folder order.
void GroupFriendDays(const std::vector<std::string>& profiles, const ContactTreeData& data,
                     NodeId node, std::vector<DayGroup>& groups) {
  const std::string& friend_name =
      data.friend_names.at(static_cast<std::size_t>(data.tree.node(node).name_index));
  const std::string& identity = data.IdentityNameOf(node);
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
  for (std::size_t first = 0; first < days.size();) {
    DayGroup group{&friend_name, &identity, days[first].name, {}, {}};
    std::size_t end = first;
    for (; end < days.size() && days[end].name == group.name; ++end) {
      group.folders.push_back(folders[days[end].folder]);
      group.copies.push_back({group.folders.back() + group.name, days[end].size});
    }
    groups.push_back(std::move(group));
    first = end;
  }
}

// The entries of the days: the copies of a day several folders hold are
// folded, files compared on every core, in the days' order.
void AddFoldedDays(const std::vector<DayGroup>& groups, IndexBuild& build,
                   IdentityTracker& tracker) {
  std::vector<std::size_t> several;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (groups[g].copies.size() > 1) several.push_back(g);
  }
  std::vector<std::vector<FoldedDay>> folded(groups.size(), std::vector<FoldedDay>(1));
  ProduceInOrder<std::vector<FoldedDay>>(
      several.size(),
      [&](std::size_t i) { return FoldCopies(groups[several[i]].copies, FileBeginsFile); },
      [&](std::size_t i, std::vector<FoldedDay>& days) {
        folded[several[i]] = std::move(days);
        return false;
      });
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const DayGroup& group = groups[g];
    for (std::size_t k = 0; k < folded[g].size(); ++k) {
      const std::size_t shown = folded[g][k].shown;
      ConversationEntry entry = EntryForListedFile(group.folders[shown], *group.friend_name,
                                                   group.name, group.copies[shown].size);
      for (std::size_t behind : folded[g][k].behind) {
        entry.copies.push_back(group.copies[behind].path);
      }
      entry.copy = static_cast<std::int32_t>(k);
      build.entries.push_back(std::move(entry));
      tracker.FileListed(*group.identity);
    }
  }
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
  // With several folders the days are gathered first, then folded together.
  std::vector<DayGroup> groups;
  const auto visit = [&](NodeId id) {
    if (data.tree.node(id).kind != nkFriend) return;
    if (profiles.size() == 1) {
      ListFriend(profiles.front(), data, id, build, tracker);
    } else {
      GroupFriendDays(profiles, data, id, groups);
    }
  };
  if (show_all) {
    for (NodeId id = 0; id < data.tree.size(); ++id) visit(id);
  } else {
    for (NodeId id : in_order) visit(id);
  }
  AddFoldedDays(groups, build, tracker);
  return build;
}

}  // namespace orvex
