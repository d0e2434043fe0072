#include "archive_places.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/file_system.h"
#include "profiles_folder.h"
#include "profiles_scan.h"

namespace orvex {

namespace {

// The two programs folders of a Windows disk, as a disk or a Wine prefix's
// "drive_c" names them.
constexpr std::string_view kProgramsFolders[] = {"Program Files", "Program Files (x86)"};

// Where a user's copies of the programs folders lie (VirtualStore), as
// today's Windows and old Wine versions name it below the user's folder.
constexpr std::string_view kVirtualStores[] = {"AppData/Local/VirtualStore/",
                                               "Local Settings/Application Data/VirtualStore/"};

// The folder text and a name below it, with one separator between them.
std::string Below(const std::string& folder, std::string_view name) {
  std::string path = WithFinalSeparator(folder);
  path += name;
  return path;
}

// A programs folder without its drive and its separators at either end:
// "C:/Program Files (x86)/" gives "Program Files (x86)".
std::string WithoutDrive(std::string_view folder) {
  if (folder.size() >= 2 && folder[1] == ':') folder.remove_prefix(2);
  while (!folder.empty() && folder.front() == kPathSeparator) folder.remove_prefix(1);
  while (!folder.empty() && folder.back() == kPathSeparator) folder.remove_suffix(1);
  return std::string(folder);
}

// The subfolders of a folder in listing order, hidden ones left out; none
// when it cannot be listed.
std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> names;
  files::ListFolder(
      WithFinalSeparator(folder), [](std::string_view) { return true; },
      [&](const files::ListedItem& item) {
        if (item.is_folder && !item.name.empty() && item.name.front() != '.') {
          names.emplace_back(item.name);
        }
      });
  return names;
}

// The places of a Windows disk as seen from Linux: its programs folders, then
// each user's copies of them in the first `store_count` VirtualStore folders.
// `users` names the disk's folder of user folders.
void AddDiskPlaces(const std::string& root, std::string_view users, std::size_t store_count,
                   std::vector<std::string>& places) {
  for (const auto programs : kProgramsFolders) {
    places.push_back(DefaultProfilesFolder(Below(root, programs)));
  }
  const std::string users_folder = Below(root, users);
  for (const auto& user : Subfolders(users_folder)) {
    for (std::size_t i = 0; i < store_count; ++i) {
      const std::string store = Below(Below(users_folder, user), kVirtualStores[i]);
      for (const auto programs : kProgramsFolders) {
        places.push_back(DefaultProfilesFolder(Below(store, programs)));
      }
    }
  }
}

}  // namespace

std::vector<std::string> ArchivePlaces(const PlacesEnvironment& environment) {
  std::vector<std::string> places;
  if (!environment.program_files.empty()) {
    places.push_back(DefaultProfilesFolder(environment.program_files));
  }
  if (environment.windows) {
    std::vector<std::string> programs_folders;
    for (const auto* folder :
         {&environment.program_files, &environment.program_files_x86, &environment.program_w6432}) {
      if (folder->empty()) continue;
      programs_folders.push_back(*folder);
      places.push_back(DefaultProfilesFolder(*folder));
    }
    if (!environment.local_app_data.empty()) {
      const std::string store = Below(environment.local_app_data, "VirtualStore");
      for (const auto& folder : programs_folders) {
        places.push_back(DefaultProfilesFolder(Below(store, WithoutDrive(folder))));
      }
    }
  } else {
    std::vector<std::string> prefixes;
    if (!environment.wine_prefix.empty()) prefixes.push_back(environment.wine_prefix);
    if (!environment.home.empty()) prefixes.push_back(Below(environment.home, ".wine"));
    for (const auto& prefix : prefixes) {
      AddDiskPlaces(Below(prefix, "drive_c"), "users", std::size(kVirtualStores), places);
    }
    for (const auto& disk : environment.disks) AddDiskPlaces(disk, "Users", 1, places);
  }

  std::vector<std::string> kept;
  for (auto& place : places) {
    if (std::find(kept.begin(), kept.end(), place) == kept.end()) kept.push_back(std::move(place));
  }
  return kept;
}

bool HoldsProfiles(const std::string& profiles_folder) {
  const auto scanned = ScanProfiles(WithFinalSeparator(profiles_folder));
  return scanned && !scanned->identity_names.empty();
}

std::optional<std::string> FindArchives(const std::vector<std::string>& places) {
  for (const auto& place : places) {
    if (HoldsProfiles(place)) return place;
  }
  return std::nullopt;
}

std::vector<std::string> FindAllArchives(const std::vector<std::string>& places) {
  std::vector<std::string> found;
  for (const auto& place : places) {
    if (HoldsProfiles(place)) found.push_back(place);
  }
  return found;
}

std::vector<std::string> HistoryFolders(const std::string& main,
                                        const std::vector<std::string>& others) {
  std::vector<std::string> folders{WithFinalSeparator(main)};
  using Identity = std::optional<std::pair<std::uint64_t, std::uint64_t>>;
  std::vector<Identity> identities{files::FileIdentity(folders.front())};
  for (const std::string& other : others) {
    const std::string folder = ProfilesFolderAtOrBelow(other).value_or(WithFinalSeparator(other));
    const Identity identity = files::FileIdentity(folder);
    bool known = false;
    for (std::size_t i = 0; i < folders.size() && !known; ++i) {
      known = identity && identities[i] ? *identity == *identities[i] : folder == folders[i];
    }
    if (known) continue;
    folders.push_back(folder);
    identities.push_back(identity);
  }
  return folders;
}

std::optional<std::string> ProfilesFolderAtOrBelow(const std::string& chosen) {
  if (chosen.empty()) return std::nullopt;
  const std::string folder = WithFinalSeparator(chosen);
  // The profiles folder itself; the messenger's folder; the folder that holds
  // it; a programs folder; a disk; a Wine prefix.
  const std::vector<std::string> candidates = {
      folder,
      folder + "Profiles/",
      folder + "Messenger/Profiles/",
      DefaultProfilesFolder(folder),
      DefaultProfilesFolder(folder + "Program Files"),
      DefaultProfilesFolder(folder + "Program Files (x86)"),
      DefaultProfilesFolder(folder + "drive_c/Program Files"),
      DefaultProfilesFolder(folder + "drive_c/Program Files (x86)"),
  };
  return FindArchives(candidates);
}

}  // namespace orvex
