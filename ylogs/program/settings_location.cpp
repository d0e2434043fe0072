#include "settings_location.h"

#include "platform/file_system.h"
#include "platform/user_config.h"
#include "ylogs/program/settings.h"

namespace orvex {
namespace {

std::string WithSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string PerUserSettingsFile(std::string_view config_home) {
  return WithSeparator(std::string(config_home)) + "orvex/" + kSettingsFileName;
}

SettingsLocation ChooseSettingsLocation(const SettingsFacts& facts) {
  const std::string beside = WithSeparator(facts.program_folder) + kSettingsFileName;
  if (facts.program_folder_writable) return {beside, beside, {}};
  const std::string per_user = PerUserSettingsFile(facts.config_home);
  if (facts.per_user_file_exists) return {per_user, per_user, {}};
  // Until the user's own copy exists, the program folder's file (if any)
  // stands for it, and the first save starts from it.
  return {beside, per_user, beside};
}

SettingsLocation LocateSettingsFile(const std::string& program_folder) {
  SettingsFacts facts;
  facts.program_folder = program_folder;
  // Saving replaces the file through a new one beside it, so the folder
  // itself must be writable, not only the file.
  facts.program_folder_writable = files::CanWrite(program_folder);
  facts.config_home = UserConfigHome();
  facts.per_user_file_exists =
      files::FileIdentity(PerUserSettingsFile(facts.config_home)).has_value();
  return ChooseSettingsLocation(facts);
}

void PrepareSettingsFile(const SettingsLocation& location) {
  const std::string& target = location.write_path;
  files::MakeFolders(target.substr(0, target.find_last_of('/') + 1));
  if (location.seed_path.empty() || files::FileIdentity(target)) return;
  // The copy is a new file of the user's own, writable by them whatever the
  // original was.
  std::string bytes;
  if (files::ReadWholeFile(location.seed_path, bytes) == 0) {
    files::WriteFileAtomically(target, bytes);
  }
}

}  // namespace orvex
