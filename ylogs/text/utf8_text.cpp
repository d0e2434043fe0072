#include "utf8_text.h"

#include "utf8_units.h"

namespace orvex {
namespace {

using utf8::IsHighSurrogate;
using utf8::IsLowSurrogate;
using utf8::IsTrail;

constexpr char32_t kReplacement = 0xFFFD;

// The length of the well-formed sequence at `i` (RFC 3629), or 0.
std::size_t StrictLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  std::size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the bounds of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  const auto second = static_cast<unsigned char>(s[i + 1]);
  if (second < lo || second > hi) return 0;
  for (std::size_t k = 2; k < len; ++k) {
    if (!IsTrail(static_cast<unsigned char>(s[i + k]))) return 0;
  }
  return len;
}

// The archive's lenient reading at `i`: bit 0x20 of the lead picks three bytes,
// else two; the result is one 16-bit unit. Returns the length, 0 when the trail
// bytes are wrong or missing.
std::size_t LenientUnit(std::string_view s, std::size_t i, char32_t& unit) {
  const auto c = static_cast<unsigned char>(s[i]);
  const std::size_t len = (c & 0x20) ? 3 : 2;
  if (i + len > s.size()) return 0;
  unit = c & 0x3F;
  for (std::size_t k = 1; k < len; ++k) {
    const auto t = static_cast<unsigned char>(s[i + k]);
    if (!IsTrail(t)) return 0;
    unit = (unit << 6) | (t & 0x3F);
  }
  unit &= 0xFFFF;
  return len;
}

}  // namespace

void AppendCodePoint(std::string& out, char32_t cp) {
  utf8::Append(out, cp);
}

bool AppendArchiveTextAsUtf8(std::string_view s, std::string& out) {
  bool whole = true;
  std::size_t i = 0;
  while (i < s.size()) {
    if (const std::size_t len = StrictLength(s, i)) {
      out.append(s.data() + i, len);
      i += len;
      continue;
    }
    char32_t unit = 0;
    std::size_t len = LenientUnit(s, i, unit);
    if (len == 0) {
      AppendCodePoint(out, kReplacement);
      whole = false;
      ++i;
      continue;
    }
    if (IsHighSurrogate(unit) && i + len < s.size()) {
      char32_t low = 0;
      if (const std::size_t len2 = LenientUnit(s, i + len, low); len2 && IsLowSurrogate(low)) {
        AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += len + len2;
        continue;
      }
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      unit = kReplacement;
      whole = false;
    }
    AppendCodePoint(out, unit);
    i += len;
  }
  return whole;
}

std::string ArchiveTextAsUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendArchiveTextAsUtf8(text, out);
  return out;
}

std::string NameAsUtf8(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    if (const std::size_t len = StrictLength(name, i)) {
      out.append(name.data() + i, len);
      i += len;
    } else {
      AppendCodePoint(out, kReplacement);
      ++i;
    }
  }
  return out;
}

}  // namespace orvex
