#include "local_time.h"

namespace orvex {

std::optional<LocalTime> LocalTimeOf(std::time_t t) {
  LocalTime local;
  if (!::localtime_r(&t, &local.fields)) return std::nullopt;
  local.utc_offset_seconds = local.fields.tm_gmtoff;
  return local;
}

std::string FormatTimeUtf8(const std::string& format, const std::tm& fields) {
  if (format.empty()) return {};
  std::string buf(256 + format.size() * 8, '\0');
  // A format that yields nothing at all gives 0 too; grow only a few times.
  for (int attempt = 0; attempt < 4; ++attempt) {
    const std::size_t n = std::strftime(buf.data(), buf.size(), format.c_str(), &fields);
    if (n > 0) return buf.substr(0, n);
    buf.resize(buf.size() * 4);
  }
  return {};
}

}  // namespace orvex
