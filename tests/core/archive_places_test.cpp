#include "ylogs/discovery/archive_places.h"

#include <gtest/gtest.h>

#include "discovery_fixture.h"

namespace orvex {
namespace {

using discovery_testing::TempTree;
using namespace std::string_literals;

// A home folder whose Wine prefix has two users, another prefix and a mounted
// disk. A folder without identities lies in the home prefix's programs
// folder; profiles in alice's copy of the 32-bit programs folder, in the other
// prefix's and on the disk.
TEST(ArchivePlaces, ListsThePlacesInOrderAndTakesTheFirstThatHoldsProfiles) {
  TempTree t;
  const std::string p = "Yahoo!/Messenger/Profiles/", users = "home/.wine/drive_c/users/";
  const std::string vs = "/AppData/Local/VirtualStore/Program Files";
  const std::string old_vs = "/Local Settings/Application Data/VirtualStore/Program Files";
  const std::string store = users + "alice" + vs + " (x86)/";
  for (const auto& folder : {users + "Zed", users + "alice", "disk/Users/carol"s}) t.Folder(folder);
  t.File(users + "desktop.ini", 1);
  t.Folder("home/.wine/drive_c/Program Files/" + p + "ghost");
  for (const auto& folder : {store, "wp/drive_c/Program Files (x86)/"s, "disk/Program Files/"s,
                             "wine64/drive_c/Program Files/"s})
    t.Identity(folder + p, "me");

  PlacesEnvironment on_linux;
  on_linux.program_files = t / "pf";
  on_linux.home = t / "home";
  on_linux.wine_prefix = t / "wp/";
  on_linux.disks = {t / "disk"};
  PlacesEnvironment without_prefix = on_linux;
  without_prefix.wine_prefix.clear();
  const std::string windows_store = "C:/Users/Jos\xC3\xA9/AppData/Local/VirtualStore/Program Files";
  // A 32-bit program on 64-bit Windows: PROGRAMFILES names the 32-bit folder.
  PlacesEnvironment on_windows = on_linux;  // its home and Wine values are not looked at
  on_windows.windows = true;
  on_windows.program_files = on_windows.program_files_x86 = "C:/Program Files (x86)";
  on_windows.program_w6432 = "C:/Program Files";
  on_windows.local_app_data = "C:/Users/Jos\xC3\xA9/AppData/Local/";

  // Each programs folder is followed by its 32-bit twin.
  std::vector<std::string> linux_places = {t / "pf/" + p};
  const std::vector<std::string> programs_folders = {
      "wp/drive_c/Program Files", "home/.wine/drive_c/Program Files",
      users + "alice" + vs,       users + "alice" + old_vs,
      users + "Zed" + vs,         users + "Zed" + old_vs,
      "disk/Program Files",       "disk/Users/carol" + vs};
  for (const auto& folder : programs_folders) {
    linux_places.push_back(t / folder + "/" + p);
    linux_places.push_back(t / folder + " (x86)/" + p);
  }
  const struct {
    const PlacesEnvironment& environment;
    std::vector<std::string> places;  // empty: not checked
    std::optional<std::string> found;
  } cases[] = {
      {on_linux, linux_places, t / "wp/drive_c/Program Files (x86)/" + p},
      {without_prefix, {}, t / store + p},
      {on_windows,
       {"C:/Program Files (x86)/" + p, "C:/Program Files/" + p, windows_store + " (x86)/" + p,
        windows_store + "/" + p},
       std::nullopt},
  };
  for (const auto& c : cases) {
    const auto places = ArchivePlaces(c.environment);
    if (!c.places.empty()) {
      EXPECT_EQ(places, c.places);
    }
    EXPECT_EQ(FindArchives(places), c.found);
  }

  // Chosen: the profiles folder (without its final "/"), the messenger's
  // folder and the two above it, a disk, Wine prefixes, nothing.
  const std::string held = t / store + p;
  const std::pair<std::string, std::optional<std::string>> chosen[] = {
      {held.substr(0, held.size() - 1), held},
      {t / store + "Yahoo!/Messenger/", held},
      {t / store + "Yahoo!", held},
      {t / store, held},
      {t / users + "alice/AppData/Local/VirtualStore", held},
      {t / "disk", t / "disk/Program Files/" + p},
      {t / "wp/", t / "wp/drive_c/Program Files (x86)/" + p},
      {t / "wine64", t / "wine64/drive_c/Program Files/" + p},
      {t / "home/.wine", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [folder, expected] : chosen) {
    EXPECT_EQ(ProfilesFolderAtOrBelow(folder), expected) << folder;
  }
}

}  // namespace
}  // namespace orvex
