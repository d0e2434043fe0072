#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "discovery_fixture.h"
#include "ylogs/discovery/profiles_folder.h"
#include "ylogs/discovery/profiles_scan.h"
#include "ylogs/discovery/registry_user.h"

namespace orvex {
namespace {

using discovery_testing::InListingOrder;
using discovery_testing::TempTree;

struct DefaultFolderCase {
  const char* program_files;
  const char* expected;
};

class DefaultProfilesFolderTest : public ::testing::TestWithParam<DefaultFolderCase> {};

TEST_P(DefaultProfilesFolderTest, AppendsTheMessengerFolderWithOneSeparator) {
  EXPECT_EQ(DefaultProfilesFolder(GetParam().program_files), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DefaultProfilesFolderTest,
    ::testing::Values(
        DefaultFolderCase{"/opt/Programs", "/opt/Programs/Yahoo!/Messenger/Profiles/"},
        DefaultFolderCase{"/opt/Programs/", "/opt/Programs/Yahoo!/Messenger/Profiles/"},
        DefaultFolderCase{"", "/Yahoo!/Messenger/Profiles/"}));

TEST(DefaultProfilesFolder, ReadsTheEnvironmentAndTakesAMissingVariableAsEmpty) {
  const char* saved = std::getenv("PROGRAMFILES");
  const std::string old = saved ? saved : "";
  ::setenv("PROGRAMFILES", "/srv/apps", 1);
  EXPECT_EQ(DefaultProfilesFolderFromEnvironment(), "/srv/apps/Yahoo!/Messenger/Profiles/");
  ::unsetenv("PROGRAMFILES");
  EXPECT_EQ(DefaultProfilesFolderFromEnvironment(), "/Yahoo!/Messenger/Profiles/");
  if (saved) ::setenv("PROGRAMFILES", old.c_str(), 1);
}

TEST(ScanProfiles, LeavesEverythingUnchangedForATextThatIsNoFolder) {
  TempTree t;
  t.File("plain.txt", 3);
  EXPECT_FALSE(ScanProfiles(t / "missing/").has_value());
  EXPECT_FALSE(ScanProfiles(t / "plain.txt").has_value());
  EXPECT_FALSE(ScanProfiles("").has_value());
}

TEST(ScanProfiles, AFolderTextWithoutItsSeparatorGivesOnlyTheFixedNodes) {
  TempTree t;
  t.Identity("P/", "alice", {"bob"});
  const auto data = ScanProfiles(t / "P");
  ASSERT_TRUE(data.has_value());
  ASSERT_EQ(data->tree.size(), 2);
  EXPECT_EQ(data->tree.node(0).kind, nkShowAll);
  EXPECT_EQ(data->tree.node(1).kind, nkFavorites);
  EXPECT_EQ(data->NodeText(0), "Show all");
  EXPECT_EQ(data->NodeText(1), "Favorite conversations");
  EXPECT_TRUE(data->identity_names.empty());
  EXPECT_TRUE(data->friend_names.empty());
  // With the separator the same folder holds an identity.
  EXPECT_EQ(ScanProfiles(t / "P/")->identity_names, std::vector<std::string>{"alice"});
}

// A profiles folder with every kind of entry the scan must take or pass over.
class ScanProfilesTree : public ::testing::Test {
 protected:
  void SetUp() override {
    t.Identity("P/", "alice", {"bob", "carol", ".hidden"});
    t.File("P/alice/Archive/Messages/notes.txt", 4);  // a plain file is a friend too
    t.Identity("P/", "erin", {"bob"});
    t.Identity("P/", "dave");
    t.Identity("P/", "My Icons", {"x"});
    t.Identity("P/", "my icons", {"y"});
    t.Identity("P/", "iconindex.dat");
    t.Identity("P/", ".ghost", {"z"});
    t.Folder("P/stray/Archive");
    t.File("P/readme.txt", 1);
    profiles = t / "P/";
  }

  // The friends an identity should get, in listing order.
  std::vector<std::string> Friends(const std::string& identity,
                                   const std::vector<std::string>& names) const {
    return InListingOrder(profiles + identity + "/Archive/Messages/", names);
  }

  TempTree t;
  std::string profiles;
};

// Names that differ in letter case alone are left out: Windows holds one.
TEST(ScanProfiles, ListsByNameWithAsciiLettersFolded) {
  TempTree t;
  for (const char* name : {"b", "_x", "Zed", "ab", "B2", "A1", "a0"}) t.Identity("P/", name);
  const auto data = ScanProfiles(t / "P/");
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(data->identity_names,
            (std::vector<std::string>{"a0", "A1", "ab", "b", "B2", "Zed", "_x"}));
}

TEST_F(ScanProfilesTree, TakesIdentitiesAndFriendsInListingOrder) {
  const auto data = ScanProfiles(profiles);
  ASSERT_TRUE(data.has_value());

  const auto identities = InListingOrder(profiles, {"alice", "erin", "dave", "my icons"});
  EXPECT_EQ(data->identity_names, identities);

  const std::map<std::string, std::vector<std::string>> friends_of = {
      {"alice", Friends("alice", {"bob", "carol", "notes.txt"})},
      {"erin", {"bob"}},
      {"dave", {}},
      {"my icons", {"y"}}};
  std::vector<std::string> all_friends;
  for (const auto& id : identities) {
    for (const auto& f : friends_of.at(id)) all_friends.push_back(f);
  }
  EXPECT_EQ(data->friend_names, all_friends);

  // Tree order: the fixed nodes, then each identity followed by its friends.
  const auto& tree = data->tree;
  ASSERT_EQ(tree.size(), 2 + static_cast<int>(identities.size() + all_friends.size()));
  EXPECT_EQ(tree.top_level().size(), 2 + identities.size());
  NodeId id = 2;
  int friend_index = 0;
  for (std::size_t i = 0; i < identities.size(); ++i) {
    const NodeId identity = id++;
    EXPECT_EQ(tree.node(identity).kind, nkIdentity);
    EXPECT_EQ(tree.node(identity).name_index, static_cast<int>(i));
    EXPECT_EQ(tree.node(identity).parent, kNoNode);
    EXPECT_EQ(data->NodeText(identity), identities[i]);
    const auto& expected_friends = friends_of.at(identities[i]);
    ASSERT_EQ(tree.node(identity).children.size(), expected_friends.size()) << identities[i];
    for (std::size_t f = 0; f < expected_friends.size(); ++f) {
      const NodeId child = id++;
      EXPECT_EQ(tree.node(identity).children[f], child);
      EXPECT_EQ(tree.node(child).kind, nkFriend);
      EXPECT_EQ(tree.node(child).parent, identity);
      EXPECT_EQ(tree.node(child).name_index, friend_index++);
      EXPECT_EQ(data->NodeText(child), expected_friends[f]);
      EXPECT_EQ(data->IdentityNameOf(child), identities[i]);
    }
  }
}

TEST_F(ScanProfilesTree, ASharedFriendGetsTwoNodesWithEqualTexts) {
  const auto data = ScanProfiles(profiles);
  ASSERT_TRUE(data.has_value());
  std::vector<NodeId> bobs;
  for (NodeId id = 0; id < data->tree.size(); ++id) {
    if (data->tree.node(id).kind == nkFriend && data->NodeText(id) == "bob") bobs.push_back(id);
  }
  ASSERT_EQ(bobs.size(), 2u);
  EXPECT_NE(data->tree.node(bobs[0]).name_index, data->tree.node(bobs[1]).name_index);
  EXPECT_NE(data->IdentityNameOf(bobs[0]), data->IdentityNameOf(bobs[1]));
}

struct RegistryUserCase {
  const char* user;
  const char* expected;  // identity selected, or nullptr for none
};

class SelectRegistryUserTest : public ::testing::TestWithParam<RegistryUserCase> {};

TEST_P(SelectRegistryUserTest, PicksTheIdentitySpelledExactlyLikeTheUser) {
  TempTree t;
  t.Identity("P/", "Zed", {"a"});
  t.Identity("P/", "zed", {"b"});
  t.Identity("P/", "amy");
  const auto data = ScanProfiles(t / "P/");
  ASSERT_TRUE(data.has_value());
  const NodeId node = SelectRegistryUser(*data, GetParam().user);
  if (GetParam().expected == nullptr) {
    EXPECT_EQ(node, kNoNode);
  } else {
    ASSERT_NE(node, kNoNode);
    EXPECT_EQ(data->tree.node(node).kind, nkIdentity);
    EXPECT_EQ(data->NodeText(node), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Users, SelectRegistryUserTest,
    ::testing::Values(RegistryUserCase{"zed", "zed"}, RegistryUserCase{"Zed", "Zed"},
                      RegistryUserCase{"amy", "amy"}, RegistryUserCase{"ZED", nullptr},
                      RegistryUserCase{"a", nullptr},  // a friend, not an identity
                      RegistryUserCase{"", nullptr}));

TEST(SelectRegistryUser, SelectsNothingWithoutIdentities) {
  TempTree t;
  const auto data = ScanProfiles(t.root());
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(SelectRegistryUser(*data, "zed"), kNoNode);
}

}  // namespace
}  // namespace orvex
