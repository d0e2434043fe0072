#include "ini_registry.h"

#include <filesystem>

#include "file_system.h"
#include "private_profile.h"
#include "user_config.h"

namespace orvex {
namespace {

std::string SectionOf(std::string key) {
  while (!key.empty() && key.back() == '/') key.pop_back();
  return key;
}

}  // namespace

std::string IniRegistry::DefaultFile() {
  std::string config = UserConfigHome();
  if (config.back() != '/') config += '/';
  return config + "orvex/registry.ini";
}

std::string IniRegistry::ReadString(const std::string& key, const std::string& value_name) {
  return ReadProfileString(file_, SectionOf(key), value_name, "");
}

std::optional<std::int32_t> IniRegistry::ReadInteger(const std::string& key,
                                                     const std::string& value_name) {
  const auto text = ProfileDocument::Load(file_).Value(SectionOf(key), value_name);
  if (!text) return std::nullopt;
  return ParseProfileInteger(*text);
}

void IniRegistry::WriteInteger(const std::string& key, const std::string& value_name,
                               std::int32_t value) {
  // A folder that cannot be made shows as the write's failure below.
  const std::string folder = std::filesystem::path(file_).parent_path().string();
  if (!folder.empty()) files::MakeFolders(folder);
  if (!WriteProfileString(file_, SectionOf(key), value_name, std::to_string(value))) {
    throw RegistryError("Unable to write to " + file_);
  }
}

}  // namespace orvex
