#include "clock.h"

#include <ctime>

#include "platform/local_time.h"
#include "ylogs/base/day_time.h"

namespace orvex {

double NowLocalDayCount() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  const std::tm tm = LocalTimeOf(ts.tv_sec).value_or(LocalTime{}).fields;
  const double day = CivilDateToDayCount(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
  const double ms = ((tm.tm_hour * 60.0 + tm.tm_min) * 60.0 + tm.tm_sec) * 1000.0 +
                    static_cast<double>(ts.tv_nsec / 1000000);
  return day + ms / 86400000.0;
}

}  // namespace orvex
