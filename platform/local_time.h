// A moment as the local time of the user's time zone (TZ, else the system's
// zone), with the zone's offset from UTC at that moment.
#pragma once

#include <ctime>
#include <optional>

namespace orvex {

struct LocalTime {
  std::tm fields{};
  long utc_offset_seconds = 0;  // east of UTC positive
};

// None when the moment cannot be shown in local time.
std::optional<LocalTime> LocalTimeOf(std::time_t t);

}  // namespace orvex
