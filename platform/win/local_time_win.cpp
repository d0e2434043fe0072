// Local time through the C runtime, which takes TZ as Windows documents it
// ("XST-7:30", say) and otherwise the system's time zone.
#include <time.h>

#include <algorithm>
#include <cwchar>

#include "platform/local_time.h"
#include "wide_names.h"

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

// Each conversion ("%x", "%#d", ...) goes through wcsftime alone and the text
// between them is copied as it is: the C runtime's wcsftime turns its whole
// format into the locale's code page first and stops at a character that
// page lacks.
std::string FormatTimeUtf8(const std::string& format, const std::tm& fields) {
  std::string out;
  std::size_t i = 0;
  while (i < format.size()) {
    if (format[i] != '%') {
      const std::size_t next = std::min(format.find('%', i), format.size());
      out.append(format, i, next - i);
      i = next;
      continue;
    }
    std::size_t end = i + 1;
    while (end < format.size() &&
           (format[end] == '#' || format[end] == 'E' || format[end] == 'O')) {
      ++end;
    }
    if (end >= format.size() || static_cast<unsigned char>(format[end]) >= 0x80) {
      out.append(format, i, end - i);  // no conversion: kept as written
      i = end;
      continue;
    }
    const std::wstring conversion = win::WideFromBytes(format.substr(i, end + 1 - i));
    wchar_t buf[512];
    const std::size_t n =
        std::wcsftime(buf, sizeof buf / sizeof buf[0], conversion.c_str(), &fields);
    out += win::BytesFromWide(std::wstring_view(buf, n));
    i = end + 1;
  }
  return out;
}

}  // namespace orvex
