// Whether a text is UTF-8 a browser or a JSON reader takes as it is: each
// lead byte followed by the trail bytes it announces (overlong and surrogate
// forms are not looked for).
#pragma once

#include <cstddef>
#include <string_view>

namespace orvex::testing {

inline bool IsWellFormedUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t len = c < 0x80                 ? 1
                            : c >= 0xC2 && c <= 0xDF ? 2
                            : c >= 0xE0 && c <= 0xEF ? 3
                            : c >= 0xF0 && c <= 0xF4 ? 4
                                                     : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += len;
  }
  return true;
}

}  // namespace orvex::testing
