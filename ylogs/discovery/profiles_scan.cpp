#include "profiles_scan.h"

#include <algorithm>

#include "folder_listing.h"
#include "platform/file_system.h"

namespace orvex {

std::string MessageFolder(const std::string& profiles, const std::string& identity) {
  return profiles + identity + kMessagesSubfolder;
}

std::optional<ContactTreeData> ScanProfiles(const std::string& profiles) {
  if (!IsExistingFolder(profiles)) return std::nullopt;
  ContactTreeData data;
  data.tree.AddTopLevel(nkShowAll);
  data.tree.AddTopLevel(nkFavorites);
  ListFolder(profiles, false, [&](const FolderEntry& entry) {
    if (entry.name == "My Icons" || entry.name == "iconindex.dat") return;
    std::string name(entry.name);
    const std::string messages = MessageFolder(profiles, name);
    if (!IsExistingFolder(messages)) return;
    data.identity_names.push_back(std::move(name));
    const NodeId identity = data.tree.AddTopLevel(
        nkIdentity, static_cast<std::int32_t>(data.identity_names.size() - 1));
    ListFolder(messages, false, [&](const FolderEntry& friend_entry) {
      data.friend_names.emplace_back(friend_entry.name);
      data.tree.AddChild(identity, nkFriend,
                         static_cast<std::int32_t>(data.friend_names.size() - 1));
    });
  });
  return data;
}

std::optional<ContactTreeData> ScanProfiles(const std::vector<std::string>& folders) {
  if (folders.empty()) return std::nullopt;
  std::optional<ContactTreeData> main = ScanProfiles(folders.front());
  if (!main || folders.size() == 1) return main;
  // Each identity's friend names, from every folder.
  std::vector<std::pair<std::string, std::vector<std::string>>> identities;
  auto gather = [&](const ContactTreeData& data) {
    for (NodeId id : data.tree.top_level()) {
      const TreeNode& node = data.tree.node(id);
      if (node.kind != nkIdentity) continue;
      const std::string& name = data.identity_names.at(static_cast<std::size_t>(node.name_index));
      auto it = std::find_if(identities.begin(), identities.end(),
                             [&](const auto& known) { return known.first == name; });
      if (it == identities.end()) it = identities.insert(identities.end(), {name, {}});
      for (NodeId child : node.children) {
        it->second.push_back(
            data.friend_names.at(static_cast<std::size_t>(data.tree.node(child).name_index)));
      }
    }
  };
  gather(*main);
  for (std::size_t i = 1; i < folders.size(); ++i) {
    if (std::optional<ContactTreeData> other = ScanProfiles(folders[i])) gather(*other);
  }
  auto listing_less = [](const std::string& a, const std::string& b) {
    return files::ListingOrder(a, b) < 0;
  };
  std::sort(identities.begin(), identities.end(),
            [&](const auto& a, const auto& b) { return listing_less(a.first, b.first); });
  ContactTreeData data;
  data.tree.AddTopLevel(nkShowAll);
  data.tree.AddTopLevel(nkFavorites);
  for (auto& [name, friends] : identities) {
    std::sort(friends.begin(), friends.end(), listing_less);
    friends.erase(std::unique(friends.begin(), friends.end()), friends.end());
    data.identity_names.push_back(name);
    const NodeId identity = data.tree.AddTopLevel(
        nkIdentity, static_cast<std::int32_t>(data.identity_names.size() - 1));
    for (std::string& friend_name : friends) {
      data.friend_names.push_back(std::move(friend_name));
      data.tree.AddChild(identity, nkFriend,
                         static_cast<std::int32_t>(data.friend_names.size() - 1));
    }
  }
  return data;
}

}  // namespace orvex
