// INI files read and written the way the system's private-profile functions do
// it, which the files our users already have depend on: section and key names
// compared without regard to case, values trimmed and unquoted when read, a
// written key kept in its place and every other line of the file kept as is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvex {

// Longest text a read hands back; longer values are cut to it.
inline constexpr std::size_t kProfileStringMax = 2047;

// An INI file held as its lines. Lines that are neither section headers nor
// "key=value" (comments, blank lines, keys before the first section) are kept
// but never read.
class ProfileDocument {
 public:
  ProfileDocument() = default;

  static ProfileDocument Parse(std::string_view text);

  // The document of a file; a missing or unreadable file reads as empty.
  static ProfileDocument Load(const std::string& path);

  // The document of a file that is about to be rewritten: empty when the file
  // does not exist, none when it exists but cannot be read (rewriting it then
  // would lose its contents).
  static std::optional<ProfileDocument> LoadForUpdate(const std::string& path);

  // The value of the first such key of the first such section: blanks around
  // it removed, then one pair of enclosing quotes (" or '). None when the
  // section or the key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // The key names of a section as they are written, in file order.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Every key of a section with its value as Value() gives it, in file order;
  // of keys with equal names, Value() finds the first.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

  // Sets a key: an existing key keeps its line's place (and its spelling) and
  // gets the new value; a new key goes after the last key of its section; a
  // missing section is added at the end. False, with nothing changed, when the
  // names or the value cannot be written so that they read back the same (line
  // breaks, a "=" in the key, blanks around a name).
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);

  // Sets keys in order, as SetValue one after the other would, in one pass
  // over the file: a long list of keys costs no more than reading them. Stops
  // at the first key that SetValue would refuse; the number set before it.
  std::size_t SetValues(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& values);

  // Removes the keys of a section whose names `doomed` picks, wherever they
  // stand; how many went.
  std::size_t RemoveKeys(std::string_view section,
                         const std::function<bool(std::string_view name)>& doomed);

  // The file's text, each line ending in CR LF.
  std::string Text() const;

  // Writes the text in one go: to a new file in the same folder, then renamed
  // over the old one. False when any step fails; the old file is then intact.
  bool Save(const std::string& path) const;

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

// A value read as an integer: decimal with an optional sign, or, when it has
// more than two characters and begins with "0x" or "0X", hexadecimal of up to
// eight digits (taken as a 32-bit pattern, so 0xFFFFFFFF is -1). Anything
// else, including a decimal beyond the 32-bit range, is unreadable.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

// Reads of a parsed document: the value cut to kProfileStringMax characters,
// or the default (cut likewise) when missing; an integer, or the default when
// missing, empty or unreadable.
std::string GetProfileString(const ProfileDocument& doc, std::string_view section,
                             std::string_view key, std::string_view default_value);
std::int32_t GetProfileInteger(const ProfileDocument& doc, std::string_view section,
                               std::string_view key, std::int32_t default_value);

// The same reads on a file, opened, read and closed at each call.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view default_value);
std::int32_t ReadProfileInteger(const std::string& path, std::string_view section,
                                std::string_view key, std::int32_t default_value);

// Writes one key of a file (see SetValue), creating the file when missing; the
// file's folder must exist. False when the key cannot be written.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace orvex
