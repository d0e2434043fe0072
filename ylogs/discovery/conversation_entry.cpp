#include "conversation_entry.h"

#include <limits>

#include "profiles_folder.h"
#include "ylogs/base/day_time.h"

namespace orvex {
namespace {

// Whether a name is well-formed UTF-8, as this system's file names are.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t len = c < 0x80                   ? 1
                            : (c >= 0xC2 && c <= 0xDF) ? 2
                            : (c >= 0xE0 && c <= 0xEF) ? 3
                            : (c >= 0xF0 && c <= 0xF4) ? 4
                                                       : 0;
    if (len == 0 || i + len > text.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += len;
  }
  return true;
}

// A name cut to `max` bytes. A UTF-8 name is cut before a character, never
// inside one: the rest still shows as text and still makes a file name (the
// batch export names its files after the friend).
std::string Cut(std::string_view text, std::size_t max) {
  if (text.size() <= max) return std::string(text);
  std::size_t end = max;
  if (IsUtf8(text)) {
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  }
  return std::string(text.substr(0, end));
}

}  // namespace

std::string IdentityFromFileName(std::string_view name) {
  constexpr std::size_t kPrefix = 9;  // YYYYMMDD-
  constexpr std::size_t kSuffix = 4;  // .dat
  if (name.size() <= kPrefix + kSuffix) return {};
  return Cut(name.substr(kPrefix, name.size() - kPrefix - kSuffix), kNameFieldMax);
}

std::optional<std::int32_t> DateFromFileName(std::string_view name) {
  if (name.size() < 8) return std::nullopt;
  int d[8];
  for (int i = 0; i < 8; ++i) {
    const char c = name[static_cast<std::size_t>(i)];
    if (c < '0' || c > '9') return std::nullopt;
    d[i] = c - '0';
  }
  const int year = 1000 * d[0] + 100 * d[1] + 10 * d[2] + d[3];
  const int month = 10 * d[4] + d[5];
  const int day = 10 * d[6] + d[7];
  if (!IsValidCivilDate(year, month, day)) return std::nullopt;
  return static_cast<std::int32_t>(CivilDateToDayCount(year, month, day));
}

std::string_view FileNamePart(std::string_view path) {
  const auto cut = path.rfind(kPathSeparator);
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

ConversationEntry EntryForListedFile(const std::string& friend_folder, std::string_view friend_name,
                                     std::string_view name, std::int64_t size) {
  ConversationEntry e;
  e.file_name = Cut(name, kFileNameFieldMax);
  e.path = friend_folder;
  e.path += name;
  e.identity = IdentityFromFileName(name);
  e.friend_name = Cut(friend_name, kNameFieldMax);
  e.date = DateFromFileName(name);
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  e.size = static_cast<std::int32_t>(size > kMax ? kMax : size);
  return e;
}

ConversationEntry EntryForFavorite(const FavoriteEntry& favorite) {
  ConversationEntry e;
  const std::string_view name = FileNamePart(favorite.path);
  e.file_name = Cut(name, kFileNameFieldMax);
  e.path = favorite.path;
  e.identity = Cut(favorite.identity, kNameFieldMax);
  e.friend_name = Cut(favorite.friend_name, kNameFieldMax);
  e.date = DateFromFileName(name);
  e.size = favorite.size;
  return e;
}

}  // namespace orvex
