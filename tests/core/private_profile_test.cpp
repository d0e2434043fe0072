#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "discovery_fixture.h"
#include "platform/private_profile.h"

namespace orvex {
namespace {

using discovery_testing::ListingOrder;
using discovery_testing::TempTree;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

const char kSample[] =
    "top=before any section\n"
    "[Settings]\r\n"
    "Date=1\r\n"
    "  Theme  =  Blue Sky  \r\n"
    "; Path0=/commented/out\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "Half=\"open\r\n"
    "Date=2\r\n"
    "no equals sign\r\n"
    "Empty=\r\n"
    "\r\n"
    "[ Other ]\r\n"
    "Date=9\r\n"
    "[settings]\r\n"
    "Late=hidden by the first section\r\n";

struct ReadCase {
  const char* section;
  const char* key;
  const char* expected;  // nullptr: missing
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, FindsKeysAsThePrivateProfileFunctionsDo) {
  const ProfileDocument doc = ProfileDocument::Parse(kSample);
  const auto value = doc.Value(GetParam().section, GetParam().key);
  if (GetParam().expected == nullptr) {
    EXPECT_FALSE(value.has_value()) << *value;
  } else {
    EXPECT_EQ(value, std::optional<std::string>(GetParam().expected));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ProfileReadTest,
    ::testing::Values(ReadCase{"Settings", "Date", "1"},  // the first of two
                      ReadCase{"SETTINGS", "date", "1"}, ReadCase{"settings", "THEME", "Blue Sky"},
                      ReadCase{"Settings", "Quoted", "  spaced  "},
                      ReadCase{"Settings", "Single", "x"}, ReadCase{"Settings", "Half", "\"open"},
                      ReadCase{"Settings", "Empty", ""}, ReadCase{"Settings", "Path0", nullptr},
                      ReadCase{"Settings", "; Path0", nullptr},
                      ReadCase{"Settings", "no equals sign", nullptr},
                      ReadCase{"Settings", "Late", nullptr}, ReadCase{"Settings", "top", nullptr},
                      ReadCase{"other", "date", "9"}, ReadCase{"Missing", "Date", nullptr}));

struct IntegerCase {
  const char* text;  // nullptr: key missing
  std::int32_t expected;
};

class ProfileIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, ReadsDecimalOrHexadecimalElseTheDefault) {
  ProfileDocument doc;
  if (GetParam().text) {
    ASSERT_TRUE(doc.SetValue("S", "K", GetParam().text));
  }
  EXPECT_EQ(GetProfileInteger(doc, "S", "k", 42), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileIntegerTest,
    ::testing::Values(IntegerCase{"7", 7}, IntegerCase{"-15", -15}, IntegerCase{"+3", 3},
                      IntegerCase{"007", 7}, IntegerCase{"0x1F", 31}, IntegerCase{"0X10", 16},
                      IntegerCase{"0x1", 1}, IntegerCase{"0xFFFFFFFF", -1},
                      IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"2147483648", 42},
                      IntegerCase{"99999999999", 42}, IntegerCase{"0x123456789", 42},
                      IntegerCase{"0x", 42}, IntegerCase{"0xG1", 42}, IntegerCase{"yes", 42},
                      IntegerCase{"12abc", 42}, IntegerCase{"1 2", 42}, IntegerCase{"-", 42},
                      IntegerCase{"", 42}, IntegerCase{nullptr, 42}));

TEST(ProfileRead, CutsLongValuesAndDefaults) {
  ProfileDocument doc;
  ASSERT_TRUE(doc.SetValue("S", "Long", std::string(3000, 'v')));
  EXPECT_EQ(GetProfileString(doc, "S", "Long", ""), std::string(2047, 'v'));
  EXPECT_EQ(GetProfileString(doc, "S", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ReadProfileString("/nonexistent/orvex.ini", "S", "K", "d"), "d");
  EXPECT_EQ(ReadProfileInteger("/nonexistent/orvex.ini", "S", "K", 5), 5);
}

TEST(ProfileWrite, ChangesKeysInPlaceAndKeepsEveryOtherLine) {
  TempTree t;
  const std::string file = t / "orvex.ini";
  t.File("orvex.ini", 0,
         "; written by hand\n"
         "[Settings]\n"
         "Date=1\n"
         "PATH0 = /old\n"
         "\n"
         "[Foreign]\n"
         "Keep=me\n");
  EXPECT_TRUE(WriteProfileString(file, "settings", "Path0", "/new/20050101-a.dat"));
  EXPECT_TRUE(WriteProfileString(file, "Settings", "Favorites", "1"));
  EXPECT_TRUE(WriteProfileString(file, "Foreign", "Added", "x"));
  EXPECT_TRUE(WriteProfileString(file, "Fresh", "One", "1"));
  EXPECT_EQ(ReadBytes(file),
            "; written by hand\r\n"
            "[Settings]\r\n"
            "Date=1\r\n"
            "PATH0=/new/20050101-a.dat\r\n"
            "Favorites=1\r\n"
            "\r\n"
            "[Foreign]\r\n"
            "Keep=me\r\n"
            "Added=x\r\n"
            "\r\n"
            "[Fresh]\r\n"
            "One=1\r\n");
  EXPECT_EQ(ListingOrder(t.root()), std::vector<std::string>{"orvex.ini"});  // no temporary left
}

TEST(ProfileWrite, CreatesTheFileAndValuesReadBackAsWritten) {
  TempTree t;
  const std::string file = t / "new.ini";
  const std::vector<std::string> values = {
      "plain", "", "  blanks around  ", "'quoted'", "\"dq\"", "\"half", "a=b;c", "[x]"};
  for (std::size_t i = 0; i < values.size(); ++i) {
    ASSERT_TRUE(WriteProfileString(file, "S", "K" + std::to_string(i), values[i])) << i;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(ReadProfileString(file, "S", "K" + std::to_string(i), "missing"), values[i]) << i;
  }
  EXPECT_EQ(ReadBytes(file).substr(0, 15), "[S]\r\nK0=plain\r\n");
}

TEST(ProfileWrite, RefusesWhatCannotBeWrittenAndLeavesTheFileAsItWas) {
  TempTree t;
  const std::string file = t / "orvex.ini";
  t.File("orvex.ini", 0, "[S]\r\nK=1\r\n");
  EXPECT_FALSE(WriteProfileString(file, "S", "K", "two\r\nlines"));
  EXPECT_FALSE(WriteProfileString(file, "S", "A=B", "1"));
  EXPECT_FALSE(WriteProfileString(file, "S", " K", "1"));
  EXPECT_FALSE(WriteProfileString(file, "S", "", "1"));
  EXPECT_FALSE(WriteProfileString(file, "S\nT", "K", "1"));
  EXPECT_EQ(ReadBytes(file), "[S]\r\nK=1\r\n");
}

TEST(ProfileWrite, ReportsAFileThatCannotBeWritten) {
  TempTree t;
  EXPECT_FALSE(WriteProfileString(t / "no-such-folder/orvex.ini", "S", "K", "1"));
  t.Folder("a-folder.ini");  // exists but cannot be read as a file: never overwritten
  EXPECT_FALSE(WriteProfileString(t / "a-folder.ini", "S", "K", "1"));
  EXPECT_TRUE(std::filesystem::is_directory(t / "a-folder.ini"));
}

TEST(ProfileWrite, WritesThroughALinkAndKeepsTheFilesMode) {
  TempTree t;
  t.File("real.ini", 0, "[S]\r\nK=1\r\n");
  ::chmod((t / "real.ini").c_str(), 0640);
  std::filesystem::create_symlink(t / "real.ini", t / "link.ini");
  EXPECT_TRUE(WriteProfileString(t / "link.ini", "S", "K", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(t / "link.ini"));
  EXPECT_EQ(ReadBytes(t / "real.ini"), "[S]\r\nK=2\r\n");
  struct stat st {};
  ASSERT_EQ(::stat((t / "real.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace orvex
