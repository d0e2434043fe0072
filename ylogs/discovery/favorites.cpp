#include "favorites.h"

#include <vector>

#include "platform/ansi_case.h"

namespace orvex {

bool FavoritesList::Add(FavoriteEntry entry) {
  if (!keys_.insert(AnsiUpperText(entry.path)).second) return false;
  if (entry.identity.size() > kNameFieldMax) entry.identity.resize(kNameFieldMax);
  if (entry.friend_name.size() > kNameFieldMax) entry.friend_name.resize(kNameFieldMax);
  entries_.push_back(std::move(entry));
  return true;
}

std::size_t FavoritesList::Remove(const std::string& path) {
  const std::string key = AnsiUpperText(path);
  if (keys_.erase(key) == 0) return 0;
  return std::erase_if(entries_,
                       [&](const FavoriteEntry& e) { return AnsiUpperText(e.path) == key; });
}

bool FavoritesList::Contains(const std::string& path) const {
  return keys_.count(AnsiUpperText(path)) != 0;
}

}  // namespace orvex

namespace orvex {

void FavoritesList::AddLoaded(FavoriteEntry entry) {
  keys_.insert(AnsiUpperText(entry.path));
  entries_.push_back(std::move(entry));
}

}  // namespace orvex
