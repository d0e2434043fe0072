// orvex-cli render: the page, transcript and statistics the viewer would give
// for the files named, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

using testing::RecordToWrite;
using testing::RunProgram;

#define ESC "\x1B"

constexpr std::uint32_t kSeconds = 1234567890;  // shown as 2009-02-14 02:31:30

constexpr char kTheme[] =
    "a theme for the tests\n"
    "_FILEHEADER_\n<html>\n"
    "_CONVERSATIONHEADER_\n<div>\n"
    "_MESSAGE1_\n<p>%id %datetime: %text</p>\n"
    "_MESSAGE2_\n<p class=f>%id%shorttime: %text</p>\n"
    "_CONVERSATIONFOOTER_\n</div>\n"
    "_FILEFOOTER_\n</html>\n";

// The theme's pieces as the page holds them, each followed by CR LF.
constexpr char kHead[] = "\r\n<html>\r\n";
constexpr char kOpen[] = "\r\n<div>\r\n";
constexpr char kClose[] = "\r\n</div>\r\n";
constexpr char kFoot[] = "\r\n</html>\r\n";

struct Msg {
  std::uint8_t direction;
  std::string text;
};

class CliRender : public ::testing::Test {
 protected:
  CliRender() { testing::WriteBytes(theme_, kTheme); }

  std::string Write(const std::string& friend_name, const std::vector<Msg>& msgs,
                    const std::string& key = "alice") {
    std::vector<RecordToWrite> records;
    for (const Msg& m : msgs) {
      RecordToWrite r;
      r.time_value = testing::TimeValueFromUnixSeconds(kSeconds);
      r.direction = m.direction;
      r.text = m.text;
      records.push_back(r);
    }
    const std::string path =
        dir_ / ("alice/Archive/Messages/" + friend_name + "/20090214-alice.dat");
    testing::WriteBytes(path, testing::EncodeArchive(records, key));
    return path;
  }

  // Runs render on `files` with `options`; the test theme and fixed formats
  // stand in for the options not given.
  testing::ProgramResult Run(const std::vector<std::string>& files,
                             const std::vector<std::string>& options = {}) {
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), files.begin(), files.end());
    args.insert(args.end(), options.begin(), options.end());
    const std::pair<std::string, std::string> defaults[] = {
        {"--theme", theme_}, {"--date-format", "%Y-%m-%d"}, {"--time-format", "%H:%M:%S"}};
    for (const auto& [option, value] : defaults) {
      if (std::find(options.begin(), options.end(), option) != options.end()) continue;
      args.push_back(option);
      args.push_back(value);
    }
    return RunProgram(ORVEX_CLI, args);
  }

  testing::TempFolder dir_;
  const std::string theme_ = dir_ / "test.th";
};

TEST_F(CliRender, PageOfTwoFiles) {
  const std::string f1 = Write("bob", {{0, "hi"}, {1, "yo"}});
  const std::string f2 = Write("carol", {{6, "b"}});
  const testing::ProgramResult r = Run({f1, f2});
  EXPECT_EQ(r.out, std::string(kHead) + kOpen +
                       "\r\n\r\n<p>alice (2009-02-14 02:31:30): hi</p>"
                       "\r\n\r\n<p class=f>bob 02:31: yo</p>\r\n" +
                       kClose + kOpen + "\r\n\r\n<p class=f>carol 02:31: b</p>\r\n" + kClose +
                       kFoot);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliRender, TranscriptHoldsOneItemPerFile) {
  const std::string f1 = Write("bob", {{0, "hi"}, {1, "<b>yo</b>"}});
  const std::string f2 = Write("carol", {{1, "b"}});
  EXPECT_EQ(Run({f1, f2}, {"--transcript"}).out,
            "\r\nalice (2009-02-14 02:31:30): hi\r\nbob (2009-02-14 02:31:30): yo\r\n"
            "\r\ncarol (2009-02-14 02:31:30): b\r\n");
  EXPECT_EQ(Run({f1, f2}, {"--transcript", "--text-only"}).out, "\r\nhi\r\nyo\r\n\r\nb\r\n");
}

TEST_F(CliRender, TextOnlyKeepsThePage) {
  const std::string f1 = Write("bob", {{0, "hi"}});
  EXPECT_EQ(Run({f1}, {"--text-only"}).out, Run({f1}).out);
}

TEST_F(CliRender, StatisticsOfAllFiles) {
  const std::string f1 = Write("bob", {{0, "one two three"}, {1, "four"}, {0, "five six"}});
  const std::string f2 = Write("carol", {{1, "x"}, {0, "y"}});
  EXPECT_EQ(Run({f1, f2}, {"--stats"}).out,
            "\tLocal user\tFriend\tTotal\n"
            "messages\t3\t2\t5\n"
            "words\t6\t2\t8\n"
            "bytes\t22\t5\t27\n"
            "avg words/message\t2\t1\t2\n"
            "avg word length\t3\t2\t3\n"
            "avg bytes/message\t7\t2\t5\n"
            "conversations started\t1\t1\t2\n");
}

