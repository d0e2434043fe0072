#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "discovery_fixture.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/identity_panel.h"
#include "ylogs/discovery/profiles_scan.h"

namespace orvex {
namespace {

using discovery_testing::ListingOrder;
using discovery_testing::TempTree;

// alice: bob (two files, a sub-folder, a hidden file), carol (one file), dan
// (empty); erin: bob (one file).
class IndexTree {
 public:
  IndexTree() {
    const std::string m = "P/alice/Archive/Messages/";
    t.File(m + "bob/20050101-alice.dat", 300);
    t.File(m + "bob/20050102-alice.dat", 12);
    t.Folder(m + "bob/20050103-sub");
    t.File(m + "bob/.hidden.dat", 5);
    t.File(m + "carol/20060101-alice.dat", 5);
    t.Folder(m + "dan");
    t.File("P/erin/Archive/Messages/bob/20070101-erin.dat", 7);
    profiles = t / "P/";
    data = *ScanProfiles(profiles);
  }

  NodeId Find(const std::string& wanted) const {
    if (wanted == "*all") return 0;
    if (wanted == "*favorites") return 1;
    const auto slash = wanted.find('/');
    for (NodeId id = 0; id < data.tree.size(); ++id) {
      const NodeKind kind = data.tree.node(id).kind;
      if (slash == std::string::npos && kind == nkIdentity && data.NodeText(id) == wanted)
        return id;
      if (slash != std::string::npos && kind == nkFriend &&
          data.IdentityNameOf(id) == wanted.substr(0, slash) &&
          data.NodeText(id) == wanted.substr(slash + 1)) {
        return id;
      }
    }
    throw std::runtime_error("no node " + wanted);
  }

  // The entries expected for friend folders, in listing order of identities,
  // then of friends, then of files.
  std::vector<std::string> ExpectedPaths(std::set<std::string> friends) const {
    std::vector<std::string> paths;
    for (const auto& id : ListingOrder(profiles)) {
      const std::string messages = profiles + id + "/Archive/Messages/";
      for (const auto& f : ListingOrder(messages)) {
        if (!friends.count(id + "/" + f)) continue;
        for (const auto& name : ListingOrder(messages + f)) {
          if (name[0] != '.') paths.push_back(messages + f + "/" + name);
        }
      }
    }
    return paths;
  }

  TempTree t;
  std::string profiles;
  ContactTreeData data;
};

std::vector<std::string> PathsOf(const IndexBuild& build) {
  std::vector<std::string> paths;
  for (const auto& e : build.entries) paths.push_back(e.path);
  return paths;
}

struct SelectionCase {
  const char* name;
  std::vector<std::string> selected;
  std::set<std::string> friends_listed;
  PanelChange panel;
  const char* shown_identity;
};

class BuildFromTreeTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(BuildFromTreeTest, ListsTheSelectedFriendsAndNamesTheirIdentity) {
  const IndexTree tree;
  const SelectionCase& c = GetParam();
  std::vector<NodeId> selected;
  for (const auto& s : c.selected) selected.push_back(tree.Find(s));
  FavoritesList favorites;
  favorites.Add({"/elsewhere/20050101-x.dat", "x", "elsewhere", 1});

