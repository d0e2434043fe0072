// The statistics grid: counts, truncated averages per side and rounded
// averages in the total column.
#include <gtest/gtest.h>

#include <string>

#include "ylogs/render/statistics.h"

namespace orvex {
namespace {

MessageCounters Counters(MessageCounters::Side local, MessageCounters::Side friend_side) {
  MessageCounters c;
  c.side[0] = local;
  c.side[1] = friend_side;
  return c;
}

// Columns 1 to 3 of a row, joined by "|".
std::string Row(const MessageCounters& c, int row) {
  return StatisticsCellText(c, row, 1) + "|" + StatisticsCellText(c, row, 2) + "|" +
         StatisticsCellText(c, row, 3);
}

TEST(StatisticsGrid, CaptionsOfRowsAndColumns) {
  const MessageCounters zero;
  const char* const rows[] = {"messages",
                              "words",
                              "bytes",
                              "avg words/message",
                              "avg word length",
                              "avg bytes/message",
                              "conversations started"};
  for (int r = 0; r < kStatisticsRows; ++r) EXPECT_EQ(StatisticsCellText(zero, r, 0), rows[r]);
  EXPECT_EQ(StatisticsColumnCaption(0), "");
  EXPECT_EQ(StatisticsColumnCaption(1), "Local user");
  EXPECT_EQ(StatisticsColumnCaption(2), "Friend");
  EXPECT_EQ(StatisticsColumnCaption(3), "Total");
}

TEST(StatisticsGrid, NothingShownGivesZeroEverywhere) {
  const MessageCounters zero;
  for (int r = 0; r < kStatisticsRows; ++r) EXPECT_EQ(Row(zero, r), "0|0|0") << "row " << r;
}

TEST(StatisticsGrid, SideTruncatesWhereTotalRounds) {
  // 7 words in 2 messages from the local user, nothing from the friend.
  const MessageCounters c = Counters({2, 7, 30, 1}, {});
  EXPECT_EQ(Row(c, 0), "2|0|2");
  EXPECT_EQ(Row(c, 1), "7|0|7");
  EXPECT_EQ(Row(c, 2), "30|0|30");
  EXPECT_EQ(Row(c, 3), "3|0|4");
  EXPECT_EQ(Row(c, 4), "4|0|4");  // 30 / 7 = 4.29
  EXPECT_EQ(Row(c, 5), "15|0|15");
  EXPECT_EQ(Row(c, 6), "1|0|1");
}

TEST(StatisticsGrid, TotalAddsBothSidesBeforeDividing) {
  // 3 messages of 10 words and 1 message of 5 words: 15 / 4 = 3.75.
  const MessageCounters c = Counters({3, 10, 55, 1}, {1, 5, 21, 2});
  EXPECT_EQ(Row(c, 3), "3|5|4");
  EXPECT_EQ(Row(c, 4), "5|4|5");     // 76 / 15 = 5.07
  EXPECT_EQ(Row(c, 5), "18|21|19");  // 76 / 4 = 19
  EXPECT_EQ(Row(c, 6), "1|2|3");
}

struct HalfCase {
  std::int32_t words;
  std::int32_t messages;
  const char* side;
  const char* total;
};

void PrintTo(const HalfCase& c, std::ostream* os) {
  *os << c.words << " words in " << c.messages << " messages";
}

class StatisticsHalves : public ::testing::TestWithParam<HalfCase> {};

TEST_P(StatisticsHalves, TotalRoundsHalvesToEven) {
  const MessageCounters c = Counters({GetParam().messages, GetParam().words, 0, 0}, {});
  EXPECT_EQ(StatisticsCellText(c, 3, 1), GetParam().side);
  EXPECT_EQ(StatisticsCellText(c, 3, 3), GetParam().total);
}

INSTANTIATE_TEST_SUITE_P(Quotients, StatisticsHalves,
                         ::testing::Values(HalfCase{5, 2, "2", "2"}, HalfCase{7, 2, "3", "4"},
                                           HalfCase{1, 2, "0", "0"}, HalfCase{3, 2, "1", "2"},
                                           HalfCase{9, 2, "4", "4"}, HalfCase{11, 4, "2", "3"}));

TEST(StatisticsGrid, ZeroDivisorsShowZero) {
  // Messages without words: bytes per word divides by 0 on both kinds of column.
  const MessageCounters c = Counters({2, 0, 0, 1}, {0, 0, 0, 0});
  EXPECT_EQ(Row(c, 3), "0|0|0");
  EXPECT_EQ(Row(c, 4), "0|0|0");
  EXPECT_EQ(Row(c, 5), "0|0|0");
}

TEST(StatisticsGrid, TextHasAHeaderLineAndSevenRows) {
  const MessageCounters c = Counters({2, 7, 30, 1}, {1, 1, 2, 0});
  EXPECT_EQ(StatisticsGridText(c),
            "\tLocal user\tFriend\tTotal\n"
            "messages\t2\t1\t3\n"
            "words\t7\t1\t8\n"
            "bytes\t30\t2\t32\n"
            "avg words/message\t3\t1\t3\n"
            "avg word length\t4\t2\t4\n"
            "avg bytes/message\t15\t2\t11\n"
            "conversations started\t1\t0\t1\n");
}

}  // namespace
}  // namespace orvex
