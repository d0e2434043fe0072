#include "ini_registry.h"

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

ProfileDocument IniRegistry::Load() const {
  // A file that is there but cannot be read is no empty registry: a switch
  // turned over on what it did not read would write the wrong value.
  std::optional<ProfileDocument> doc = ProfileDocument::LoadForUpdate(file_);
  if (!doc) throw RegistryError("Unable to read " + file_);
  return std::move(*doc);
}

std::string IniRegistry::DefaultFile() {
  std::string config = UserConfigHome();
  if (config.back() != '/') config += '/';
  return config + "orvex/registry.ini";
}

std::string IniRegistry::ReadString(const std::string& key, const std::string& value_name) {
  return GetProfileString(Load(), SectionOf(key), value_name, "");
}

std::optional<std::int32_t> IniRegistry::ReadInteger(const std::string& key,
                                                     const std::string& value_name) {
  const auto text = Load().Value(SectionOf(key), value_name);
  if (!text) return std::nullopt;
  return ParseProfileInteger(*text);
}

void IniRegistry::WriteInteger(const std::string& key, const std::string& value_name,
                               std::int32_t value) {
  const std::size_t sep = file_.find_last_of('/');
  const std::string folder = sep == std::string::npos ? std::string() : file_.substr(0, sep);
  if ((!folder.empty() && files::MakeFolders(folder) != 0) ||
      !WriteProfileString(file_, SectionOf(key), value_name, std::to_string(value))) {
    throw RegistryError("Unable to write to " + file_);
  }
}

}  // namespace orvex
