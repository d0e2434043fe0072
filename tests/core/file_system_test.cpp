// The file-system module: the order of a folder's entries, which written
// files are flushed to the disk, and which leftovers of killed writes a write
// removes.
#include "platform/file_system.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <string>
#include <utility>

#include "platform/gathered_writes.h"
#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"

namespace orvex::files {
namespace {

// Names equal but for letter case are ordered by their bytes: upper case
// first. A shorter name still goes first.
TEST(ListingOrder, NamesEqualButForCaseAreOrderedByTheirBytes) {
  const std::pair<const char*, const char*> in_order[] = {
      {"Bob", "bob"}, {"A", "a"}, {"aB", "ab"}, {"x_Y1", "x_y1"}, {"bob", "BOBBY"}};
  for (const auto& [first, second] : in_order) {
    EXPECT_LT(ListingOrder(first, second), 0) << first << " " << second;
    EXPECT_GT(ListingOrder(second, first), 0) << first << " " << second;
    EXPECT_EQ(ListingOrder(first, first), 0) << first;
  }
}

#ifndef _WIN32  // the Windows module counts none of its calls
TEST(WriteFileAtomically, FlushesASavedFileButNotAScratchPage) {
  const testing::TempFolder folder;
  for (const auto& [durability, syncs] :
       {std::pair{Durability::kFlushed, 1}, std::pair{Durability::kScratch, 0}}) {
    SetFaultPlan(std::nullopt);
    ASSERT_EQ(WriteFileAtomically(folder / "page.html", OnePiece("<p>hi</p>"), durability), 0);
    EXPECT_EQ(CallsMade(FileCall::kSync), syncs) << (durability == Durability::kScratch);
    EXPECT_EQ(CallsMade(FileCall::kRename), 1);
  }
}

// The new file of a process that is gone goes with the first write into its
// folder, which lists the folder once; the new file of a running process,
// look-alike names and a link stay.
TEST(WriteFileAtomically, FirstWriteIntoAFolderRemovesTheNewFilesOfDeadProcesses) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  const std::string dead = std::to_string(child), alive = std::to_string(::getpid());
  const std::pair<std::string, bool> entries[] = {{"a.txt.tmp" + dead + "-0", false},
                                                  {"b.html.tmp" + alive + "-3", true},
                                                  {"x.tmp" + dead, true},
                                                  {"x.tmp" + dead + "-4a", true},
                                                  {"x.tmp-1", true},
                                                  {"x.tmp" + dead + "-3.txt", true},
                                                  {"notes.txt", true}};
  const testing::TempFolder folder;
  for (const auto& [name, stays] : entries) testing::WriteBytes(folder / name, "left");
  const std::string link = folder / ("link.tmp" + dead + "-2");
  std::filesystem::create_symlink("notes.txt", link);
  SetFaultPlan(std::nullopt);
  ASSERT_EQ(WriteFileAtomically(folder / "one.txt", "1"), 0);
  ASSERT_EQ(WriteFileAtomically(folder / "two.txt", "2"), 0);
  EXPECT_EQ(CallsMade(FileCall::kList), 1);
  for (const auto& [name, stays] : entries)
    EXPECT_EQ(std::filesystem::exists(folder / name), stays) << name;
  EXPECT_TRUE(std::filesystem::is_symlink(link));
}
#endif

}  // namespace
}  // namespace orvex::files
