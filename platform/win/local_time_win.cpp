// Local time through the C runtime, which takes TZ as Windows documents it
// ("XST-7:30", say) and otherwise the system's time zone.
#include <time.h>

#include "platform/local_time.h"

namespace orvex {

std::optional<LocalTime> LocalTimeOf(std::time_t t) {
  LocalTime local;
  if (::localtime_s(&local.fields, &t) != 0) return std::nullopt;
  std::tm copy = local.fields;
  const std::time_t as_utc = ::_mkgmtime(&copy);
  if (as_utc == static_cast<std::time_t>(-1)) return std::nullopt;
  local.utc_offset_seconds = static_cast<long>(as_utc - t);
  return local;
}

}  // namespace orvex
