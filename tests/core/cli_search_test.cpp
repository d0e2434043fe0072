// orvex-cli search: one line per searched conversation in list order, the
// closing count, and a failing file ending the walk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/listed_paths.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

using testing::RecordToWrite;
using testing::RunProgram;

class CliSearch : public ::testing::Test {
 protected:
  RecordToWrite Record(const std::string& text) {
    RecordToWrite r;
    r.time_value = testing::TimeValueFromUnixSeconds(1136073600);
    r.direction = 1;
    r.text = text;
    return r;
  }

  // An archive of alice with a friend on a day, one record per text.
  std::string Write(const std::string& friend_name, const std::string& day,
                    const std::vector<std::string>& texts) {
    std::vector<RecordToWrite> records;
    for (const std::string& t : texts) records.push_back(Record(t));
    const std::string path =
        profiles_ / ("alice/Archive/Messages/" + friend_name + "/" + day + "-alice.dat");
    testing::WriteBytes(path, testing::EncodeArchive(records, "alice"));
    return path;
  }

  testing::ProgramResult Search(const std::string& text, const std::vector<std::string>& more) {
    std::vector<std::string> args = {"search", profiles_.path(), text};
    args.insert(args.end(), more.begin(), more.end());
    return RunProgram(ORVEX_CLI, args);
  }

  std::vector<std::string> Listed(const std::string& select) {
    return testing::ListedPaths(ORVEX_CLI, {profiles_.path(), "--select", select});
  }

  testing::TempFolder profiles_;
};

TEST_F(CliSearch, OneLinePerEntryInListOrderThenTheCount) {
  const std::string a = Write("bob", "20060101", {"the flat", "FLAT flat", "aaaa"});
  const std::string b = Write("bob", "20060102", {"nothing here"});
  const std::string c = Write("bob", "20060103", {"Flat"});
  const std::vector<std::string> listed = Listed("alice/bob");
  ASSERT_EQ(listed.size(), 3u);
  std::string expected;
  for (const std::string& path : listed) {
    const char* count = path == a ? "3\t" : path == b ? "0\t" : path == c ? "1\t" : "?\t";
    expected += count + path + "\n";
  }
  const testing::ProgramResult r = Search("flat", {"--select", "alice/bob"});
  EXPECT_EQ(r.out, expected + "searched 3 of 3\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliSearch, OverlapsAndNoNamesOrTimes) {
  const std::string a = Write("bob", "20060101", {"aaaa"});
  EXPECT_EQ(Search("aa", {"--select", "alice/bob"}).out, "3\t" + a + "\nsearched 1 of 1\n");
  for (const char* text : {"bob", "alice", "2006", "("}) {
    EXPECT_EQ(Search(text, {"--select", "alice/bob"}).out, "0\t" + a + "\nsearched 1 of 1\n")
        << text;
  }
}

TEST_F(CliSearch, TextIsTakenAsUtf8AndOnlyAToZFold) {
  const std::string a = Write("bob", "20060101", {"CAF\xC3\xA9 caf\xC3\xA9"});
  EXPECT_EQ(Search("caf\xC3\xA9", {"--select", "alice/bob"}).out,
            "2\t" + a + "\nsearched 1 of 1\n");
  EXPECT_EQ(Search("CAF\xC3\x89", {"--select", "alice/bob"}).out,
            "0\t" + a + "\nsearched 1 of 1\n");
}

TEST_F(CliSearch, RawKeepsTheFormattingCodesInTheText) {
  const std::string a = Write("bob", "20060101", {testing::Code("1m") + "bold"});
  EXPECT_EQ(Search("[1m", {"--select", "alice/bob"}).out, "0\t" + a + "\nsearched 1 of 1\n");
  EXPECT_EQ(Search("[1m", {"--select", "alice/bob", "--raw"}).out,
            "1\t" + a + "\nsearched 1 of 1\n");
}

TEST_F(CliSearch, NothingSelectedAndEmptyText) {
  Write("bob", "20060101", {"flat"});
  const testing::ProgramResult none = Search("flat", {});
  EXPECT_EQ(none.out, "searched 0 of 0\n");
  EXPECT_EQ(none.status, 0);
  // An empty search box does nothing.
  const testing::ProgramResult empty = Search("", {"--select", "alice/bob"});
  EXPECT_EQ(empty.out, "");
  EXPECT_EQ(empty.err, "");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(Search("flat", {"--select", "alice/nobody"}).status, 2);
}

TEST_F(CliSearch, AFailingFileEndsTheWalk) {
  Write("bob", "20060101", {"flat"});
  Write("bob", "20060102", {"flat"});
  Write("bob", "20060103", {"flat"});
  const std::vector<std::string> listed = Listed("alice/bob");
  ASSERT_EQ(listed.size(), 3u);
  // The second in list order ends inside its second record's header.
  const std::size_t cut = testing::EncodeRecord(Record("flat"), "alice").size() + 7;
  testing::WriteBytes(
      listed[1], testing::EncodeArchive({Record("flat"), Record("flat")}, "alice").substr(0, cut));
  const testing::ProgramResult r = Search("flat", {"--select", "alice/bob"});
  EXPECT_EQ(r.out, "1\t" + listed[0] + "\nsearched 1 of 3\n");
  EXPECT_EQ(r.err, "Read beyond end of file.\n");
  EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace orvex
