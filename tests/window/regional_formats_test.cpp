// The regional formatter keeps the texts it made: each must still be what the
// locale writes, for every thread that asks and however often.
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QTime>

#include <thread>
#include <utility>

#include "qt_platform/qt_text.h"
#include "qt_platform/regional_formats.h"
#include "ylogs/base/day_time.h"

namespace orvex {
namespace {

TEST(RegionalFormatter, RemembersExactlyWhatTheLocaleWritesOnEveryThread) {
  const RegionalFormatter f;
  const auto check_moment = [&](double t) {
    const CivilDateTime c = DayCountToCivil(t);
    EXPECT_EQ(f.ShortDate(t),
              ToAnsi(QLocale::system().toString(QDate(c.year, c.month, c.day), f.date_format())));
    EXPECT_EQ(f.LongTime(t),
              ToAnsi(QLocale::system().toString(QTime(c.hour, c.minute, c.second, c.millisecond),
                                                f.time_format())));
  };
  const auto check = [&](double first_day, int days) {
    for (int i = 0; i < days * 2 * 86400; i += 7) {  // every moment twice
      check_moment(first_day + (i % (days * 86400) + (i % 11 == 0 ? 0.25 : 0)) / 86400.0);
    }
    // The same day of the month in another month, another year, both.
    const int year = DayCountToCivil(first_day).year;
    const std::pair<int, int> months[] = {{year, 1}, {year, 2}, {year + 1, 2}, {year, 1}};
    for (const auto& [y, m] : months) check_moment(CivilDateToDayCount(y, m, 12) + 0.5);
  };
  std::thread other(check, CivilDateToDayCount(2005, 12, 30), 3);
  check(CivilDateToDayCount(1999, 2, 27), 3);
  other.join();
}

}  // namespace
}  // namespace orvex
