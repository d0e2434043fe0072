// The settings file: the display choices, two panels' visibility and the
// favourites, in section "Settings" of an INI file beside the program.
#pragma once

#include <string>
#include <vector>

#include "ylogs/discovery/favorites.h"

namespace orvex {

inline constexpr const char* kSettingsFileName = "orvex.ini";
inline constexpr const char* kSettingsSection = "Settings";
// The last profiles folder the user chose that held profiles.
inline constexpr const char* kProfilesFolderKey = "ProfilesFolder";
// The count of the added archive folders; each is "AddedFolder" + its index.
inline constexpr const char* kAddedFoldersKey = "AddedFolders";

struct AppSettings {
  bool date = true;
  bool time = true;
  std::string theme = "default";
  bool bold = true;
  bool fonts = true;
  bool smileys = false;
  bool stats = false;
  bool format = true;
  // In file order; equal paths are not merged on reading.
  std::vector<FavoriteEntry> favorites;
  // The last profiles folder the user chose; empty when none was chosen. Only
  // a chosen one is written: the file keeps what it held otherwise.
  std::string profiles_folder;
  // Archive folders read with the profiles folder as one history, in the
  // order added. Written once any was added, so that other files stay as
  // they were.
  std::vector<std::string> added_folders;
  // The file is there but could not be read: the values are the defaults.
  bool unreadable = false;
};

// Reads the settings; a missing file or section gives the defaults, and so
// does a file that cannot be read (marked `unreadable`). Booleans
// are integers (nonzero is true); missing, empty or unreadable values give the
// defaults. A favourite's "Size" that is not a decimal number is 0. Entries
// are read at the indexes below the count "Favorites" gives that a favourite
// key names; each run of indexes that no key names (before, between or after
// them) gives one empty entry, so a count no file could back costs nothing.
AppSettings ReadSettings(const std::string& path);

// Reads only the last profiles folder the user chose; empty when the file
// holds none or cannot be read.
std::string ReadChosenProfilesFolder(const std::string& path);

// Writes every key, each in its place, keeping all other keys and sections
// (favourite keys of higher indexes too). Throws UserError "Unable to write to
// <path>" when the file cannot be written. A profiles folder whose name a line
// of the file cannot hold is left out.
void WriteSettings(const std::string& path, const AppSettings& settings);

}  // namespace orvex
