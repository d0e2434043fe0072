// The favourites list: conversations the user keeps at hand, keyed by path.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace orvex {

inline constexpr std::size_t kNameFieldMax = 50;  // Identity and Friend fields

struct FavoriteEntry {
  std::string path;  // full path of the archive file; kept whole so it still reaches the file
  std::string identity;
  std::string friend_name;
  std::int32_t size = 0;
};

// Favourites in the order they were added. Two paths are the same key when
// they differ only in letter case; the list never holds a key twice.
class FavoritesList {
 public:
  // Appends the entry (Identity and Friend cut to 50 characters) unless its
  // path is already a key. Whether it was appended.
  bool Add(FavoriteEntry entry);

  // Appends an entry read from the settings file as it stands: the file's
  // order and entries are kept, even one whose path is already a key.
  void AddLoaded(FavoriteEntry entry);

  // Removes the entries whose path is this key; how many there were.
  std::size_t Remove(const std::string& path);

  bool Contains(const std::string& path) const;
  const std::vector<FavoriteEntry>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<FavoriteEntry> entries_;
  std::unordered_set<std::string> keys_;  // paths in upper case
};

}  // namespace orvex
