#include "ylogs/program/settings_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "discovery_fixture.h"
#include "platform/private_profile.h"
#include "ylogs/program/settings.h"

namespace orvex {
namespace {

using discovery_testing::TempTree;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

struct ChoiceCase {
  const char* name;
  SettingsFacts facts;
  SettingsLocation expected;
};

class ChooseSettingsLocationTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseSettingsLocationTest, PicksTheFiles) {
  const SettingsLocation got = ChooseSettingsLocation(GetParam().facts);
  EXPECT_EQ(got.read_path, GetParam().expected.read_path);
  EXPECT_EQ(got.write_path, GetParam().expected.write_path);
  EXPECT_EQ(got.seed_path, GetParam().expected.seed_path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseSettingsLocationTest,
    ::testing::Values(
        ChoiceCase{"WritableFolderKeepsTheFileBesideTheProgram",
                   {"/home/u/orvex/", true, "/home/u/.config", false},
                   {"/home/u/orvex/orvex.ini", "/home/u/orvex/orvex.ini", ""}},
        // A portable copy stays portable even where the user has run an
        // installed copy before.
        ChoiceCase{"WritableFolderIgnoresAPerUserCopy",
                   {"/media/stick/orvex/", true, "/home/u/.config", true},
                   {"/media/stick/orvex/orvex.ini", "/media/stick/orvex/orvex.ini", ""}},
        ChoiceCase{"ReadOnlyFolderUsesTheUsersCopyOnceItExists",
                   {"/opt/orvex/", false, "/home/u/.config", true},
                   {"/home/u/.config/orvex/orvex.ini", "/home/u/.config/orvex/orvex.ini", ""}},
        ChoiceCase{
            "ReadOnlyFolderFirstTimeReadsBesideAndWritesTheUsersCopy",
            {"/opt/orvex/", false, "/home/u/.config", false},
            {"/opt/orvex/orvex.ini", "/home/u/.config/orvex/orvex.ini", "/opt/orvex/orvex.ini"}},
        ChoiceCase{"SeparatorsAreAddedOnceWhereMissing",
                   {"/opt/orvex", false, "/cfg/", true},
                   {"/cfg/orvex/orvex.ini", "/cfg/orvex/orvex.ini", ""}}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return info.param.name; });

struct HomeCase {
  const char* name;
  const char* xdg;
  const char* home;
  const char* expected;
};

class ConfigHomeTest : public ::testing::TestWithParam<HomeCase> {};

TEST_P(ConfigHomeTest, FollowsTheUsersConfigurationFolder) {
  EXPECT_EQ(ConfigHome(GetParam().xdg, GetParam().home), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigHomeTest,
    ::testing::Values(HomeCase{"AbsoluteXdgWins", "/cfg/place", "/home/u", "/cfg/place"},
                      HomeCase{"RelativeXdgIsIgnored", "rel/cfg", "/home/u", "/home/u/.config"},
                      HomeCase{"EmptyXdgIsIgnored", "", "/home/u/", "/home/u/.config"},
                      HomeCase{"UnsetXdg", nullptr, "/home/u", "/home/u/.config"}),
    [](const ::testing::TestParamInfo<HomeCase>& info) { return info.param.name; });

TEST(PrepareSettingsFile, CreatesTheFolderAndStartsFromTheProgramFoldersFile) {
  TempTree tree;
  tree.File("prog/orvex.ini", 0, "[Other]\r\nKeep=me\r\n[Settings]\r\nTheme=dark\r\n");
  const SettingsLocation first =
      ChooseSettingsLocation({tree / "prog/", false, tree / "cfg", false});
  // Before the first save the program folder's file is what is read.
  EXPECT_EQ(ReadSettings(first.read_path).theme, "dark");

  PrepareSettingsFile(first);
  AppSettings s;
  s.theme = "print";
  s.smileys = true;
  WriteSettings(first.write_path, s);

  const SettingsLocation later =
      ChooseSettingsLocation({tree / "prog/", false, tree / "cfg", true});
  EXPECT_EQ(later.read_path, tree / "cfg/orvex/orvex.ini");
  const AppSettings back = ReadSettings(later.read_path);
  EXPECT_EQ(back.theme, "print");
  EXPECT_TRUE(back.smileys);
  // Sections the program does not know come along with the copy.
  EXPECT_EQ(ReadProfileString(later.read_path, "Other", "Keep", ""), "me");
  // The program folder's file is left as it was.
  EXPECT_EQ(ReadAll(tree / "prog/orvex.ini"), "[Other]\r\nKeep=me\r\n[Settings]\r\nTheme=dark\r\n");
}

TEST(PrepareSettingsFile, NeverOverwritesTheUsersCopy) {
  TempTree tree;
  tree.File("prog/orvex.ini", 0, "[Settings]\r\nTheme=dark\r\n");
  tree.File("cfg/orvex/orvex.ini", 0, "[Settings]\r\nTheme=compact\r\n");
  // Even a location that still names a seed (another instance made the copy
  // in between) keeps the user's file.
  PrepareSettingsFile(
      {tree / "prog/orvex.ini", tree / "cfg/orvex/orvex.ini", tree / "prog/orvex.ini"});
  EXPECT_EQ(ReadAll(tree / "cfg/orvex/orvex.ini"), "[Settings]\r\nTheme=compact\r\n");
}

TEST(PrepareSettingsFile, WithoutAProgramFolderFileTheFirstSaveStartsEmpty) {
  TempTree tree;
  tree.Folder("prog");
  const SettingsLocation first =
      ChooseSettingsLocation({tree / "prog/", false, tree / "deep/cfg", false});
  PrepareSettingsFile(first);
  EXPECT_TRUE(std::filesystem::is_directory(tree / "deep/cfg/orvex"));
  EXPECT_FALSE(std::filesystem::exists(first.write_path));
  WriteSettings(first.write_path, AppSettings{});
  EXPECT_EQ(ReadProfileString(first.write_path, "Settings", "Favorites", "missing"), "0");
  EXPECT_FALSE(std::filesystem::exists(tree / "prog/orvex.ini"));
}

TEST(PrepareSettingsFile, TheCopyIsWritableByItsOwner) {
  TempTree tree;
  tree.File("prog/orvex.ini", 0, "[Settings]\r\nTheme=dark\r\n");
  std::filesystem::permissions(tree / "prog/orvex.ini", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::group_read |
                                                            std::filesystem::perms::others_read);
  PrepareSettingsFile(ChooseSettingsLocation({tree / "prog/", false, tree / "cfg", false}));
  const auto perms = std::filesystem::status(tree / "cfg/orvex/orvex.ini").permissions();
  EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST(LocateSettingsFile, LooksUpTheFolderAndTheUsersCopy) {
  TempTree tree;
  tree.Folder("prog");
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", (tree / "cfg").c_str(), 1);

  EXPECT_EQ(LocateSettingsFile(tree / "prog/").write_path, tree / "prog/orvex.ini");
  // A folder that cannot be written to (here: one that is not there) sends
  // the settings to the user's folder; the user's copy is noticed once made.
  EXPECT_EQ(LocateSettingsFile(tree / "gone/").read_path, tree / "gone/orvex.ini");
  EXPECT_EQ(LocateSettingsFile(tree / "gone/").write_path, tree / "cfg/orvex/orvex.ini");
  tree.File("cfg/orvex/orvex.ini", 0, "[Settings]\r\n");
  EXPECT_EQ(LocateSettingsFile(tree / "gone/").read_path, tree / "cfg/orvex/orvex.ini");

  if (old) {
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace orvex
