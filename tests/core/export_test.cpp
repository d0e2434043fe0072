// Export: the names files are saved under, the page of one conversation, and
// the batch export with its failures.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/gathered_writes.h"
#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/render/theme.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using testing::RecordToWrite;

struct SaveNameCase {
  const char* name;
  std::string chosen;
  bool html;
  std::string saved;
};
void PrintTo(const SaveNameCase& c, std::ostream* os) {
  *os << c.name;
}

class SaveAsFileNameTest : public ::testing::TestWithParam<SaveNameCase> {};

TEST_P(SaveAsFileNameTest, AddsTheSuffixUnlessTheTestedTextOccurs) {
  const SaveNameCase& c = GetParam();
  EXPECT_EQ(c.html ? SaveAsFileName(c.chosen, ".HTML", ".html")
                   : SaveAsFileName(c.chosen, ".TXT", ".txt"),
            c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveAsFileNameTest,
    ::testing::Values(SaveNameCase{"HtmlPlain", "/d/notes", true, "/d/notes.html"},
                      SaveNameCase{"HtmlShortExtension", "/d/notes.htm", true, "/d/notes.htm.html"},
                      SaveNameCase{"HtmlCapitalsKept", "/d/Notes.HTML", true, "/d/Notes.HTML"},
                      SaveNameCase{"HtmlMixedCaseKept", "/d/n.HtMl", true, "/d/n.HtMl"},
                      SaveNameCase{"HtmlInsideKept", "/d/a.html.bak", true, "/d/a.html.bak"},
                      SaveNameCase{"HtmlInFolderName", "/x.html/notes", true, "/x.html/notes"},
                      SaveNameCase{"HtmlNotEnoughForText", "/d/a.html", false, "/d/a.html.txt"},
                      SaveNameCase{"TextPlain", "/d/notes", false, "/d/notes.txt"},
                      SaveNameCase{"TextCapitalsKept", "/d/NOTES.TXT", false, "/d/NOTES.TXT"},
                      SaveNameCase{"TextInsideKept", "/d/a.txt.old", false, "/d/a.txt.old"},
                      SaveNameCase{"TextWithoutDot", "/d/notestxt", false, "/d/notestxt.txt"},
                      SaveNameCase{"AccentedCapitalNotFolded", "/d/a.t\xDDt", false,
                                   "/d/a.t\xDDt.txt"}),
    [](const ::testing::TestParamInfo<SaveNameCase>& info) { return info.param.name; });

struct FileNameCase {
  const char* name;
  std::string folder;
  std::string file_name;
  std::string friend_name;
  bool html;
  std::string path;
};
void PrintTo(const FileNameCase& c, std::ostream* os) {
  *os << c.name;
}

class IndividualFileNameTest : public ::testing::TestWithParam<FileNameCase> {};

TEST_P(IndividualFileNameTest, ReplacesTheExtensionByTheFriend) {
  const FileNameCase& c = GetParam();
  EXPECT_EQ(IndividualFileName(c.folder, c.file_name, c.friend_name, c.html ? ".html" : ".txt"),
            c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IndividualFileNameTest,
    ::testing::Values(
        FileNameCase{"Example", "/out", "20060412-alice.dat", "bob", true,
                     "/out/20060412-alice-bob.html"},
        FileNameCase{"FolderWithSeparator", "/out/", "20060412-alice.dat", "bob", true,
                     "/out/20060412-alice-bob.html"},
        FileNameCase{"Text", "/out", "20060412-alice.dat", "bob", false,
                     "/out/20060412-alice-bob.txt"},
        FileNameCase{"NoExtension", "/out", "notes", "bob", true, "/out/notes-bob.html"},
        FileNameCase{"LastDotOnly", "/out", "a.b.dat", "bob", false, "/out/a.b-bob.txt"},
        FileNameCase{"DotBeforeColon", "/out", "a.b:c", "bob", true, "/out/a.b:c-bob.html"},
        FileNameCase{"OnlyAnExtension", "/out", ".dat", "bob", true, "/out/-bob.html"},
        FileNameCase{"FriendWithDots", "/o.d", "x.dat", "b.o", true, "/o.d/x-b.o.html"}),
    [](const ::testing::TestParamInfo<FileNameCase>& info) { return info.param.name; });

Theme TestTheme() {
  Theme t;
  t.file_header = "\r\n<html>\n<body>";
  t.conversation_header = "\r\n<div>";
  t.message1 = "\r\n<p>%id: %text</p>";
  t.message2 = "\r\n<p>%id said %text</p>";
  t.conversation_footer = "\r\n</div>";
  t.file_footer = "\r\n<i>%today and %today, not %Today</i>";
  return t;
}

TEST(IndividualPageTest, HeaderSplitIntoLinesAndTodayFilledEverywhere) {
  const TextItems page = IndividualPage(TestTheme(), "BODY\r\nMORE", "NOW");
  EXPECT_EQ(page, (TextItems{"", "<html>", "<body>", "\r\n<div>", "BODY\r\nMORE", "\r\n</div>",
                             "\r\n<i>NOW and NOW, not %Today</i>"}));
}

class FixedFormatter : public DateTimeFormatter {
 public:
  std::string ShortDate(double) const override { return "D"; }
  std::string LongTime(double) const override { return "T"; }
};

class ExportTest : public ::testing::Test {
 protected:
  ExportTest() {
    fs::create_directories(out_.path() + "sub");
    settings_.theme = &theme_;
    settings_.formatter = &formatter_;
  }

  ExportSource Add(const std::string& friend_name, const std::string& text) {
    RecordToWrite r;
    r.time_value = testing::TimeValueFromUnixSeconds(1144800000);
    r.direction = 1;
    r.text = text;
    const std::string name = "20060412-alice.dat";
    const std::string path = dir_ / ("alice/Archive/Messages/" + friend_name + "/" + name);
    testing::WriteBytes(path, testing::EncodeArchive({r}, "alice"));
    return {path, name, friend_name, "alice", std::nullopt};
  }

  void Export(const std::vector<ExportSource>& sources, bool html, std::size_t stop_after = 0) {
    const ExportContext context{
        out_.path() + "sub", &theme_,
        settings_,           &state_,
        &text_buffer_,       [this] { return "NOW" + std::to_string(++today_calls_); }};
    ExportConversations(
        sources,
        *MakeConversationWriter(html ? ExportFormat::kPage : ExportFormat::kTranscript, context),
        [&](std::size_t written) { return written == stop_after; });
  }

  std::string Read(const std::string& name) { return ReadWholeFile(out_ / ("sub/" + name)); }
  bool Exists(const std::string& name) { return fs::exists(out_ / ("sub/" + name)); }

  testing::TempFolder dir_, out_;
  Theme theme_ = TestTheme();
  FixedFormatter formatter_;
  RenderSettings settings_;
  RenderState state_;
  TextItems text_buffer_ = {"from the last view"};
  int today_calls_ = 0;
};

TEST_F(ExportTest, HtmlFilesHoldOnePageEachTwoFriendsOneFileName) {
  Export({Add("bob", "hi <b>there</b>"), Add("carol", "yo")}, true);
  EXPECT_EQ(Read("20060412-alice-bob.html"),
            "\r\n<html>\r\n<body>\r\n\r\n<div>\r\n\r\n\r\n<p>bob said hi <b>there</b></p>\r\n"
            "\r\n</div>\r\n\r\n<i>NOW1 and NOW1, not %Today</i>\r\n");
  EXPECT_EQ(Read("20060412-alice-carol.html"),
            "\r\n<html>\r\n<body>\r\n\r\n<div>\r\n\r\n\r\n<p>carol said yo</p>\r\n"
            "\r\n</div>\r\n\r\n<i>NOW2 and NOW2, not %Today</i>\r\n");
  // The text buffer ends holding the last conversation's transcript.
  EXPECT_EQ(text_buffer_, TextItems{"\r\ncarol (D T): yo"});
  EXPECT_EQ(state_.counters.side[1].messages, 2);
}

TEST_F(ExportTest, TextFilesHoldTheTranscript) {
  Export({Add("bob", "hi <b>there</b>"), Add("carol", "yo")}, false);
  EXPECT_EQ(Read("20060412-alice-bob.txt"), "\r\nbob (D T): hi there\r\n");
  EXPECT_EQ(Read("20060412-alice-carol.txt"), "\r\ncarol (D T): yo\r\n");
  EXPECT_EQ(text_buffer_, TextItems{"\r\ncarol (D T): yo"});
  EXPECT_FALSE(Exists("20060412-alice-bob.html"));
}

TEST_F(ExportTest, AnExistingFileIsReplaced) {
  testing::WriteBytes(out_ / "sub/20060412-alice-bob.txt", std::string(200, 'x'));
  Export({Add("bob", "hi")}, false);
  EXPECT_EQ(Read("20060412-alice-bob.txt"), "\r\nbob (D T): hi\r\n");
}

TEST_F(ExportTest, StoppingAfterTheFirstFileWritesNoMore) {
  Export({Add("bob", "hi"), Add("carol", "yo")}, true, 1);
  EXPECT_TRUE(Exists("20060412-alice-bob.html"));
  EXPECT_FALSE(Exists("20060412-alice-carol.html"));
}

TEST_F(ExportTest, AFileThatCannotBeCreatedStopsTheExport) {
  const std::vector<ExportSource> sources = {Add("bob", "hi"), Add("carol", "yo"),
                                             Add("dave", "hey")};
  fs::create_directories(out_ / "sub/20060412-alice-carol.txt");  // in the way
  try {
    Export(sources, false);
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + out_.path() +
                                         "sub/20060412-alice-carol.txt\". " +
                                         std::strerror(EISDIR));
  }
  EXPECT_EQ(Read("20060412-alice-bob.txt"), "\r\nbob (D T): hi\r\n");
  EXPECT_FALSE(Exists("20060412-alice-dave.txt"));
}

TEST(WriteItemsToFileTest, EachItemFollowedByCrLf) {
  testing::TempFolder dir;
  WriteItemsToFile(dir / "a.txt", {"", "one\ntwo", "three"});
  EXPECT_EQ(ReadWholeFile(dir / "a.txt"), "\r\none\ntwo\r\nthree\r\n");
  WriteItemsToFile(dir / "a.txt", {});
  EXPECT_EQ(ReadWholeFile(dir / "a.txt"), "");
  // Items around the size the writes gather: small ones before and after
  // large ones, one exactly at the size.
  const std::size_t gathered = files::kGatheredWriteSize;
  const TextItems items{"a",
                        std::string(gathered - 3, 'b'),
                        "c",
                        std::string(gathered, 'd'),
                        std::string(2 * gathered + 1, 'e'),
                        "f"};
  WriteItemsToFile(dir / "a.txt", items);
  EXPECT_EQ(ReadWholeFile(dir / "a.txt"), JoinItems(items));
}

TEST(WriteItemsToFileTest, AMissingFolderGivesTheCannotCreateText) {
  testing::TempFolder dir;
  const std::string path = dir / "missing/a.html";
  try {
    WriteItemsToFile(path, {"x"});
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file \"" + path + "\". " + std::strerror(ENOENT));
  }
}

// A file size limit makes writing fail halfway through, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  sighandler_t old_handler_;
};

TEST(WriteItemsToFileTest, AFileThatCannotBeCompletedIsRemoved) {
  testing::TempFolder dir;
  const std::string small = dir / "small.txt", big = dir / "big.txt";
  try {
    const FileSizeLimit limit(1000);
    WriteItemsToFile(small, {std::string(100, 's')});
    WriteItemsToFile(big, {std::string(5000, 'b')});
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + big + "\". " + std::strerror(EFBIG));
  }
  EXPECT_EQ(ReadWholeFile(small), std::string(100, 's') + "\r\n");
  EXPECT_FALSE(fs::exists(big));
}

}  // namespace
}  // namespace orvex
