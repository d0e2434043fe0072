// Directory listings as the scan and the index need them: names in the order
// the file system gives them, with sizes only where they are asked for.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvex {

// Whether the path names an existing folder (a link to one counts).
bool IsExistingFolder(const std::string& path);

struct FolderEntry {
  std::string_view name;
  bool is_folder = false;
  std::int64_t size = 0;  // 0 for folders and when sizes are not read
};

// Lists the entries matching `prefix` + "*": those of the folder up to the
// prefix's last separator whose names begin with the rest of it (all of them
// when the prefix ends in a separator). Names beginning with "." (hidden ones,
// "." and "..") are left out. A folder that cannot be listed lists nothing.
// With read_sizes, each entry that is not known to be a folder costs one stat.
void ListFolder(const std::string& prefix, bool read_sizes,
                const std::function<void(const FolderEntry&)>& visit);

}  // namespace orvex
