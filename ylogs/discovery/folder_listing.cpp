#include "folder_listing.h"

#include "platform/file_system.h"
#include "profiles_folder.h"

namespace orvex {

bool IsExistingFolder(const std::string& path) {
  return files::IsFolder(path);
}

void ListFolder(const std::string& prefix, bool read_sizes,
                const std::function<void(const FolderEntry&)>& visit) {
  const auto cut = prefix.rfind(kPathSeparator);
  const std::string folder = cut == std::string::npos ? "." : prefix.substr(0, cut + 1);
  const std::string_view name_start = cut == std::string::npos
                                          ? std::string_view(prefix)
                                          : std::string_view(prefix).substr(cut + 1);

  auto listed = [&](std::string_view name) {
    return !name.empty() && name.front() != '.' && name.starts_with(name_start);
  };
  // Links are followed: the size is that of the file the path opens.
  files::ListFolder(
      folder, [&](std::string_view name) { return read_sizes && listed(name); },
      [&](const files::ListedItem& item) {
        if (listed(item.name)) visit(FolderEntry{item.name, item.is_folder, item.size});
      });
}

}  // namespace orvex
