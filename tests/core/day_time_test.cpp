// Day counts from 30 December 1899 and their calendar form.
#include <gtest/gtest.h>

#include <string>

#include "ylogs/base/day_time.h"

namespace orvex {
namespace {

struct CivilCase {
  double t;
  const char* text;
};

void PrintTo(const CivilCase& c, std::ostream* os) {
  *os << c.text;
}

class DayCountToCivilTest : public ::testing::TestWithParam<CivilCase> {};

TEST_P(DayCountToCivilTest, WholePartIsTheDayFractionTheTimeToTheMillisecond) {
  EXPECT_EQ(FormatIsoMillis(DayCountToCivil(GetParam().t)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DayCountToCivilTest,
    ::testing::Values(
        CivilCase{0.0, "1899-12-30 00:00:00.000"}, CivilCase{25569.125, "1970-01-01 03:00:00.000"},
        CivilCase{36526.5, "2000-01-01 12:00:00.000"}, CivilCase{60.0, "1900-02-28 00:00:00.000"},
        CivilCase{61.0, "1900-03-01 00:00:00.000"},
        CivilCase{39858.0 + 45296.789 / 86400.0, "2009-02-14 12:34:56.789"},
        // toward zero for the day, the absolute fraction for the time
        CivilCase{-1.25, "1899-12-29 06:00:00.000"}, CivilCase{-0.5, "1899-12-30 12:00:00.000"},
        // a time that rounds to 24:00 is midnight of the next day
        CivilCase{25569.0 + 86399.9996 / 86400.0, "1970-01-02 00:00:00.000"},
        CivilCase{25569.0 + 86399.9994 / 86400.0, "1970-01-01 23:59:59.999"}));

TEST(DayCountToCivil, WeekdayAndDayOfYear) {
  const CivilDateTime thursday = DayCountToCivil(25569.0);  // 1 January 1970
  EXPECT_EQ(thursday.weekday, 4);
  EXPECT_EQ(thursday.day_of_year, 0);
  const CivilDateTime leap_end = DayCountToCivil(36891.75);  // 31 December 2000, a Sunday
  EXPECT_EQ(leap_end.weekday, 0);
  EXPECT_EQ(leap_end.day_of_year, 365);
  const CivilDateTime rounded = DayCountToCivil(36891.0 + 86399.9999 / 86400.0);
  EXPECT_EQ(FormatIsoDate(rounded), "2001-01-01");
  EXPECT_EQ(rounded.weekday, 1);
  EXPECT_EQ(rounded.day_of_year, 0);
}

TEST(CivilDate, DayCountsAndValidity) {
  EXPECT_EQ(CivilDateToDayCount(1899, 12, 30), 0.0);
  EXPECT_EQ(CivilDateToDayCount(1970, 1, 1), 25569.0);
  EXPECT_EQ(CivilDateToDayCount(2000, 3, 1), 36586.0);
  EXPECT_TRUE(IsValidCivilDate(2000, 2, 29));
  EXPECT_FALSE(IsValidCivilDate(1900, 2, 29));
  EXPECT_FALSE(IsValidCivilDate(2009, 4, 31));
  EXPECT_FALSE(IsValidCivilDate(2009, 13, 1));
  EXPECT_FALSE(IsValidCivilDate(2009, 0, 1));
  EXPECT_FALSE(IsValidCivilDate(2009, 1, 0));
}

TEST(ArchiveTime, ByteFourSixIsUnixTimePlusThreeHours) {
  const std::uint64_t six = std::uint64_t{6} << 32;
  EXPECT_NEAR(ArchiveTimeToDayCount(six), 25569.125, 1e-8);
  EXPECT_NEAR(ArchiveTimeToDayCount(six + 1234567890), 25569.125 + 1234567890 / 86400.0, 1e-8);
  EXPECT_EQ(FormatIsoMillis(DayCountToCivil(ArchiveTimeToDayCount(six + 86399))),
            "1970-01-02 02:59:59.000");
}

}  // namespace
}  // namespace orvex
