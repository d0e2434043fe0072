// Where the messenger left its archives: the profiles folders to look in, in
// the order they are tried, and the first of them that holds profiles. Built
// from what the system says (programs folders, the user's local application
// data, the home folder, Wine prefixes, mounted disks), handed in as values so
// that every place can be tried on a made-up tree.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvex {

// The system's answers, each a folder in the program's file-name bytes with
// "/" separators; an unset value is empty.
struct PlacesEnvironment {
  bool windows = false;            // the system's own layout (else: Linux)
  std::string program_files;       // "PROGRAMFILES"
  std::string program_files_x86;   // Windows: "ProgramFiles(x86)"
  std::string program_w6432;       // Windows: "ProgramW6432"
  std::string local_app_data;      // Windows: "LOCALAPPDATA"
  std::string home;                // Linux: "HOME"
  std::string wine_prefix;         // Linux: "WINEPREFIX"
  std::vector<std::string> disks;  // Linux: roots of mounted disks (/media/USER/DISK, /mnt/c, ...)

  // The running program's values (environment variables; on Linux the
  // folders below /media, /run/media and /mnt that are there).
  static PlacesEnvironment FromSystem();
};

// Every profiles folder worth a look, each ending in "/", first the one
// "PROGRAMFILES" names (as the window's default), without repeats.
std::vector<std::string> ArchivePlaces(const PlacesEnvironment& environment);

// True when the folder holds at least one identity with a message folder.
bool HoldsProfiles(const std::string& profiles_folder);

// The first place that holds profiles; none when no place does.
std::optional<std::string> FindArchives(const std::vector<std::string>& places);

// Every place that holds profiles, in the places' order.
std::vector<std::string> FindAllArchives(const std::vector<std::string>& places);

// The profiles folders of one history: the main one, then the others in the
// order given, each ending in "/"; another folder stands for the profiles
// folder at or below it (ProfilesFolderAtOrBelow) when there is one. A folder
// named again (the same folder, whatever its spelling) is read once.
std::vector<std::string> HistoryFolders(const std::string& main,
                                        const std::vector<std::string>& others);

// A folder the user chose: itself when it holds profiles, else the profiles
// folder below it when it is the messenger's folder, a programs folder or a
// disk (or a Wine prefix) holding one; none when neither holds profiles. The
// chosen folder may end in "/" or not; the answer ends in "/".
std::optional<std::string> ProfilesFolderAtOrBelow(const std::string& chosen);

}  // namespace orvex
