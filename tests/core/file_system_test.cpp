// The file-system module: the order of a folder's entries, and which written
// files are flushed to the disk.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/gathered_writes.h"
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
#endif

}  // namespace
}  // namespace orvex::files
