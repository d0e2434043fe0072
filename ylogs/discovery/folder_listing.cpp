#include "folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "profiles_folder.h"

namespace orvex {

bool IsExistingFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void ListFolder(const std::string& prefix, bool read_sizes,
                const std::function<void(const FolderEntry&)>& visit) {
  const auto cut = prefix.rfind(kPathSeparator);
  const std::string folder = cut == std::string::npos ? "." : prefix.substr(0, cut + 1);
  const std::string_view name_start = cut == std::string::npos
                                          ? std::string_view(prefix)
                                          : std::string_view(prefix).substr(cut + 1);

  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return;
  }
  while (const dirent* d = ::readdir(dir)) {
    const std::string_view name(d->d_name);
    if (name.empty() || name.front() == '.' || !name.starts_with(name_start)) continue;
    FolderEntry entry;
    entry.name = name;
    entry.is_folder = d->d_type == DT_DIR;
    if (read_sizes && !entry.is_folder) {
      // Links are followed: the size is that of the file the path opens.
      struct stat st {};
      if (::fstatat(fd, d->d_name, &st, 0) == 0) {
        entry.is_folder = S_ISDIR(st.st_mode);
        if (!entry.is_folder) entry.size = st.st_size;
      }
    }
    visit(entry);
  }
  ::closedir(dir);
}

}  // namespace orvex
