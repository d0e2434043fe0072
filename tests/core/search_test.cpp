// The search: overlapping hit counts, case folding of a to z only, and the
// walk over the files that keeps its counts when it stops.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/views/search.h"

namespace orvex {
namespace {

using testing::RecordToWrite;

struct HitCase {
  const char* name;
  std::string pattern;
  std::string text;
  std::int32_t hits;
};
void PrintTo(const HitCase& c, std::ostream* os) {
  *os << c.name;
}

class CountHitsTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(CountHitsTest, CountsEveryPlaceOverlapsIncluded) {
  const HitCase& c = GetParam();
  EXPECT_EQ(CountHits(c.pattern, c.text), c.hits);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountHitsTest,
    ::testing::Values(
        HitCase{"TwoEqualLettersInFour", "AA", "AAAA", 3},
        HitCase{"OverlappingWord", "ABA", "ABABABA", 3}, HitCase{"AtBothEnds", "AB", "ABxxAB", 2},
        HitCase{"PatternIsTheText", "ABC", "ABC", 1}, HitCase{"LongerThanText", "ABCD", "ABC", 0},
        HitCase{"EmptyText", "A", "", 0}, HitCase{"EmptyPattern", "", "ABC", 0},
        HitCase{"ByteWiseNoCaseFolding", "ab", "AB", 0},
        HitCase{"AccentedBytesCompareExactly", "\xC9", "\xE9\xC9\xC9", 2},
        HitCase{"ZeroBytesAreBytes", std::string("A\0B", 3), std::string("A\0BA\0B", 6), 2}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return info.param.name; });

// Archive files of alice with bob, one per test, messages taking turns.
class SearchFilesTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& day, const std::vector<std::string>& texts) {
    std::vector<RecordToWrite> records;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      RecordToWrite r;
      r.time_value = testing::TimeValueFromUnixSeconds(1136073600);  // 2006-01-01
      r.direction = static_cast<std::uint8_t>(i % 2);
      r.text = texts[i];
      records.push_back(r);
    }
    const std::string path = dir_ / ("alice/Archive/Messages/bob/" + day + "-alice.dat");
    testing::WriteBytes(path, testing::EncodeArchive(records, "alice"));
    return path;
  }

  std::vector<std::int32_t> Search(const std::vector<std::string>& paths, const std::string& text,
                                   std::size_t stop_after = 0) {
    std::vector<std::int32_t> counts;
    SearchFiles(paths, text, settings_, state_, counts, [&](std::size_t searched) {
      seen_.push_back(searched);
      return searched == stop_after;
    });
    return counts;
  }

  testing::TempFolder dir_;
  RenderSettings settings_;
  RenderState state_;
  std::vector<std::size_t> seen_;
};

struct FoldCase {
  const char* name;
  std::string message;  // UTF-8, as the archive holds it
  std::string search;   // the program's code page, as typed
  std::int32_t hits;
};
void PrintTo(const FoldCase& c, std::ostream* os) {
  *os << c.name;
}

class SearchFoldingTest : public SearchFilesTest, public ::testing::WithParamInterface<FoldCase> {};

TEST_P(SearchFoldingTest, FoldsOnlyAToZ) {
  const FoldCase& c = GetParam();
  EXPECT_EQ(Search({Write("20060101", {c.message})}, c.search), std::vector<std::int32_t>{c.hits});
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchFoldingTest,
    ::testing::Values(FoldCase{"SmallFindsCapitals", "We saw the FLAT today", "flat", 1},
                      FoldCase{"CapitalsFindSmall", "flat flat", "FLAT", 2},
                      FoldCase{"MixedCase", "FlAt", "fLaT", 1},
                      FoldCase{"OverlapsInAMessage", "aaaa", "aa", 3},
                      FoldCase{"AccentedCapitalMissesSmall", "caf\xC3\xA9", "CAF\xC9", 0},
                      FoldCase{"AccentedSmallMissesCapital", "CAF\xC3\x89", "caf\xE9", 0},
                      FoldCase{"AccentedSameCase", "caf\xC3\xA9", "CAF\xE9", 1},
                      FoldCase{"StyleTagsAreNotText", "<b>bold</b>", "<B>", 0}),
    [](const ::testing::TestParamInfo<FoldCase>& info) { return info.param.name; });

TEST_F(SearchFilesTest, NamesDatesAndTimesAreNotSearched) {
  const std::string path = Write("20060101", {"hello", "there"});
  for (const char* text : {"alice", "bob", "2006", "(", ":", "\r\n\r\n"}) {
    EXPECT_EQ(Search({path}, text), std::vector<std::int32_t>{0}) << text;
  }
  // One line per message: the line break between two messages is there once.
  EXPECT_EQ(Search({path}, "o\r\nt"), std::vector<std::int32_t>{1});
}

TEST_F(SearchFilesTest, CountsFollowTheFilesInOrderAndAddToTheCounters) {
  const std::string a = Write("20060101", {"one flat", "two"});
  const std::string b = Write("20060102", {"none"});
  const std::string c = Write("20060103", {"flat", "flat FLAT"});
  EXPECT_EQ(Search({a, b, c}, "flat"), (std::vector<std::int32_t>{1, 0, 3}));
  EXPECT_EQ(seen_, (std::vector<std::size_t>{1, 2, 3}));
  // The search never resets the counters: both runs are counted.
  EXPECT_EQ(Search({a, b, c}, "x").size(), 3u);
  EXPECT_EQ(state_.counters.side[0].messages + state_.counters.side[1].messages, 10);
}

TEST_F(SearchFilesTest, StoppingKeepsTheCountsSoFar) {
  const std::string a = Write("20060101", {"flat"});
  const std::string b = Write("20060102", {"flat flat"});
  const std::string c = Write("20060103", {"flat"});
  EXPECT_EQ(Search({a, b, c}, "flat", 2), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(seen_, (std::vector<std::size_t>{1, 2}));
}

TEST_F(SearchFilesTest, AFailingFileEndsTheWalkWithTheCountsKept) {
  const std::string a = Write("20060101", {"flat"});
  const std::string damaged = Write("20060102", {"flat", "flat"});
  RecordToWrite first;
  first.time_value = testing::TimeValueFromUnixSeconds(1136073600);
  first.text = "flat";
  const std::size_t cut = testing::EncodeRecord(first, "alice").size() + 7;
  testing::WriteBytes(damaged, testing::EncodeArchive({first, first}, "alice").substr(0, cut));
  const std::string c = Write("20060103", {"flat"});

  std::vector<std::int32_t> counts;
  try {
    SearchFiles({a, damaged, c}, "flat", settings_, state_, counts, nullptr);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "Read beyond end of file");
  }
  EXPECT_EQ(counts, std::vector<std::int32_t>{1});
  counts.clear();
  EXPECT_THROW(SearchFiles({dir_ / "gone.dat"}, "flat", settings_, state_, counts, nullptr),
               FileError);
  EXPECT_TRUE(counts.empty());
}

}  // namespace
}  // namespace orvex
