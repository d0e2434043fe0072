#include "day_time.h"

#include <cmath>
#include <cstdio>

namespace orvex {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

constexpr std::int64_t kDayCountEpochFromUnix = -25569;  // 1899-12-30 relative to 1970-01-01

}  // namespace

bool IsValidCivilDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int max = kDays[month - 1];
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month == 2 && leap) max = 29;
  return day <= max;
}

double CivilDateToDayCount(int year, int month, int day) {
  return static_cast<double>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
      kDayCountEpochFromUnix);
}

CivilDateTime DayCountToCivil(double t) {
  CivilDateTime c;
  if (!std::isfinite(t)) return c;
  double whole = std::trunc(t);
  double frac = std::fabs(t - whole);
  auto ms = static_cast<std::int64_t>(std::llround(frac * 86400000.0));
  auto day = static_cast<std::int64_t>(whole) + kDayCountEpochFromUnix;
  if (ms >= 86400000) {
    ms -= 86400000;
    day += 1;
  }
  CivilFromDays(day, c.year, c.month, c.day);
  c.hour = static_cast<int>(ms / 3600000);
  c.minute = static_cast<int>(ms / 60000 % 60);
  c.second = static_cast<int>(ms / 1000 % 60);
  c.millisecond = static_cast<int>(ms % 1000);
  std::int64_t wd = (day + 4) % 7;  // 1970-01-01 was a Thursday
  c.weekday = static_cast<int>(wd < 0 ? wd + 7 : wd);
  c.day_of_year = static_cast<int>(day - DaysFromCivil(c.year, 1, 1));
  return c;
}

double ArchiveTimeToDayCount(std::uint64_t n) {
  return static_cast<double>(n) / 86400.0 - 272692.492777778;
}

std::string FormatIsoMillis(const CivilDateTime& c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", c.year, c.month, c.day,
                c.hour, c.minute, c.second, c.millisecond);
  return buf;
}

std::string FormatIsoDate(const CivilDateTime& c) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
  return buf;
}

}  // namespace orvex