struct OptionCase {
  const char* name;
  std::vector<std::string> options;
  std::string filled;  // the message's line in the body
};

class CliRenderOptions : public CliRender, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(CliRenderOptions, ChangeTheMessageAsTheirCheckBoxDoes) {
  const std::string f = Write("bob", {{0, ESC "[1m:) Hi" ESC "[31mred"}});
  std::string filled = GetParam().filled;
  for (std::size_t at; (at = filled.find("BIN/")) != std::string::npos;) {
    filled.replace(at, 4, ORVEX_BIN_DIR);
  }
  const testing::ProgramResult r = Run({f}, GetParam().options);
  EXPECT_EQ(r.out, std::string(kHead) + kOpen + "\r\n\r\n" + filled + "\r\n" + kClose + kFoot);
  EXPECT_EQ(r.status, 0);
}

const char kStamped[] = "<p>alice (2009-02-14 02:31:30): ";

INSTANTIATE_TEST_SUITE_P(
    Options, CliRenderOptions,
    ::testing::Values(
        OptionCase{"Defaults",
                   {},
                   std::string(kStamped) + "<b>:) Hi<font color=\"#0000FF\">red</b></font></p>"},
        OptionCase{"NoDate",
                   {"--no-date"},
                   "<p>alice (02:31:30): <b>:) Hi<font color=\"#0000FF\">red</b></font></p>"},
        OptionCase{"NoTime",
                   {"--no-time"},
                   "<p>alice (2009-02-14): <b>:) Hi<font color=\"#0000FF\">red</b></font></p>"},
        OptionCase{"NoDateNoTime",
                   {"--no-date", "--no-time"},
                   "<p>alice : <b>:) Hi<font color=\"#0000FF\">red</b></font></p>"},
        OptionCase{"NoBold",
                   {"--no-bold"},
                   std::string(kStamped) + ":) Hi<font color=\"#0000FF\">red</font></p>"},
        OptionCase{"NoFonts", {"--no-fonts"}, std::string(kStamped) + "<b>:) Hired</b></p>"},
        OptionCase{"Smileys",
                   {"--smileys"},
                   std::string(kStamped) +
                       "<b><img src=\"BIN/Smileys/01.gif\"> Hi<font color=\"#0000FF\">red</b>"
                       "</font></p>"},
        OptionCase{"Raw", {"--raw"}, std::string(kStamped) + ESC "[1m:) Hi" ESC "[31mred</p>"},
        OptionCase{"Highlight",
                   {"--highlight", "Hi"},
                   std::string(kStamped) + "<b>:) <span style=\"background:yellow\">Hi</span><font "
                                           "color=\"#0000FF\">red</b></font></p>"},
        OptionCase{"HighlightIsExactCase",
                   {"--highlight", "hi"},
                   std::string(kStamped) + "<b>:) Hi<font color=\"#0000FF\">red</b></font></p>"},
        OptionCase{
            "Formats",
            {"--date-format", "%d.%m.%y", "--time-format", "%I.%M %p"},
            "<p>alice (14.02.09 02.31 AM): <b>:) Hi<font color=\"#0000FF\">red</b></font></p>"}),
    [](const ::testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.name); });

TEST_F(CliRender, LooseNamesAreTypedTextInTheCodePage) {
  const std::string f = Write("bob", {{1, "hello"}}, "carol");
  const testing::ProgramResult r = Run({f}, {"--user", "carol", "--friend", "Zo\xC3\xAB"});
  EXPECT_EQ(r.out, std::string(kHead) + kOpen + "\r\n\r\n<p class=f>Zo\xEB 02:31: hello</p>\r\n" +
                       kClose + kFoot);
}

TEST_F(CliRender, FileFooterGetsTheDateAndTimeForEveryToday) {
  testing::WriteBytes(theme_,
                      "_FILEHEADER_\n%today\n_CONVERSATIONHEADER_\n_MESSAGE1_\n_MESSAGE2_\n"
                      "_CONVERSATIONFOOTER_\n_FILEFOOTER_\n%today|%today|%Today\n");
  const std::string f = Write("bob", {});
  const testing::ProgramResult r = Run({f}, {"--date-format", "DAY", "--time-format", "TIME"});
  EXPECT_EQ(r.out, "\r\n%today\r\n\r\n\r\n\r\n\r\nDAY TIME|DAY TIME|%Today\r\n");
}

