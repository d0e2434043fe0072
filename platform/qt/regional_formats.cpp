#include "regional_formats.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "platform/qt/qt_text.h"
#include "ylogs/archive/day_time.h"

namespace orvex {
namespace {

// The long time format without its time-zone part: the archive's times are
// wall-clock times with no zone attached.
QString WithoutTimeZone(QString format) {
  format.remove(QLatin1Char('t'));
  return format.trimmed();
}

}  // namespace

RegionalFormatter::RegionalFormatter()
    : date_format_(QLocale::system().dateFormat(QLocale::ShortFormat)),
      time_format_(WithoutTimeZone(QLocale::system().timeFormat(QLocale::LongFormat))) {}

std::string RegionalFormatter::ShortDate(double t) const {
  const CivilDateTime c = DayCountToCivil(t);
  return ToAnsi(QLocale::system().toString(QDate(c.year, c.month, c.day), date_format_));
}

std::string RegionalFormatter::LongTime(double t) const {
  const CivilDateTime c = DayCountToCivil(t);
  return ToAnsi(
      QLocale::system().toString(QTime(c.hour, c.minute, c.second, c.millisecond), time_format_));
}

}  // namespace orvex
