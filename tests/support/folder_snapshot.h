// Every entry below a folder with its kind, bytes (files) and modification
// time to the nanosecond: two snapshots compare equal when nothing below the
// folder was written, created or removed.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "ylogs/base/file_error.h"

namespace orvex::testing {

struct EntryStamp {
  bool folder = false;
  std::string bytes;
  std::int64_t mtime_ns = 0;
  bool operator==(const EntryStamp&) const = default;
};

using FolderSnapshot = std::map<std::string, EntryStamp>;

inline FolderSnapshot TakeSnapshot(const std::string& root) {
  FolderSnapshot snap;
  for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
    struct stat st {};
    ::lstat(e.path().c_str(), &st);
    EntryStamp s;
    s.folder = S_ISDIR(st.st_mode);
    if (S_ISREG(st.st_mode)) s.bytes = ReadWholeFile(e.path());
    s.mtime_ns = std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    snap[e.path().string()] = s;
  }
  return snap;
}

}  // namespace orvex::testing
