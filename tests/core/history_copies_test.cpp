// Several profiles folders read as one history: the copies of a day folded
// as the list shows them, from real folders.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "discovery_fixture.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/profiles_scan.h"

namespace orvex {
namespace {

using discovery_testing::TempTree;

// One day's copies, one per folder (none: the folder lacks it), and the
// entries expected: each as the folder of the copy shown, then those of the
// copies behind it.
struct FoldCase {
  const char* name;
  std::vector<std::optional<std::string>> copies;
  std::vector<std::vector<int>> entries;
};

TEST(HistoryCopies, EachDayIsFoldedIntoTheConversationsItsCopiesMake) {
  const FoldCase cases[] = {
      {"identical", {"hello", "hello"}, {{0, 1}}},
      {"shorter copy behind the longer", {"hel", "hello"}, {{1, 0}}},
      {"longer first", {"hello", "hel"}, {{0, 1}}},
      {"differing", {"hello", "help!"}, {{0}, {1}}},
      {"same size, differing", {"abc", "abd"}, {{0}, {1}}},
      {"missing in the first folder", {std::nullopt, "hello"}, {{1}}},
      {"missing in the second folder", {"hello", std::nullopt}, {{0}}},
      {"three: two identical, one longer", {"hi", "hi", "hi there"}, {{2, 0, 1}}},
      {"three: a prefix of two that differ", {"hi", "hi you", "hi them"}, {{1}, {2, 0}}},
      {"three identical", {"x", "x", "x"}, {{0, 1, 2}}},
      {"empty copy", {"", "hello"}, {{1, 0}}},
  };
  for (const FoldCase& c : cases) {
    TempTree t;
    std::vector<std::string> folders;
    for (std::size_t f = 0; f < c.copies.size(); ++f) {
      const std::string profiles = "F" + std::to_string(f) + "/";
      t.Identity(profiles, "me", {"pal"});
      if (c.copies[f])
        t.File(profiles + "me/Archive/Messages/pal/20060101-me.dat", 0, *c.copies[f]);
      folders.push_back(t / profiles);
    }
    const std::optional<ContactTreeData> data = ScanProfiles(folders);
    ASSERT_TRUE(data) << c.name;
    const IndexBuild build = BuildConversationIndex(folders, *data, {0}, FavoritesList{});
    auto path = [&](int f) { return folders[f] + "me/Archive/Messages/pal/20060101-me.dat"; };
    ASSERT_EQ(build.entries.size(), c.entries.size()) << c.name;
    for (std::size_t e = 0; e < c.entries.size(); ++e) {
      const ConversationEntry& entry = build.entries[e];
      EXPECT_EQ(entry.path, path(c.entries[e][0])) << c.name;
      std::vector<std::string> behind;
      for (std::size_t k = 1; k < c.entries[e].size(); ++k) behind.push_back(path(c.entries[e][k]));
      EXPECT_EQ(entry.copies, behind) << c.name;
      EXPECT_EQ(entry.copy, static_cast<int>(e)) << c.name;
    }
  }
}

// The tree holds each identity and friend once, from every folder, in
// listing order; a folder named twice is read once; one that is missing adds
// nothing.
TEST(HistoryCopies, TheTreeJoinsTheFoldersNames) {
  TempTree t;
  t.Identity("A/", "zed", {"pal", "amy"});
  t.Identity("B/", "zed", {"bob", "pal"});
  t.Identity("B/", "ann", {"kim"});
  const std::vector<std::string> folders =
      HistoryFolders(t / "A", {t / "B/", t / "A/", t / "gone"});
  EXPECT_EQ(folders, (std::vector<std::string>{t / "A/", t / "B/", t / "gone/"}));
  const std::optional<ContactTreeData> data = ScanProfiles(folders);
  ASSERT_TRUE(data);
  std::string nodes;
  for (NodeId id = 0; id < data->tree.size(); ++id) nodes += data->NodeText(id) + ",";
  EXPECT_EQ(nodes, "Show all,Favorite conversations,ann,kim,zed,amy,bob,pal,");
  EXPECT_FALSE(ScanProfiles(std::vector<std::string>{t / "gone/", t / "A/"}));
}

}  // namespace
}  // namespace orvex
