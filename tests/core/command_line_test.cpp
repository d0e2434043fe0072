#include "ylogs/program/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "orvex_version.h"
#include "tests/support/run_program.h"

namespace orvex {
namespace {

using Action = WindowCommandLine::Action;

struct ParseCase {
  const char* name;
  std::vector<std::string> args;
  Action action;
  std::optional<std::string> folder;
  std::string error;
};

class ParseWindowCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseWindowCommandLineTest, ReadsTheArguments) {
  const WindowCommandLine line = ParseWindowCommandLine(GetParam().args);
  EXPECT_EQ(line.action, GetParam().action);
  EXPECT_EQ(line.profiles_folder, GetParam().folder);
  EXPECT_EQ(line.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseWindowCommandLineTest,
    ::testing::Values(
        ParseCase{"Nothing", {}, Action::kRun, std::nullopt, ""},
        ParseCase{"Folder", {"/d/Profiles"}, Action::kRun, "/d/Profiles", ""},
        ParseCase{"Help", {"--help"}, Action::kHelp, std::nullopt, ""},
        ParseCase{"ShortHelp", {"-h"}, Action::kHelp, std::nullopt, ""},
        ParseCase{"Version", {"--version"}, Action::kVersion, std::nullopt, ""},
        // Help answers whatever else was typed, even a mistake.
        ParseCase{"HelpWinsOverVersionAndErrors",
                  {"--bad", "--version", "--help"},
                  Action::kHelp,
                  std::nullopt,
                  "unknown option --bad"},
        ParseCase{
            "UnknownOption", {"--bad"}, Action::kUsageError, std::nullopt, "unknown option --bad"},
        ParseCase{
            "TwoFolders", {"a", "b"}, Action::kUsageError, "a", "more than one profiles folder: b"},
        ParseCase{
            "EmptyFolder", {""}, Action::kUsageError, std::nullopt, "the profiles folder is empty"},
        ParseCase{"DashAloneIsAFolder", {"-"}, Action::kRun, "-", ""},
        ParseCase{"DoubleDashEndsTheOptions", {"--", "--help"}, Action::kRun, "--help", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FolderCase {
  const char* name;
  std::string folder;
  std::string current;
  std::string expected;
};

class ProfilesFolderFromArgumentTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProfilesFolderFromArgumentTest, GivesThePathBoxText) {
  EXPECT_EQ(ProfilesFolderFromArgument(GetParam().folder, GetParam().current), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfilesFolderFromArgumentTest,
    ::testing::Values(
        FolderCase{"AbsoluteGainsASeparator", "/d/Profiles", "/home/u", "/d/Profiles/"},
        FolderCase{"AbsoluteKeepsItsSeparator", "/d/Profiles/", "/home/u", "/d/Profiles/"},
        FolderCase{"RelativeBelowTheCurrentFolder", "old/Profiles", "/home/u",
                   "/home/u/old/Profiles/"},
        FolderCase{"CurrentFolder", ".", "/home/u", "/home/u/"},
        FolderCase{"ParentStep", "../v/P", "/home/u", "/home/v/P/"},
        FolderCase{"Root", "/", "/home/u", "/"},
        FolderCase{"NamesKeptAsTheyAre", "My Profiles!/\xE9t\xE9", "/home/u",
                   "/home/u/My Profiles!/\xE9t\xE9/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliVersionTest, PrintsTheProjectVersion) {
  const testing::ProgramResult run = testing::RunProgram(ORVEX_CLI, {"--version"});
  EXPECT_EQ(run.out, std::string("orvex-cli ") + kVersion + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace orvex
