// Letter case in the program's 8-bit code page (Windows-1252), for the names
// the system compares without regard to case (registry keys, INI keys, paths).
#pragma once

#include <string>
#include <string_view>

namespace orvex {

// The upper-case form of one code-page byte; bytes without one are returned as
// they are.
constexpr unsigned char AnsiUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:
      return 0x8A;  // s caron
    case 0x9C:
      return 0x8C;  // oe
    case 0x9E:
      return 0x8E;  // z caron
    case 0xFF:
      return 0x9F;  // y diaeresis
    default:
      return c;
  }
}

// The text with every letter in upper case: equal for texts that differ only in
// letter case.
inline std::string AnsiUpperText(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(AnsiUpper(static_cast<unsigned char>(ch)));
  return out;
}

inline bool AnsiEqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AnsiUpper(static_cast<unsigned char>(a[i])) != AnsiUpper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace orvex
