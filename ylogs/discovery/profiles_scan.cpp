#include "profiles_scan.h"

#include "folder_listing.h"

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

}  // namespace orvex
