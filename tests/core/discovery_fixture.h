// Folder trees for the discovery tests, made in a fresh temporary folder and
// removed afterwards, and the file system's own listing order to check
// against.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvex::discovery_testing {

class TempTree {
 public:
  TempTree() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvex-discovery-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern + "/";
  }
  ~TempTree() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The folder, ending in "/".
  const std::string& root() const { return root_; }
  std::string operator/(const std::string& relative) const { return root_ + relative; }

  void Folder(const std::string& relative) const {
    std::filesystem::create_directories(root_ + relative);
  }
  // A file of `size` bytes; its folder is made when missing.
  void File(const std::string& relative, std::size_t size = 0,
            const std::string& content = "") const {
    const std::filesystem::path p(root_ + relative);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << (content.empty() ? std::string(size, 'x') : content);
  }
  // An identity with its message folder and, below it, the given friends.
  void Identity(const std::string& profiles, const std::string& name,
                const std::vector<std::string>& friends = {}) const {
    Folder(profiles + name + "/Archive/Messages");
    for (const auto& f : friends) Folder(profiles + name + "/Archive/Messages/" + f);
  }

 private:
  std::string root_;
};

// The names of a folder in the program's listing order: by name with a-z
// read as A-Z, then by the plain bytes.
inline std::vector<std::string> ListingOrder(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    std::string name = e.path().filename().string(), folded = name;
    for (char& c : folded) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    keyed.emplace_back(folded, name);
  }
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::string> names;
  for (auto& k : keyed) names.push_back(k.second);
  return names;
}

// The names of `wanted` in the file system's order of `folder`.
inline std::vector<std::string> InListingOrder(const std::string& folder,
                                               const std::vector<std::string>& wanted) {
  std::vector<std::string> ordered;
  for (const auto& name : ListingOrder(folder)) {
    for (const auto& w : wanted) {
      if (w == name) ordered.push_back(name);
    }
  }
  return ordered;
}

}  // namespace orvex::discovery_testing
