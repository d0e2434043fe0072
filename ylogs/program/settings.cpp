#include "settings.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>

#include "platform/ansi_case.h"
#include "platform/private_profile.h"
#include "ylogs/base/file_error.h"

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

// The section read once: each value by its key's upper-cased name, the first
// of equal names winning as a lookup in the file would. Looking every
// favourite key up in the file instead costs the whole section per key, which
// a long list of favourites turns into minutes.
class SectionValues {
 public:
  SectionValues(const ProfileDocument& doc, std::string_view section) {
    for (auto& [key, value] : doc.Entries(section)) {
      values_.emplace(AnsiUpperText(key), std::move(value));
    }
  }
  // The value cut as a profile read cuts it; empty when missing.
  std::string Get(const std::string& key) const {
    const auto found = values_.find(AnsiUpperText(key));
    if (found == values_.end()) return {};
    return found->second.substr(0, kProfileStringMax);
  }

 private:
  std::unordered_map<std::string, std::string> values_;
};

// "Size"n is a decimal number; missing or anything else reads as 0.
std::int32_t FavoriteSize(const std::string& text) {
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 0;
  return ParseProfileInteger(text).value_or(0);
}

FavoriteEntry FavoriteAt(const SectionValues& values, std::int64_t n) {
  const std::string index = std::to_string(n);
  FavoriteEntry f;
  f.path = values.Get("Path" + index);
  f.identity = Cut(values.Get("Identity" + index), kNameFieldMax);
  f.friend_name = Cut(values.Get("Friend" + index), kNameFieldMax);
  f.size = FavoriteSize(values.Get("Size" + index));
  return f;
}

}  // namespace

AppSettings ReadSettings(const std::string& path) {
  const std::optional<ProfileDocument> read = ProfileDocument::LoadForUpdate(path);
  const ProfileDocument doc = read.value_or(ProfileDocument{});
  AppSettings s;
  s.unreadable = !read;
  s.date = ReadBool(doc, "Date", true);
  s.time = ReadBool(doc, "Time", true);
  s.theme = GetProfileString(doc, kSettingsSection, "Theme", "default");
  s.bold = ReadBool(doc, "Bold", true);
  s.fonts = ReadBool(doc, "Fonts", true);
  s.smileys = ReadBool(doc, "Smileys", false);
  s.stats = ReadBool(doc, "Stats", false);
  s.format = ReadBool(doc, "Format", true);
  // Favourites are read at the indexes their keys name, below the count. A
  // run of indexes that no key names reads as empty entries, all alike: one of
  // them stands for the run, so a count no file could back costs nothing.
  const std::int64_t count = GetProfileInteger(doc, kSettingsSection, "Favorites", 0);
  std::set<std::int64_t> named;
  for (const std::string& key : doc.KeyNames(kSettingsSection)) {
    if (const auto n = FavoriteKeyIndex(key); n && *n < count) named.insert(*n);
  }
  const SectionValues values(doc, kSettingsSection);
  std::int64_t next = 0;  // the first index not read yet
  for (const std::int64_t n : named) {
    if (n > next) s.favorites.push_back(FavoriteAt(values, next));
    s.favorites.push_back(FavoriteAt(values, n));
    next = n + 1;
  }
  if (count > next) s.favorites.push_back(FavoriteAt(values, next));
  s.profiles_folder = values.Get(kProfilesFolderKey);
  // Added folders below their count; a count no file could back costs nothing.
  const std::int64_t added = GetProfileInteger(doc, kSettingsSection, kAddedFoldersKey, 0);
  for (std::int64_t n = 0; n < added && n < 1000; ++n) {
    std::string folder = values.Get(std::string("AddedFolder") + std::to_string(n));
    if (!folder.empty()) s.added_folders.push_back(std::move(folder));
  }
  return s;
}

std::string ReadChosenProfilesFolder(const std::string& path) {
  return GetProfileString(ProfileDocument::Load(path), kSettingsSection, kProfilesFolderKey, "");
}

void WriteSettings(const std::string& path, const AppSettings& s) {
  const std::string failure = "Unable to write to " + path;
  std::optional<ProfileDocument> doc = ProfileDocument::LoadForUpdate(path);
  if (!doc) throw UserError(failure);
  const std::int64_t written = GetProfileInteger(*doc, kSettingsSection, "Favorites", 0);
  std::vector<std::pair<std::string, std::string>> values;
  auto put = [&](const std::string& key, const std::string& value) {
    values.emplace_back(key, value);
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
  const bool ok = doc->SetValues(kSettingsSection, values) == values.size();
  // Favourites removed since the file was written leave no keys behind.
  const auto count = static_cast<std::int64_t>(s.favorites.size());
  if (ok && written > count) {
    doc->RemoveKeys(kSettingsSection, [&](std::string_view key) {
      const std::optional<std::int64_t> n = FavoriteKeyIndex(key);
      return n && *n >= count && *n < written;
    });
  }
  // Written only once a folder was chosen, so that the file of a user who
  // never chose one stays as it was.
  if (ok && !s.profiles_folder.empty()) {
    doc->SetValue(kSettingsSection, kProfilesFolderKey, s.profiles_folder);
  }
  // The added folders, likewise only once any was added; removed ones leave
  // no keys behind.
  const std::int64_t added_before = GetProfileInteger(*doc, kSettingsSection, kAddedFoldersKey, 0);
  if (ok && (!s.added_folders.empty() || added_before > 0)) {
    const auto added = static_cast<std::int64_t>(s.added_folders.size());
    doc->SetValue(kSettingsSection, kAddedFoldersKey, std::to_string(added));
    for (std::int64_t n = 0; n < added; ++n) {
      doc->SetValue(kSettingsSection, "AddedFolder" + std::to_string(n),
                    s.added_folders[static_cast<std::size_t>(n)]);
    }
    doc->RemoveKeys(kSettingsSection, [&](std::string_view key) {
      if (!key.starts_with("AddedFolder") || key == kAddedFoldersKey) return false;
      const std::string_view digits = key.substr(std::string_view("AddedFolder").size());
      std::int64_t n = 0;
      for (char c : digits) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
        if (n > 1000000) return false;
      }
      return !digits.empty() && n >= added;
    });
  }
  // Keys set before a failing one are kept, as writing key by key would.
  if (!doc->Save(path) || !ok) throw UserError(failure);
}

}  // namespace orvex
