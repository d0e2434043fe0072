// Themes: the theme file's sections, the theme list and loading a theme file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/theme.h"

namespace orvex {
namespace {

std::vector<std::string> Sections(const Theme& t) {
  return {t.file_header, t.conversation_header, t.message1,
          t.message2,    t.conversation_footer, t.file_footer};
}

// The lines of a theme file joined with `eol`.
std::string Lines(const std::vector<std::string>& lines, const std::string& eol) {
  std::string out;
  for (const std::string& line : lines) out += line + eol;
  return out;
}

const std::vector<std::string> kFullTheme = {"notes before the header, _FILEHEADER_ and all",
                                             "_FILEHEADER_",
                                             "<html>",
                                             "<body>",
                                             "_CONVERSATIONHEADER_",
                                             "<div>",
                                             "_MESSAGE1_",
                                             "<p>%id: %text</p>",
                                             "_MESSAGE2_",
                                             "",
                                             "<p class=f>%id: %text</p>",
                                             "_CONVERSATIONFOOTER_",
                                             "</div>",
                                             "_FILEFOOTER_",
                                             "%today",
                                             "</body></html>"};

const std::vector<std::string> kFullSections = {"\r\n<html>\r\n<body>",
                                                "\r\n<div>",
                                                "\r\n<p>%id: %text</p>",
                                                "\r\n\r\n<p class=f>%id: %text</p>",
                                                "\r\n</div>",
                                                "\r\n%today\r\n</body></html>"};

class ThemeLineEnds : public ::testing::TestWithParam<std::string> {};

TEST_P(ThemeLineEnds, EveryLineEndGivesTheSameSections) {
  EXPECT_EQ(Sections(ParseTheme(Lines(kFullTheme, GetParam()))), kFullSections);
}

INSTANTIATE_TEST_SUITE_P(Ends, ThemeLineEnds, ::testing::Values("\r\n", "\n", "\r"));

TEST(ParseTheme, MixedLineEndsAndNoFinalLineBreak) {
  const std::string text =
      "_FILEHEADER_\rh\n_CONVERSATIONHEADER_\r\nc\n\r_MESSAGE1_\n_MESSAGE2_\r"
      "_CONVERSATIONFOOTER_\r\n_FILEFOOTER_\nlast";
  EXPECT_EQ(Sections(ParseTheme(text)),
            (std::vector<std::string>{"\r\nh", "\r\nc\r\n", "", "", "", "\r\nlast"}));
}

TEST(ParseTheme, ByteOneAEndsTheFile) {
  std::string text = Lines(kFullTheme, "\r\n");
  text.insert(text.find("</body>"), "end\x1A");
  const Theme theme = ParseTheme(text);
  EXPECT_EQ(theme.file_footer, "\r\n%today\r\nend");
  EXPECT_EQ(ParseTheme("_FILEHEADER_\r\nh\x1A\r\n_CONVERSATIONHEADER_\r\n").file_header, "\r\nh");
}

TEST(ParseTheme, AllSectionsEmpty) {
  const std::vector<std::string> markers = {"_FILEHEADER_", "_CONVERSATIONHEADER_", "_MESSAGE1_",
                                            "_MESSAGE2_",   "_CONVERSATIONFOOTER_", "_FILEFOOTER_"};
  const std::vector<std::string> expected = {"", "", "", "", "", "\r\n"};
  EXPECT_EQ(Sections(ParseTheme(Lines(markers, "\r\n"))), expected);
  std::string no_final_break = Lines(markers, "\r\n");
  no_final_break.resize(no_final_break.size() - 2);
  EXPECT_EQ(Sections(ParseTheme(no_final_break)), expected);
}

TEST(ParseTheme, FileFooterKeepsItsBlankLines) {
  EXPECT_EQ(ParseTheme(Lines({"_FILEHEADER_", "_CONVERSATIONHEADER_", "_MESSAGE1_", "_MESSAGE2_",
                              "_CONVERSATIONFOOTER_", "_FILEFOOTER_", "", "x", ""},
                             "\r\n"))
                .file_footer,
            "\r\n\r\nx\r\n");
}

TEST(ParseTheme, MarkerWithATrailingBlankOrOtherCaseIsAnOrdinaryLine) {
  const Theme theme = ParseTheme(
      Lines({"_FILEHEADER_", "_CONVERSATIONHEADER_", "c", "_MESSAGE1_ ", "_message1_", "_MESSAGE1_",
             "m1", "_MESSAGE2_", "m2", "_CONVERSATIONFOOTER_", "_FILEFOOTER_"},
            "\r\n"));
  EXPECT_EQ(theme.conversation_header, "\r\nc\r\n_MESSAGE1_ \r\n_message1_");
  EXPECT_EQ(theme.message1, "\r\nm1");
  EXPECT_EQ(theme.message2, "\r\nm2");
}

TEST(ParseTheme, WithoutFileHeaderMarkerEverythingStaysEmpty) {
  EXPECT_EQ(Sections(ParseTheme("<html>\r\n _FILEHEADER_\r\n_MESSAGE1_\r\nx\r\n")),
            std::vector<std::string>(6));
  EXPECT_EQ(Sections(ParseTheme("")), std::vector<std::string>(6));
}

TEST(ParseTheme, MissingMarkerReadsToTheEndAndLeavesTheRestEmpty) {
  const Theme theme =
      ParseTheme(Lines({"_FILEHEADER_", "h", "_CONVERSATIONHEADER_", "c", "_MESSAGE1_", "m1",
                        "_CONVERSATIONFOOTER_", "f", "_FILEFOOTER_", "end"},
                       "\r\n"));
  EXPECT_EQ(Sections(theme),
            (std::vector<std::string>{"\r\nh", "\r\nc",
                                      "\r\nm1\r\n_CONVERSATIONFOOTER_\r\nf\r\n_FILEFOOTER_\r\nend",
                                      "", "", ""}));
}

TEST(ParseTheme, MarkersOutOfOrder) {
  const Theme theme =
      ParseTheme(Lines({"_FILEHEADER_", "h", "_CONVERSATIONHEADER_", "c", "_MESSAGE2_", "m2",
                        "_MESSAGE1_", "m1", "_CONVERSATIONFOOTER_", "_FILEFOOTER_"},
                       "\r\n"));
  EXPECT_EQ(Sections(theme), (std::vector<std::string>{
                                 "\r\nh", "\r\nc\r\n_MESSAGE2_\r\nm2",
                                 "\r\nm1\r\n_CONVERSATIONFOOTER_\r\n_FILEFOOTER_", "", "", ""}));
}

TEST(ParseTheme, FileFooterMarkerAsTheLastLineGivesOneLineBreak) {
  const Theme theme = ParseTheme(Lines({"_FILEHEADER_", "_CONVERSATIONHEADER_", "_MESSAGE1_",
                                        "_MESSAGE2_", "_CONVERSATIONFOOTER_", "x", "_FILEFOOTER_"},
                                       "\n"));
  EXPECT_EQ(theme.conversation_footer, "\r\nx");
  EXPECT_EQ(theme.file_footer, "\r\n");
}

// --- the theme list and loading ---------------------------------------------

class ThemeFolder : public ::testing::Test {
 protected:
  void Add(const std::string& name, const std::string& text = "") {
    testing::WriteBytes(dir_ / ("themes/" + name), text);
  }
  testing::TempFolder dir_;
};

TEST_F(ThemeFolder, ListShowsNamesUpToTheirFirstDot) {
  Add("default.th");
  Add("my.dark.th");
  Add("Blue.th");
  Add(".hidden.th");
  Add("notes.txt");
  Add("old.thx");
  Add("a.th.bak");
  std::filesystem::create_directories(dir_ / "themes/folder.th");
  std::vector<std::string> names = ListThemes(dir_.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Blue", "default", "folder", "my"}));
}

TEST_F(ThemeFolder, ListIsEmptyWithoutThemesFolder) {
  EXPECT_TRUE(ListThemes(dir_.path()).empty());
}

TEST_F(ThemeFolder, LoadReadsNamePlusTh) {
  Add("dark.th", Lines({"_FILEHEADER_", "<html>", "_CONVERSATIONHEADER_", "_MESSAGE1_", "me",
                        "_MESSAGE2_", "you", "_CONVERSATIONFOOTER_", "_FILEFOOTER_", "</html>"},
                       "\r\n"));
  const Theme theme = LoadTheme(dir_.path(), "dark");
  EXPECT_EQ(Sections(theme),
            (std::vector<std::string>{"\r\n<html>", "", "\r\nme", "\r\nyou", "", "\r\n</html>"}));
}

TEST_F(ThemeFolder, LoadFailsWithTheFileErrorTexts) {
  Add("a.b.th", "_FILEHEADER_\r\n");
  std::filesystem::create_directories(dir_ / "themes/folder.th");
  auto error_of = [&](const std::string& name) -> std::string {
    try {
      LoadTheme(dir_.path(), name);
    } catch (const FileError& e) {
      return e.what();
    }
    return "loaded";
  };
  EXPECT_EQ(error_of("a"), "File not found");  // a.b.th is listed as "a", a.th is looked for
  EXPECT_EQ(error_of(""), "File not found");   // no match in the list: ".th"
  EXPECT_EQ(error_of("folder"), "File access denied");
  EXPECT_EQ(ThemeFilePath("/prog/", "a"), "/prog/themes/a.th");
}

TEST_F(ThemeFolder, UnreadableFileIsAccessDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
  Add("locked.th", "_FILEHEADER_\r\n");
  ::chmod((dir_ / "themes/locked.th").c_str(), 0);
  try {
    LoadTheme(dir_.path(), "locked");
    FAIL() << "loaded";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "File access denied");
  }
}

TEST(FindTheme, IgnoresLetterCaseAndTakesTheFirstMatch) {
  const std::vector<std::string> themes = {"Default", "dark", "DARK", "my"};
  EXPECT_EQ(FindTheme(themes, "default"), 0);
  EXPECT_EQ(FindTheme(themes, "DEFAULT"), 0);
  EXPECT_EQ(FindTheme(themes, "Dark"), 1);
  EXPECT_EQ(FindTheme(themes, "dar"), -1);
  EXPECT_EQ(FindTheme(themes, "darker"), -1);
  EXPECT_EQ(FindTheme(themes, "my.dark"), -1);
  EXPECT_EQ(FindTheme(themes, ""), -1);
}

}  // namespace
}  // namespace orvex
