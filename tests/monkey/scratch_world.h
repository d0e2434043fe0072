// The folders one monkey run works in: everything below one scratch root, so
// that whatever the window writes can be told from what it must not touch.
// The profiles folders are generated from the seed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace orvex::testing {

// What a file was: enough to tell it was rewritten or touched.
struct FileState {
  std::uintmax_t size = 0;
  std::int64_t mtime_ns = 0;
  std::string bytes;  // kept for archive files only
  bool operator==(const FileState&) const = default;
};

// Every regular file below `root` (recursively), by path; with bytes when asked.
std::map<std::string, FileState> SnapshotTree(const std::filesystem::path& root, bool with_bytes);

class ScratchWorld {
 public:
  // Makes the folders below `root` (which must be empty or missing) and
  // generates the profiles folders from `seed`.
  ScratchWorld(const std::filesystem::path& root, std::uint32_t seed);

  std::filesystem::path root;
  std::filesystem::path program;    // themes, smileys and the settings file
  std::filesystem::path config;     // the registry file
  std::filesystem::path pages;      // the window's temporary view folder
  std::filesystem::path out;        // where the save dialogs and exports write
  std::filesystem::path profiles;   // the generated archive, ends up in the path box
  std::filesystem::path profiles2;  // a second, smaller one to switch to

  // The friend names and identities generated, to type in the filter box.
  std::vector<std::string> identities, friends;
  // Archive files of both profiles folders, for the loose-file dialog.
  std::vector<std::string> archive_files;
  // Words the messages are made of, to search for.
  std::vector<std::string> words;

  // A new file or folder name below `out`, not used before in this run.
  std::string FreshOutPath(const std::string& suffix);

 private:
  void GenerateProfiles(const std::filesystem::path& folder, std::mt19937& rng, int identities);
  int next_out_ = 0;
};

}  // namespace orvex::testing
