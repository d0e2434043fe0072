// Day counts (days from 30 December 1899, the fraction being the time of day)
// and their calendar form.
#pragma once

#include <cstdint>
#include <string>

namespace orvex {

struct CivilDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int weekday = 6;      // 0 = Sunday
  int day_of_year = 0;  // 0 = 1 January
};

// The calendar date and time of a day count: the whole part (toward zero) is
// the day, the absolute fraction the time of day rounded to the millisecond;
// a time that rounds to 24:00 is midnight of the next day.
CivilDateTime DayCountToCivil(double t);

// The day count of a calendar date at midnight.
double CivilDateToDayCount(int year, int month, int day);

// Whether year-month-day is a real calendar day.
bool IsValidCivilDate(int year, int month, int day);

// The time value of an archive record: N seconds on the record's own scale.
double ArchiveTimeToDayCount(std::uint64_t n);

// "YYYY-MM-DD HH:MM:SS.mmm".
std::string FormatIsoMillis(const CivilDateTime& c);

// "YYYY-MM-DD".
std::string FormatIsoDate(const CivilDateTime& c);

}  // namespace orvex