TEST_F(CliRender, FileFailingMidwayEndsThePageWithTheFooter) {
  const std::string f1 = Write("bob", {{0, "one"}});
  const std::string cut = Write("carol", {{0, "two"}, {1, "three"}});
  testing::WriteBytes(cut, testing::EncodeArchive({RecordToWrite{}}, "alice").substr(0, 5));
  const std::string f3 = Write("dave", {{0, "four"}});
  const testing::ProgramResult r = Run({f1, cut, f3});
  EXPECT_EQ(r.out, std::string(kHead) + kOpen +
                       "\r\n\r\n<p>alice (2009-02-14 02:31:30): one</p>\r\n" + kClose + kOpen +
                       kFoot);
  EXPECT_EQ(r.err, "Read beyond end of file.\n");
  EXPECT_EQ(r.status, 1);
  const testing::ProgramResult t = Run({f1, cut, f3}, {"--transcript"});
  EXPECT_EQ(t.out, "\r\nalice (2009-02-14 02:31:30): one\r\n");
  EXPECT_EQ(t.status, 1);
  const testing::ProgramResult missing = Run({dir_ / "missing.dat", f1});
  EXPECT_EQ(missing.out, std::string(kHead) + kOpen + kFoot);
  EXPECT_EQ(missing.err, "File not found.\n");
  EXPECT_EQ(missing.status, 1);
}

TEST_F(CliRender, DamagedRecordIsAMessageAndTheRunGoesOn) {
  std::vector<RecordToWrite> records(2);
  records[0].text = "ok";
  records[1].header_override = std::make_pair(16, std::uint8_t{7});
  const std::string damaged = dir_ / "alice/Archive/Messages/bob/20090101-alice.dat";
  testing::WriteBytes(damaged, testing::EncodeArchive(records, "alice"));
  const std::string next = Write("carol", {{2, "two"}, {2, ""}});
  const testing::ProgramResult r = Run({damaged, next}, {"--no-date", "--no-time"});
  EXPECT_EQ(r.out, std::string(kHead) + kOpen + "\r\n\r\n<p>alice : ok</p>\r\n" + kClose + kOpen +
                       "\r\n\r\n<p class=f>carol: two</p>\r\n" + kClose + kFoot);
  EXPECT_EQ(r.err, damaged + "\r\n error A:16::38\n2\n");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliRender, DefaultThemeIsTheOneInTheProgramFolder) {
  const std::string f = Write("bob", {{0, "x"}});
  const std::vector<std::string> formats = {"--date-format", "%Y", "--time-format", "%H"};
  std::vector<std::string> plain = {"render", f};
  plain.insert(plain.end(), formats.begin(), formats.end());
  std::vector<std::string> named = plain;
  named.insert(named.end(), {"--theme", std::string(ORVEX_BIN_DIR) + "themes/default.th"});
  const testing::ProgramResult a = RunProgram(ORVEX_CLI, plain);
  const testing::ProgramResult b = RunProgram(ORVEX_CLI, named);
  EXPECT_EQ(a.out, b.out);
  EXPECT_EQ(a.err, b.err);
  EXPECT_EQ(a.status, b.status);
}

// Installed, the program is started through a link on the PATH, in a folder
// without themes: the program folder is the executable's real one.
TEST_F(CliRender, StartedThroughALinkItFindsThemesAndSmileysBesideItsRealPath) {
  const std::string f = Write("bob", {{0, ":) x"}});
  const std::string link = dir_ / "orvex-cli";
  std::filesystem::create_symlink(ORVEX_CLI, link);
  const std::vector<std::string> args = {"render",        f,   "--smileys", "--date-format", "%Y",
                                         "--time-format", "%H"};
  const testing::ProgramResult direct = RunProgram(ORVEX_CLI, args);
  const testing::ProgramResult linked = RunProgram(link, args);
  EXPECT_EQ(linked.status, 0) << linked.err;
  EXPECT_EQ(linked.out, direct.out);
  EXPECT_NE(linked.out.find(std::string(ORVEX_BIN_DIR) + "Smileys/01.gif"), std::string::npos);
}

TEST_F(CliRender, DefaultFormatsAreTheLocales) {
  const std::string f = Write("bob", {{0, "x"}});
  const testing::ProgramResult r = RunProgram(ORVEX_CLI, {"render", f, "--theme", theme_});
  EXPECT_EQ(r.out, std::string(kHead) + kOpen + "\r\n\r\n<p>alice (02/14/09 02:31:30): x</p>\r\n" +
                       kClose + kFoot);
}

TEST_F(CliRender, ThemeThatCannotBeLoadedIsAnError) {
  const std::string f = Write("bob", {{0, "x"}});
  const testing::ProgramResult r = Run({f}, {"--theme", dir_ / "none.th"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "File not found.\n");
  EXPECT_EQ(r.status, 1);
}

TEST_F(CliRender, BadArgumentsExitWithTwo) {
  const std::string f = Write("bob", {{0, "x"}});
  for (const std::vector<std::string>& args : {std::vector<std::string>{"render"},
                                               {"render", f, "--user", "u"},
                                               {"render", f, "--theme"},
                                               {"render", f, "--bold"},
                                               {"paint", f}}) {
    const testing::ProgramResult r = RunProgram(ORVEX_CLI, args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, "") << ::testing::PrintToString(args);
    EXPECT_NE(r.err, "") << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace orvex
