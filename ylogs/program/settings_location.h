// Where the settings file lives. Beside the program while the program folder
// can be written (a build folder, a portable copy); otherwise in the user's
// configuration folder, as a per-user copy that starts from the program
// folder's file the first time it is written.
#pragma once

#include <string>
#include <string_view>

#include "platform/user_config.h"

namespace orvex {

// What the choice depends on; all of it is looked up by LocateSettingsFile.
struct SettingsFacts {
  std::string program_folder;  // ends in a separator
  bool program_folder_writable = false;
  std::string config_home;  // $XDG_CONFIG_HOME or ~/.config
  bool per_user_file_exists = false;
};

struct SettingsLocation {
  std::string read_path;   // the file the settings are read from
  std::string write_path;  // the file the settings are written to
  // Copied to write_path before the first write when write_path is missing,
  // so keys the program does not know are carried over; empty when not needed.
  std::string seed_path;
};

// <config_home>/orvex/orvex.ini: the same folder the registry file lives in.
std::string PerUserSettingsFile(std::string_view config_home);

// The choice itself, with no file system access.
SettingsLocation ChooseSettingsLocation(const SettingsFacts& facts);

// Looks up the facts for this program folder on the running system and chooses.
SettingsLocation LocateSettingsFile(const std::string& program_folder);

// Makes write_path ready to be written: creates its folder and, when it is
// missing, copies seed_path there. Failures are left for the write to report.
void PrepareSettingsFile(const SettingsLocation& location);

}  // namespace orvex
