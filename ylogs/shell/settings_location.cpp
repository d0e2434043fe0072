#include "settings_location.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/user_config.h"
#include "ylogs/shell/settings.h"

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
  facts.program_folder_writable = ::access(program_folder.c_str(), W_OK) == 0;
  facts.config_home = UserConfigHome();
  std::error_code ec;
  facts.per_user_file_exists = std::filesystem::exists(PerUserSettingsFile(facts.config_home), ec);
  return ChooseSettingsLocation(facts);
}

void PrepareSettingsFile(const SettingsLocation& location) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(location.write_path);
  fs::create_directories(target.parent_path(), ec);
  if (location.seed_path.empty() || fs::exists(target, ec)) return;
  if (fs::is_regular_file(location.seed_path, ec)) {
    // The copy is the user's own: writable by them whatever the original was.
    if (fs::copy_file(location.seed_path, target, fs::copy_options::skip_existing, ec)) {
      fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                      ec);
    }
  }
}

}  // namespace orvex
