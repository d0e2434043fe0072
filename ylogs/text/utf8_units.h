// The small pieces of UTF-8 and UTF-16 that the code-page conversion and the
// UTF-8 exports share.
#pragma once

#include <cstddef>
#include <string>

namespace orvex::utf8 {

inline bool IsTrail(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

inline bool IsHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
inline bool IsLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}
inline bool IsSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDFFF;
}

// Writes the UTF-8 of `cp` at `out`; the number of bytes written.
inline std::size_t Put(char* out, char32_t cp) {
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (cp >> 18));
  out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (cp & 0x3F));
  return 4;
}

inline void Append(std::string& out, char32_t cp) {
  char bytes[4];
  out.append(bytes, Put(bytes, cp));
}

}  // namespace orvex::utf8