  const IndexBuild build = BuildConversationIndex(tree.profiles, tree.data, selected, favorites);
  EXPECT_EQ(PathsOf(build), tree.ExpectedPaths(c.friends_listed));
  EXPECT_TRUE(build.close_search_tabs);
  EXPECT_TRUE(build.resets_current_identity);
  EXPECT_EQ(build.panel, c.panel);
  EXPECT_EQ(build.shown_identity, c.shown_identity);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, BuildFromTreeTest,
    ::testing::Values(
        SelectionCase{"Nothing", {}, {}, PanelChange::kUnchanged, ""},
        SelectionCase{
            "OneFriend", {"alice/bob"}, {"alice/bob"}, PanelChange::kOneIdentity, "alice"},
        SelectionCase{"TwoFriendsOfOneIdentity",
                      {"alice/carol", "alice/bob"},
                      {"alice/bob", "alice/carol"},
                      PanelChange::kOneIdentity,
                      "alice"},
        SelectionCase{"FriendsOfTwoIdentities",
                      {"erin/bob", "alice/carol"},
                      {"alice/carol", "erin/bob"},
                      PanelChange::kMultiple,
                      "alice"},
        SelectionCase{"IdentityAlone", {"alice"}, {}, PanelChange::kUnchanged, ""},
        SelectionCase{"EmptyFriend", {"alice/dan"}, {}, PanelChange::kUnchanged, ""},
        SelectionCase{"IdentityAndAFriendOfAnother",
                      {"alice", "erin/bob"},
                      {"erin/bob"},
                      PanelChange::kOneIdentity,
                      "erin"},
        SelectionCase{"ShowAllWithAFriend",
                      {"erin/bob", "*all"},
                      {"alice/bob", "alice/carol", "alice/dan", "erin/bob"},
                      PanelChange::kMultiple,
                      "alice"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildConversationIndex, FavouritesFirstListsOnlyTheFavourites) {
  const IndexTree tree;
  FavoritesList favorites;
  favorites.Add({"/elsewhere/20050101-x.dat", "x", "elsewhere", 1});
  favorites.Add({"/elsewhere/readme", "y", "else", 2});
  const IndexBuild build = BuildConversationIndex(
      tree.profiles, tree.data, {tree.Find("alice/bob"), tree.Find("*favorites")}, favorites);
  EXPECT_EQ(PathsOf(build),
            (std::vector<std::string>{"/elsewhere/20050101-x.dat", "/elsewhere/readme"}));
  EXPECT_EQ(build.entries[1].file_name, "readme");
  EXPECT_EQ(build.entries[1].identity, "y");
  EXPECT_FALSE(build.entries[1].date.has_value());
  EXPECT_FALSE(build.close_search_tabs);
  EXPECT_FALSE(build.resets_current_identity);
  EXPECT_EQ(build.panel, PanelChange::kUnchanged);
}

TEST(BuildConversationIndex, EntriesCarryListingSizesAndNameFields) {
  const IndexTree tree;
  const IndexBuild build =
      BuildConversationIndex(tree.profiles, tree.data, {tree.Find("alice/bob")}, {});
  std::map<std::string, ConversationEntry> by_name;
  for (const auto& e : build.entries) by_name[e.file_name] = e;
  ASSERT_EQ(by_name.size(), 3u);  // the hidden file is left out

  const ConversationEntry& file = by_name.at("20050101-alice.dat");
  EXPECT_EQ(file.path, tree.profiles + "alice/Archive/Messages/bob/20050101-alice.dat");
  EXPECT_EQ(file.size, 300);
  EXPECT_EQ(file.identity, "alice");
  EXPECT_EQ(file.friend_name, "bob");
  EXPECT_EQ(file.date, DateFromFileName("20050101"));
  EXPECT_EQ(by_name.at("20050102-alice.dat").size, 12);

  const ConversationEntry& folder = by_name.at("20050103-sub");
  EXPECT_EQ(folder.size, 0);
  EXPECT_EQ(folder.identity, "");
  EXPECT_EQ(folder.date, DateFromFileName("20050103"));
}

TEST(BuildConversationIndex, RelistsTheFoldersAtEveryBuild) {
  const IndexTree tree;
  const NodeId carol = tree.Find("alice/carol");
  tree.t.File("P/alice/Archive/Messages/carol/20060102-alice.dat", 9);
  EXPECT_EQ(BuildConversationIndex(tree.profiles, tree.data, {carol}, {}).entries.size(), 2u);
  std::filesystem::remove_all(tree.t / "P/alice/Archive/Messages/carol");
  const IndexBuild gone = BuildConversationIndex(tree.profiles, tree.data, {carol}, {});
  EXPECT_TRUE(gone.entries.empty());
  EXPECT_EQ(gone.panel, PanelChange::kUnchanged);
}

TEST(IdentityPanel, FollowsTheBuildsAsTheMenuBarShowsThem) {
  const IndexTree tree;
  const auto build = [&](std::vector<std::string> names) {
    std::vector<NodeId> ids;
    for (const auto& name : names) ids.push_back(tree.Find(name));
    FavoritesList favorites;
    favorites.Add({"/f/20050101-z.dat", "z", "f", 1});
    return BuildConversationIndex(tree.profiles, tree.data, ids, favorites);
  };
  IdentityPanel panel;
  EXPECT_EQ(panel.text, "Yahoo ID: ");

  EXPECT_EQ(ApplyIndexBuild(panel, build({"alice/bob", "erin/bob"})), "alice");
  EXPECT_EQ(panel.text, "Yahoo ID: multiple");
  EXPECT_FALSE(panel.archiving_shown);
  EXPECT_EQ(panel.current_identity, "alice");

  EXPECT_EQ(ApplyIndexBuild(panel, build({"erin/bob"})), "erin");
  EXPECT_EQ(panel.text, "Yahoo ID: erin");
  EXPECT_TRUE(panel.archiving_shown);
  EXPECT_EQ(panel.current_identity, "erin");

  // The favourites leave panel and current identity alone.
  EXPECT_EQ(ApplyIndexBuild(panel, build({"*favorites"})), std::nullopt);
  EXPECT_EQ(panel.text, "Yahoo ID: erin");
  EXPECT_EQ(panel.current_identity, "erin");

  // A build from the tree that lists nothing keeps the text but no identity.
  EXPECT_EQ(ApplyIndexBuild(panel, build({"alice"})), std::nullopt);
  EXPECT_EQ(panel.text, "Yahoo ID: erin");
  EXPECT_TRUE(panel.archiving_shown);
  EXPECT_EQ(panel.current_identity, "");
}

}  // namespace
}  // namespace orvex
