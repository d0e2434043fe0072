// orvex-cli over several profiles folders read as one history (--also):
// copies of a day folded, each listed copy searched and exported once, and
// nothing written into any of the folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

using testing::RunProgram;

class CliHistory : public ::testing::Test {
 protected:
  // An archive of alice with bob on a day in a profiles folder ("A" or "B").
  std::string Write(const std::string& folder, const std::string& day,
                    const std::vector<std::string>& texts, const std::string& identity = "alice") {
    std::vector<testing::RecordToWrite> records;
    for (const std::string& text : texts) {
      testing::RecordToWrite r;
      r.time_value = testing::TimeValueFromUnixSeconds(1136073600);
      r.direction = 1;
      r.text = text;
      records.push_back(r);
    }
    const std::string path = root_ / (folder + "/" + identity + "/Archive/Messages/bob/" + day +
                                      "-" + identity + ".dat");
    testing::WriteBytes(path, testing::EncodeArchive(records, identity));
    return path;
  }
  std::string Folder(const std::string& name) const { return root_ / (name + "/"); }
  testing::ProgramResult Run(std::vector<std::string> args) { return RunProgram(ORVEX_CLI, args); }

  testing::TempFolder root_;
};

TEST_F(CliHistory, CopiesAreFoldedSearchedAndExportedOnceAndTheFoldersStayAsTheyWere) {
  const std::string same_a = Write("A", "20060101", {"flat one"});
  const std::string same_b = Write("B", "20060101", {"flat one"});
  Write("A", "20060102", {"flat two"});  // the shorter copy: stands behind B's
  const std::string longer = Write("B", "20060102", {"flat two", "and flat more"});
  const std::string differs_a = Write("A", "20060103", {"flat three"});
  const std::string differs_b = Write("B", "20060103", {"other flat"});
  const std::string only_a = Write("A", "20060104", {"nothing"});
  const std::string only_b = Write("B", "20060101", {"flat"}, "carol");
  const testing::FolderSnapshot before = testing::TakeSnapshot(root_.path());

  const std::vector<std::string> history = {Folder("A"), "--also", Folder("B"), "--also",
                                            Folder("A")};
  std::vector<std::string> args = {"index"};
  args.insert(args.end(), history.begin(), history.end());
  args.push_back("--all");
  const testing::ProgramResult index = Run(args);
  ASSERT_EQ(index.status, 0) << index.err;
  // The entries' paths, each copy behind one indented under it.
  std::string entries;
  std::size_t start = 0;
  for (std::size_t end; (end = index.out.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = index.out.substr(start, end - start);
    if (line.starts_with("entry\t")) entries += line.substr(line.rfind('\t') + 1) + "\n";
    if (line.starts_with("copy\t")) entries += "  " + line.substr(5) + "\n";
  }
  const std::string shorter = Folder("A") + "alice/Archive/Messages/bob/20060102-alice.dat";
  EXPECT_EQ(entries, same_a + "\n  " + same_b + "\n" + longer + "\n  " + shorter + "\n" +
                         differs_a + "\n" + differs_b + "\n" + only_a + "\n" + only_b + "\n");

  // Each listed conversation is searched once: six of them.
  args[0] = "search";
  args.insert(args.begin() + 2, "flat");
  args.erase(args.begin() + 1);
  args.insert(args.begin() + 1, Folder("A"));
  const testing::ProgramResult search = Run(args);
  ASSERT_EQ(search.status, 0) << search.err;
  EXPECT_NE(search.out.find("searched 6 of 6"), std::string::npos) << search.out;

  // One JSON file per listed conversation; the differing copies keep one each.
  const std::string out = root_ / "json";
  args = {"export", Folder("A"), out, "--also", Folder("B"), "--all", "--json"};
  ASSERT_EQ(Run(args).status, 0);
  std::set<std::string> written;
  for (const auto& e : std::filesystem::directory_iterator(out)) {
    written.insert(e.path().filename().string());
  }
  EXPECT_EQ(written, (std::set<std::string>{
                         "20060101-alice-bob.json", "20060102-alice-bob.json",
                         "20060103-alice-bob.json", "20060103-alice-bob (copy 2).json",
                         "20060104-alice-bob.json", "20060101-carol-bob.json", "index.json"}));
  std::filesystem::remove_all(out);

  // An --also folder that holds no profiles stops an export.
  args = {"export", Folder("A"), out, "--also", Folder("none"), "--all", "--json"};
  EXPECT_EQ(Run(args).status, 1);
  EXPECT_EQ(testing::TakeSnapshot(root_.path()), before);
}

}  // namespace
}  // namespace orvex
