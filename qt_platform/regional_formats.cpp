#include "regional_formats.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "qt_platform/qt_text.h"
#include "ylogs/base/day_time.h"

namespace orvex {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

// The long time format without its time-zone part: the archive's times are
// wall-clock times with no zone attached.
QString WithoutTimeZone(QString format) {
  format.remove(QLatin1Char('t'));
  return format.trimmed();
}

std::uint64_t NewFormatterId() {
  static std::atomic<std::uint64_t> next{1};
  return next++;
}

// The last date each thread formatted: messages come a file (a day) at a time.
struct LastDate {
  std::uint64_t formatter = 0;
  int year = 0, month = 0, day = 0;
  std::string text;
};
thread_local LastDate last_date;

}  // namespace

RegionalFormatter::RegionalFormatter()
    : date_format_(QLocale::system().dateFormat(QLocale::ShortFormat)),
      time_format_(WithoutTimeZone(QLocale::system().timeFormat(QLocale::LongFormat))),
      seconds_(std::make_unique<std::atomic<const std::string*>[]>(kSecondsPerDay)),  // all null
      id_(NewFormatterId()) {}

RegionalFormatter::~RegionalFormatter() {
  for (int i = 0; i < kSecondsPerDay; ++i) delete seconds_[i].load(std::memory_order_relaxed);
}

std::string RegionalFormatter::FormatDate(int year, int month, int day) const {
  return ToAnsi(QLocale::system().toString(QDate(year, month, day), date_format_));
}

std::string RegionalFormatter::FormatTime(int hour, int minute, int second, int millisecond) const {
  return ToAnsi(QLocale::system().toString(QTime(hour, minute, second, millisecond), time_format_));
}

std::string RegionalFormatter::ShortDate(double t) const {
  const CivilDateTime c = DayCountToCivil(t);
  LastDate& last = last_date;
  if (last.formatter != id_ || last.year != c.year || last.month != c.month || last.day != c.day) {
    last.text = FormatDate(c.year, c.month, c.day);
    last.formatter = id_;
    last.year = c.year;
    last.month = c.month;
    last.day = c.day;
  }
  return last.text;
}

std::string RegionalFormatter::LongTime(double t) const {
  const CivilDateTime c = DayCountToCivil(t);
  const int second = (c.hour * 60 + c.minute) * 60 + c.second;
  if (c.millisecond != 0 || second < 0 || second >= kSecondsPerDay)
    return FormatTime(c.hour, c.minute, c.second, c.millisecond);
  std::atomic<const std::string*>& slot = seconds_[second];
  if (const std::string* known = slot.load(std::memory_order_acquire)) return *known;
  auto made = std::make_unique<const std::string>(FormatTime(c.hour, c.minute, c.second, 0));
  const std::string* expected = nullptr;
  if (slot.compare_exchange_strong(expected, made.get(), std::memory_order_acq_rel))
    return *made.release();
  return *expected;  // another thread made the same text first
}

}  // namespace orvex
