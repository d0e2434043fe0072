#include "archive_file_guard.h"

#include <functional>
#include <map>
#include <optional>

#include "platform/file_system.h"
#include "ylogs/base/file_error.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/folder_listing.h"
#include "ylogs/discovery/profiles_scan.h"

namespace orvex {
std::string ArchiveFileRefusal(const std::string& path) {
  return "Cannot write \"" + path +
         "\": it is an archive file, and archive files are never changed.";
}

void ArchiveFileGuard::AddProfilesFolder(const std::string& profiles) {
  profiles_.push_back(profiles);
}

void ArchiveFileGuard::AddFile(const std::string& path) {
  files_.push_back(path);
}

void ArchiveFileGuard::VisitArchiveFiles(
    const std::function<bool(const std::string&)>& visit) const {
  for (const std::string& file : files_) {
    if (!visit(file)) return;
  }
  bool more = true;
  for (const std::string& profiles : profiles_) {
    const std::optional<ContactTreeData> data = ScanProfiles(profiles);
    if (!data) continue;
    for (NodeId id = 0; more && id < data->tree.size(); ++id) {
      if (data->tree.node(id).kind != nkFriend) continue;
      const std::string folder = FriendFolder(profiles, *data, id);
      ListFolder(folder, false, [&](const FolderEntry& entry) {
        if (more && !entry.is_folder) more = visit(folder + std::string(entry.name));
      });
    }
    if (!more) return;
  }
}

void ArchiveFileGuard::CheckTargets(const std::vector<std::string>& targets) const {
  // Most targets do not exist yet: the archive is only listed when one does.
  std::map<FileId, std::size_t> existing;  // identity -> first target leading there
  for (std::size_t i = 0; i < targets.size(); ++i) {
    if (const auto id = files::FileIdentity(targets[i])) existing.try_emplace(*id, i);
  }
  if (existing.empty()) return;
  std::size_t first = targets.size();
  VisitArchiveFiles([&](const std::string& file) {
    const auto id = files::FileIdentity(file);
    if (!id) return true;
    const auto found = existing.find(*id);
    if (found != existing.end() && found->second < first) first = found->second;
    return first != 0;  // the first target cannot be bettered
  });
  if (first < targets.size()) throw UserError(ArchiveFileRefusal(targets[first]));
}

}  // namespace orvex
