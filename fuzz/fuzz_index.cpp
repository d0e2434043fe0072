// Fuzzes the profiles scan, the contact tree and the index build over folder
// trees made from the input: identity and friend folders with names of
// arbitrary bytes, archive files and other files, hidden entries, links
// (to folders, to files, dangling, in loops) and files where folders are
// expected. Each result is checked against a plain listing of the same tree.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/profiles_scan.h"

namespace {

namespace fs = std::filesystem;

void Check(bool holds) {
  if (!holds) std::abort();
}

// A name a folder can hold: no separator, no zero byte, not "." or "..".
std::string EntryName(orvex::fuzz::Input& in) {
  static const char* const kFixed[] = {"My Icons",           "iconindex.dat", "20050101-bob.dat",
                                       "20051231-alice.txt", ".hidden",       "Archive"};
  const std::uint8_t b = in.Byte();
  if (b >= 0xF0) return kFixed[b % 6];
  std::string name(in.Take(1 + b % 12));
  for (char& c : name) {
    if (c == '/' || c == '\0') c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = "n" + name;
  return name;
}

// The non-hidden names of a folder in the program's listing order: by name
// with a-z read as A-Z, then by the plain bytes.
std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> keyed;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string(), folded = name;
    for (char& c : folded) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    if (!name.starts_with(".")) keyed.emplace_back(std::move(folded), std::move(name));
  }
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::string> names;
  for (auto& k : keyed) names.push_back(std::move(k.second));
  return names;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void BuildTree(orvex::fuzz::Input& in, const std::string& profiles) {
  std::vector<std::string> folders = {profiles};  // every folder made so far
  int steps = 0;
  while (!in.rest().empty() && ++steps <= 48) {
    const std::uint8_t op = in.Byte();
    const std::string& at = folders[in.Byte() % folders.size()];
    const std::string name = EntryName(in);
    const std::string path = at + name;
    std::error_code ec;
    switch (op % 6) {
      case 0:  // an identity with its message folder
        if (fs::create_directories(path + orvex::kMessagesSubfolder, ec)) {
          folders.push_back(path + orvex::kMessagesSubfolder);
        }
        break;
      case 1:  // a folder
        if (fs::create_directory(path, ec)) folders.push_back(path + "/");
        break;
      case 2:  // a file, of a size from the input
        if (FILE* f = std::fopen(path.c_str(), "wbx")) {
          const std::string bytes(in.Byte(), 'x');
          std::fwrite(bytes.data(), 1, bytes.size(), f);
          std::fclose(f);
        }
        break;
      case 3: {  // a link to a folder or file made before, to itself, or to nowhere
        const std::uint8_t kind = in.Byte();
        const std::string target = kind % 4 == 0   ? folders[kind / 4 % folders.size()]
                                   : kind % 4 == 1 ? path
                                   : kind % 4 == 2 ? at + "missing"
                                                   : "..";
        (void)::symlink(target.c_str(), path.c_str());
        break;
      }
      case 4:  // a file where the scan looks for a folder
        if (fs::create_directories(path + "/Archive", ec)) {
          if (FILE* f = std::fopen((path + "/Archive/Messages").c_str(), "wbx")) std::fclose(f);
        }
        break;
      default:  // a link to a folder of the tree under a hidden name
        (void)::symlink(at.c_str(), (at + "." + name).c_str());
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::uint8_t selection = in.Byte();
  static const std::string root = orvex::fuzz::ScratchFolder("index");
  const std::string profiles = root + "/profiles/";
  fs::remove_all(root);
  fs::create_directories(profiles);
  BuildTree(in, profiles);

  // The scan: identities are the entries whose message folder exists, each
  // with every non-hidden entry of that folder as a friend.
  const auto scanned = orvex::ScanProfiles(profiles);
  Check(scanned.has_value());
  const orvex::ContactTreeData& tree = *scanned;
  Check(tree.tree.size() >= 2 && tree.tree.node(0).kind == orvex::nkShowAll &&
        tree.tree.node(1).kind == orvex::nkFavorites);
  std::vector<orvex::NodeId> friend_nodes;
  std::size_t identity_count = 0;
  for (const std::string& name : Listing(profiles)) {
    if (name == "My Icons" || name == "iconindex.dat" ||
        !IsFolder(orvex::MessageFolder(profiles, name))) {
      continue;
    }
    Check(identity_count < tree.identity_names.size() &&
          tree.identity_names[identity_count] == name);
    const orvex::NodeId id = tree.tree.top_level().at(2 + identity_count);
    ++identity_count;
    const std::vector<std::string> friends = Listing(orvex::MessageFolder(profiles, name));
    const auto& children = tree.tree.node(id).children;
    Check(children.size() == friends.size());
    for (std::size_t k = 0; k < friends.size(); ++k) {
      Check(tree.NodeText(children[k]) == friends[k] && tree.IdentityNameOf(children[k]) == name);
      friend_nodes.push_back(children[k]);
    }
  }
  Check(identity_count == tree.identity_names.size());

  // The index of "Show all": every non-hidden entry of every friend folder,
  // each path inside the tree naming an entry that is there.
  const orvex::FavoritesList no_favorites;
  const orvex::IndexBuild all = orvex::BuildConversationIndex(profiles, tree, {0}, no_favorites);
  std::vector<std::string> expected;
  std::vector<std::string> expected_identity;
  for (orvex::NodeId node : friend_nodes) {
    const std::string folder = orvex::FriendFolder(profiles, tree, node);
    for (const std::string& name : Listing(folder)) {
      expected.push_back(folder + name);
      expected_identity.push_back(tree.IdentityNameOf(node));
    }
  }
  Check(all.entries.size() == expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const orvex::ConversationEntry& e = all.entries[k];
    Check(e.path == expected[k] && e.path.starts_with(profiles));
    struct stat named {
    }, opened{};
    Check(::lstat(e.path.c_str(), &named) == 0);
    const bool opens = ::stat(e.path.c_str(), &opened) == 0;
    const std::int64_t size = opens && !S_ISDIR(opened.st_mode) ? opened.st_size : 0;
    Check(e.size == size);
  }
  Check(all.panel ==
        (expected.empty() ? orvex::PanelChange::kUnchanged
         : std::all_of(expected_identity.begin(), expected_identity.end(),
                       [&](const std::string& id) { return id == expected_identity[0]; })
             ? orvex::PanelChange::kOneIdentity
             : orvex::PanelChange::kMultiple));
  if (!expected.empty()) Check(all.shown_identity == expected_identity[0]);

  // Some friends selected, in any order: their files, in tree order.
  std::vector<orvex::NodeId> chosen;
  std::vector<std::string> chosen_paths;
  for (std::size_t k = 0; k < friend_nodes.size(); ++k) {
    if ((selection >> (k % 8)) & 1) chosen.insert(chosen.begin(), friend_nodes[k]);
  }
  for (const orvex::ConversationEntry& e : all.entries) {
    for (orvex::NodeId node : chosen) {
      const std::string folder = orvex::FriendFolder(profiles, tree, node);
      if (e.path.starts_with(folder) && e.path.find('/', folder.size()) == std::string::npos) {
        chosen_paths.push_back(e.path);
        break;
      }
    }
  }
  const orvex::IndexBuild some =
      orvex::BuildConversationIndex(profiles, tree, chosen, no_favorites);
  std::vector<std::string> some_paths;
  for (const orvex::ConversationEntry& e : some.entries) some_paths.push_back(e.path);
  Check(some_paths == chosen_paths);
  return 0;
}
