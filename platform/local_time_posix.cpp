#include "local_time.h"

namespace orvex {

std::optional<LocalTime> LocalTimeOf(std::time_t t) {
  LocalTime local;
  if (!::localtime_r(&t, &local.fields)) return std::nullopt;
  local.utc_offset_seconds = local.fields.tm_gmtoff;
  return local;
}

}  // namespace orvex
