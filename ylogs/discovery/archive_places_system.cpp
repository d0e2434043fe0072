#include "archive_places.h"

#include <string_view>

#include "platform/file_system.h"
#include "platform/program_environment.h"

namespace orvex {

#ifndef _WIN32
namespace {

// The subfolders of each folder, in listing order, as "folder/name".
std::vector<std::string> SubfoldersOf(const std::vector<std::string>& folders) {
  std::vector<std::string> found;
  for (const auto& folder : folders) {
    files::ListFolder(
        folder + "/", [](std::string_view) { return true; },
        [&](const files::ListedItem& item) {
          if (item.is_folder && item.name.front() != '.') {
            found.push_back(folder + "/" + std::string(item.name));
          }
        });
  }
  return found;
}

}  // namespace
#endif

PlacesEnvironment PlacesEnvironment::FromSystem() {
  PlacesEnvironment environment;
  environment.program_files = EnvironmentText("PROGRAMFILES");
#ifdef _WIN32
  environment.windows = true;
  environment.program_files_x86 = EnvironmentText("ProgramFiles(x86)");
  environment.program_w6432 = EnvironmentText("ProgramW6432");
  environment.local_app_data = EnvironmentText("LOCALAPPDATA");
#else
  environment.home = EnvironmentText("HOME");
  environment.wine_prefix = EnvironmentText("WINEPREFIX");
  // Where Windows disks are mounted: /media/USER/DISK (and /media/DISK on
  // older systems), /run/media/USER/DISK, /mnt/c under WSL.
  for (auto& disks : {SubfoldersOf(SubfoldersOf({"/media"})), SubfoldersOf({"/media"}),
                      SubfoldersOf(SubfoldersOf({"/run/media"})), SubfoldersOf({"/mnt"})}) {
    environment.disks.insert(environment.disks.end(), disks.begin(), disks.end());
  }
#endif
  return environment;
}

}  // namespace orvex
