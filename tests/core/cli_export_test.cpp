// orvex-cli export: one file per listed conversation, named and filled as the
// batch export does it, and a file that cannot be created stopping the run.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/listed_paths.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using testing::RecordToWrite;
using testing::RunProgram;

constexpr char kTheme[] =
    "_FILEHEADER_\n<html>\n<body>\n"
    "_CONVERSATIONHEADER_\n<div>\n"
    "_MESSAGE1_\n<p>%id: %text</p>\n"
    "_MESSAGE2_\n<p>%id said %text</p>\n"
    "_CONVERSATIONFOOTER_\n</div>\n"
    "_FILEFOOTER_\n<i>%today|%today|%Today</i>\n";

class CliExport : public ::testing::Test {
 protected:
  CliExport() { testing::WriteBytes(theme_, kTheme); }

  // alice's archive with a friend on 12 April 2006: one message of the friend.
  void Write(const std::string& friend_name, const std::string& text) {
    RecordToWrite r;
    r.time_value = testing::TimeValueFromUnixSeconds(1144800000);
    r.direction = 1;
    r.text = text;
    testing::WriteBytes(
        profiles_ / ("alice/Archive/Messages/" + friend_name + "/20060412-alice.dat"),
        testing::EncodeArchive({r}, "alice"));
  }

  // Dates and times as fixed words, so that "%today" is known in advance.
  testing::ProgramResult Export(const std::string& outdir, const std::vector<std::string>& more) {
    std::vector<std::string> args = {"export", profiles_.path(), outdir, "--all",         "--theme",
                                     theme_,   "--date-format",  "D",    "--time-format", "T"};
    args.insert(args.end(), more.begin(), more.end());
    return RunProgram(ORVEX_CLI, args);
  }

  std::string Read(const std::string& name) { return ReadWholeFile(out_ / name); }

  // The friends of the list in list order.
  std::vector<std::string> ListedFriends() {
    std::vector<std::string> friends;
    for (const std::string& path : testing::ListedPaths(ORVEX_CLI, {profiles_.path(), "--all"})) {
      friends.push_back(fs::path(path).parent_path().filename().string());
    }
    return friends;
  }

  testing::TempFolder profiles_, out_, themes_;
  const std::string theme_ = themes_ / "test.th";
};

std::string Page(const std::string& message) {
  return "\r\n<html>\r\n<body>\r\n\r\n<div>\r\n\r\n\r\n" + message +
         "\r\n\r\n</div>\r\n\r\n<i>D T|D T|%Today</i>\r\n";
}

TEST_F(CliExport, HtmlPagesNamedByFriend) {
  Write("bob", "hi <b>there</b> :)");
  Write("carol", "yo");
  // The folder without its final separator: one is put in.
  const std::string& folder = out_.path();
  const testing::ProgramResult r = Export(folder.substr(0, folder.size() - 1), {});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Read("20060412-alice-bob.html"), Page("<p>bob said hi <b>there</b> :)</p>"));
  EXPECT_EQ(Read("20060412-alice-carol.html"), Page("<p>carol said yo</p>"));
  EXPECT_EQ(Export(out_.path(), {"--html"}).status, 0);
  EXPECT_EQ(Read("20060412-alice-bob.html"), Page("<p>bob said hi <b>there</b> :)</p>"));
}

TEST_F(CliExport, RenderOptionsShapeTheFiles) {
  Write("bob", "hi <b>there</b>");
  ASSERT_EQ(Export(out_.path(), {"--no-bold"}).status, 0);
  EXPECT_EQ(Read("20060412-alice-bob.html"), Page("<p>bob said hi there</p>"));
}

TEST_F(CliExport, TextFilesHoldTheTranscript) {
  Write("bob", "hi <b>there</b>");
  Write("carol", "yo");
  const testing::ProgramResult r = Export(out_.path(), {"--text"});
  EXPECT_EQ(r.out + r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Read("20060412-alice-bob.txt"), "\r\nbob (D T): hi there\r\n");
  EXPECT_EQ(Read("20060412-alice-carol.txt"), "\r\ncarol (D T): yo\r\n");
  EXPECT_FALSE(fs::exists(out_ / "20060412-alice-bob.html"));
  ASSERT_EQ(Export(out_.path(), {"--text", "--no-date"}).status, 0);
  EXPECT_EQ(Read("20060412-alice-bob.txt"), "\r\nbob (T): hi there\r\n");
}

