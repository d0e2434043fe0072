// One row of the conversation list: one archive file, described from its
// directory listing and its name alone (the file is not opened).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "favorites.h"
#include "platform/text_kinds.h"

namespace orvex {

inline constexpr std::size_t kFileNameFieldMax = 100;
inline constexpr std::size_t kTimeFieldMax = 10;

struct ConversationEntry {
  FileNameBytes file_name;    // at most 100 characters
  FileNameBytes path;         // whole: every action reaches the file through it
  FileNameBytes identity;     // at most 50 characters
  FileNameBytes friend_name;  // at most 50 characters
  std::optional<std::int32_t>
      date;                // day count (days from 1899-12-30); none: no valid date in the name
  std::string start_time;  // nothing fills it
  std::string end_time;    // nothing fills it
  std::int32_t words = 0;  // nothing fills it
  std::int32_t size = 0;
  std::int32_t rank = 0;  // hit count of the active search
  // With several profiles folders: the copies of this day that stand behind
  // this one (the same bytes, or the beginning of them), and which of the
  // day's conversations this is when its copies differ (0: the first).
  std::vector<FileNameBytes> copies;
  std::int32_t copy = 0;
};

// The identity in a name of the form YYYYMMDD-<identity>.xxx: the characters
// from the 10th to the 5th-last, cut to 50; empty for names of 13 characters
// or fewer.
std::string IdentityFromFileName(std::string_view name);

// The date of the name's first eight characters read as YYYYMMDD. Each must be
// an ASCII digit 0-9 and together they must form a real calendar day (years
// 0001 to 9999); otherwise, or when the name is shorter, there is no date.
std::optional<std::int32_t> DateFromFileName(std::string_view name);

// The part of a path after its last separator.
std::string_view FileNamePart(std::string_view path);

// The entry for a name listed in a friend folder (folder ends in a separator).
// A size beyond the 32-bit range is held at its largest value.
ConversationEntry EntryForListedFile(const std::string& friend_folder, std::string_view friend_name,
                                     std::string_view name, std::int64_t size);

// The entry for a favourite: its stored fields, the name and date from the path.
ConversationEntry EntryForFavorite(const FavoriteEntry& favorite);

}  // namespace orvex
