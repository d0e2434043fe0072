#include "settings.h"

#include "platform/private_profile.h"
#include "ylogs/archive/file_error.h"

namespace orvex {
namespace {

bool ReadBool(const ProfileDocument& doc, const char* key, bool fallback) {
  return GetProfileInteger(doc, kSettingsSection, key, fallback ? 1 : 0) != 0;
}

std::string Cut(std::string text, std::size_t max) {
  if (text.size() > max) text.resize(max);
  return text;
}

}  // namespace

AppSettings ReadSettings(const std::string& path) {
  const ProfileDocument doc = ProfileDocument::Load(path);
  AppSettings s;
  s.date = ReadBool(doc, "Date", true);
  s.time = ReadBool(doc, "Time", true);
  s.theme = GetProfileString(doc, kSettingsSection, "Theme", "default");
  s.bold = ReadBool(doc, "Bold", true);
  s.fonts = ReadBool(doc, "Fonts", true);
  s.smileys = ReadBool(doc, "Smileys", false);
  s.stats = ReadBool(doc, "Stats", false);
  s.format = ReadBool(doc, "Format", true);
  const std::int32_t count = GetProfileInteger(doc, kSettingsSection, "Favorites", 0);
  const auto keys = static_cast<std::int64_t>(doc.KeyNames(kSettingsSection).size());
  for (std::int32_t n = 0; n < count && n < keys; ++n) {
    const std::string index = std::to_string(n);
    FavoriteEntry f;
    f.path = GetProfileString(doc, kSettingsSection, "Path" + index, "");
    f.identity =
        Cut(GetProfileString(doc, kSettingsSection, "Identity" + index, ""), kNameFieldMax);
    f.friend_name =
        Cut(GetProfileString(doc, kSettingsSection, "Friend" + index, ""), kNameFieldMax);
    f.size = GetProfileInteger(doc, kSettingsSection, "Size" + index, 0);
    s.favorites.push_back(std::move(f));
  }
  return s;
}

void WriteSettings(const std::string& path, const AppSettings& s) {
  const std::string failure = "Unable to write to " + path;
  std::optional<ProfileDocument> doc = ProfileDocument::LoadForUpdate(path);
  if (!doc) throw UserError(failure);
  bool ok = true;
  auto put = [&](const std::string& key, const std::string& value) {
    if (ok) ok = doc->SetValue(kSettingsSection, key, value);
  };
  auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
  put("Date", flag(s.date));
  put("Time", flag(s.time));
  put("Theme", s.theme);
  put("Bold", flag(s.bold));
  put("Fonts", flag(s.fonts));
  put("Smileys", flag(s.smileys));
  put("Stats", flag(s.stats));
  put("Format", flag(s.format));
  put("Favorites", std::to_string(s.favorites.size()));
  for (std::size_t n = 0; n < s.favorites.size(); ++n) {
    const std::string index = std::to_string(n);
    put("Path" + index, s.favorites[n].path);
    put("Identity" + index, s.favorites[n].identity);
    put("Friend" + index, s.favorites[n].friend_name);
    put("Size" + index, std::to_string(s.favorites[n].size));
  }
  // Keys set before a failing one are kept, as writing key by key would.
  if (!doc->Save(path) || !ok) throw UserError(failure);
}

}  // namespace orvex