TEST_F(CliExport, AFileThatCannotBeCreatedStopsTheRun) {
  for (const char* f : {"bob", "carol", "dave"}) Write(f, "hi");
  const std::vector<std::string> friends = ListedFriends();
  ASSERT_EQ(friends.size(), 3u);
  const std::string blocked = out_ / ("20060412-alice-" + friends[1] + ".txt");
  fs::create_directories(blocked);
  const testing::ProgramResult r = Export(out_.path(), {"--text"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Cannot create file \"" + blocked + "\". " + std::strerror(EISDIR) + ".\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Read("20060412-alice-" + friends[0] + ".txt"), "\r\n" + friends[0] + " (D T): hi\r\n");
  EXPECT_FALSE(fs::exists(out_ / ("20060412-alice-" + friends[2] + ".txt")));
}

TEST_F(CliExport, RefusedArguments) {
  Write("bob", "hi");
  const testing::ProgramResult empty = Export("", {});
  EXPECT_EQ(empty.err, "Please choose an output directory first.\n");
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(Export(out_.path(), {"--html", "--text"}).status, 2);
  for (const char* other : {"--html", "--text", "--json"}) {
    EXPECT_EQ(Export(out_.path(), {"--site", other}).status, 2) << other;
  }
  EXPECT_TRUE(fs::is_empty(out_.path()));
}

TEST_F(CliExport, JsonAndSiteInUtf8) {
  const std::string html = "\xCE\xBA\xCE\xB1\xCE\xBB\xCE\xB7 <b>\xD0\xB4\xD0\xB0</b> \xE4\xBD\xA0";
  Write("bob", html);
  const std::string text = "\xCE\xBA\xCE\xB1\xCE\xBB\xCE\xB7 \xD0\xB4\xD0\xB0 \xE4\xBD\xA0";
  // Both make their folder when it is missing.
  const testing::ProgramResult json = Export(out_ / "json/new", {"--json"});
  EXPECT_EQ(json.out + json.err, "");
  EXPECT_EQ(json.status, 0);
  EXPECT_NE(Read("json/new/20060412-alice-bob.json").find("\"text\": \"" + text + "\""),
            std::string::npos);
  EXPECT_NE(Read("json/new/index.json").find("\"file\": \"20060412-alice-bob.json\""),
            std::string::npos);
  const testing::ProgramResult site = Export(out_ / "site", {"--site"});
  EXPECT_EQ(site.out + site.err, "");
  EXPECT_EQ(site.status, 0);
  EXPECT_NE(Read("site/alice/bob/20060412-alice.html").find(html), std::string::npos);
  EXPECT_NE(Read("site/index.html").find("<a href=\"alice/bob/index.html\">bob</a>"),
            std::string::npos);
}

// Exporting into a friend folder, where a generated name is already an
// archive file (for the website, one given as a symbolic link in its
// folder, which the program did not write): refused, the archive as it was,
// nothing written.
TEST_F(CliExport, NeverWritesOverAnArchiveFile) {
  Write("bob", "hi");
  const std::string bob = profiles_ / "alice/Archive/Messages/bob/";
  testing::WriteBytes(bob + "20060412-alice-bob.html", "an archive file by its place");
  fs::create_directories(out_ / "site");
  fs::create_symlink(bob + "20060412-alice.dat", out_ / "site/index.html");
  struct Case {
    std::string outdir, format, said;
  };
  const Case cases[] = {
      {bob, "--html",
       "Cannot write \"" + bob +
           "20060412-alice-bob.html\": it is an archive file, and archive files are never "
           "changed.\n"},
      {out_ / "site", "--site",
       "The folder " + out_ / "site" +
           " holds what this program did not write there: index.html. Nothing was changed: move "
           "those out of it, or choose another folder for the website. (A website written by an "
           "earlier version of the program has no list of its files: remove it, and the new one "
           "takes its place.)\n"}};
  for (const Case& c : cases) {
    const testing::FolderSnapshot before = testing::TakeSnapshot(profiles_.path());
    const testing::ProgramResult r = Export(c.outdir, {c.format});
    EXPECT_EQ(r.err, c.said);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(testing::TakeSnapshot(profiles_.path()), before) << c.format;
  }
  EXPECT_EQ(testing::TakeSnapshot(out_ / "site").size(), 1u);  // the link alone
}

}  // namespace
}  // namespace orvex

namespace orvex {
namespace {

// An export that cannot do what was asked says so, and every format makes a
// missing output folder.
TEST_F(CliExport, RefusesWhatItCannotDoAndMakesTheFolder) {
  Write("bob", "hi");
  const std::string empty = out_ / "empty/";
  fs::create_directories(empty);
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"export", out_ / "missing", out_ / "x", "--all"},
       1,
       "The folder \"" + out_ / "missing/" + "\" does not exist.\n"},
      {{"export", empty, out_ / "x", "--site", "--all"},
       1,
       "The folder \"" + empty +
           "\" is not a profiles folder: none of its folders holds an Archive/Messages folder.\n"},
      {{"export", profiles_.path(), out_ / "x", "--json"}, 2, "--all, --favorites or --select"},
  };
  for (const Case& c : cases) {
    const testing::ProgramResult r = RunProgram(ORVEX_CLI, c.args);
    EXPECT_EQ(r.status, c.status) << c.args[1];
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out_ / "x"));
  }
  for (const char* format : {"--html", "--text", "--json", "--site"}) {
    const std::string folder = out_ / (std::string("new/") + (format + 2) + "/");
    EXPECT_EQ(Export(folder, {format}).status, 0) << format;
    EXPECT_FALSE(fs::is_empty(folder)) << format;
  }
}

}  // namespace
}  // namespace orvex
