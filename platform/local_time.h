// A moment as the local time of the user's time zone (TZ, else the system's
// zone), with the zone's offset from UTC at that moment.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace orvex {

struct LocalTime {
  std::tm fields{};
  long utc_offset_seconds = 0;  // east of UTC positive
};

// None when the moment cannot be shown in local time.
std::optional<LocalTime> LocalTimeOf(std::time_t t);

// strftime in the user's locale, as UTF-8 text (on Windows through wcsftime:
// the C runtime's narrow text would be in the locale's code page). Empty for
// an empty format or one that yields nothing.
std::string FormatTimeUtf8(const std::string& format, const std::tm& fields);

}  // namespace orvex
