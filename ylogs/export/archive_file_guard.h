// What no save or export may write over: the archive files the window reads.
// A name rule can land on one (a folder inside the archive tree, a save name
// that already holds ".html"), and the program never changes an archive
// file, so every route checks its targets here before it writes anything.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orvex {

class ArchiveFileGuard {
 public:
  // Every file listed in every friend folder of this profiles folder, as a
  // scan finds it when the check runs (not only the conversations listed:
  // a name rule can land in any friend's folder).
  void AddProfilesFolder(const std::string& profiles);
  // One archive file more (a loose file, a favourite, a listed conversation).
  void AddFile(const std::string& path);

  // Throws UserError naming the first target that is one of the archive
  // files; nothing when none is. Files are compared by identity (device and
  // inode, links followed), so no spelling of a path, symbolic link or hard
  // link gets past. A target that does not exist yet is never one.
  void CheckTargets(const std::vector<std::string>& targets) const;
  void CheckTarget(const std::string& target) const { CheckTargets({target}); }

 private:
  using FileId = std::pair<std::uint64_t, std::uint64_t>;  // device, inode
  // Calls `visit` with every archive file's path until it returns false.
  void VisitArchiveFiles(const std::function<bool(const std::string&)>& visit) const;

  std::vector<std::string> profiles_;
  std::vector<std::string> files_;
};

// The refusal's text: Cannot write "<path>": it is an archive file, ...
std::string ArchiveFileRefusal(const std::string& path);

}  // namespace orvex
