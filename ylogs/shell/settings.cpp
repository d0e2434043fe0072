#include "settings.h"

#include <algorithm>
#include <optional>

#include "platform/ansi_case.h"
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

constexpr const char* kFavoriteKeys[] = {"Path", "Identity", "Friend", "Size"};

// The n of a favourite key name such as "Path12" (decimal, no leading zeros).
std::optional<std::int64_t> FavoriteKeyIndex(std::string_view key) {
  for (std::string_view prefix : kFavoriteKeys) {
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 10 ||
        !AnsiEqualsIgnoreCase(key.substr(0, prefix.size()), prefix)) {
      continue;
    }
    const std::string_view digits = key.substr(prefix.size());
    if (digits.size() > 1 && digits.front() == '0') continue;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    return std::stoll(std::string(digits));
  }
  return std::nullopt;
}

// "Size"n is a decimal number; missing or anything else reads as 0.
std::int32_t FavoriteSize(const ProfileDocument& doc, const std::string& key) {
  const std::string text = GetProfileString(doc, kSettingsSection, key, "");
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 0;
  return ParseProfileInteger(text).value_or(0);
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
  // Indexes beyond the last one any key names all read as the same empty
  // entry: one of them is kept, and a huge count in a damaged file costs nothing.
  const std::int64_t count = GetProfileInteger(doc, kSettingsSection, "Favorites", 0);
  std::int64_t last_named = -1;
  for (const std::string& key : doc.KeyNames(kSettingsSection)) {
    if (const auto n = FavoriteKeyIndex(key)) last_named = std::max(last_named, *n);
  }
  const std::int64_t end = std::min(count, last_named + 2);
  for (std::int64_t n = 0; n < end; ++n) {
    const std::string index = std::to_string(n);
    FavoriteEntry f;
    f.path = GetProfileString(doc, kSettingsSection, "Path" + index, "");
    f.identity =
        Cut(GetProfileString(doc, kSettingsSection, "Identity" + index, ""), kNameFieldMax);
    f.friend_name =
        Cut(GetProfileString(doc, kSettingsSection, "Friend" + index, ""), kNameFieldMax);
    f.size = FavoriteSize(doc, "Size" + index);
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
