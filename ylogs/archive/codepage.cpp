#include "codepage.h"

#include <array>

#include "byte_scan.h"

namespace orvex {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control
// with the same value, as the system's own conversion does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool IsTrail(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

}  // namespace

char32_t AnsiCharToUnicode(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return kHighControls[c - 0x80];
  return c;
}

char UnicodeToAnsiChar(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::string DecodeArchiveUtf8(std::string_view utf8) {
  std::string out(utf8);
  DecodeArchiveUtf8InPlace(out);
  return out;
}

void DecodeArchiveUtf8InPlace(std::string& text) {
  const std::size_t n = text.size();
  char* const d = text.data();
  std::size_t i = 0;
  // Plain ASCII, the usual case, stays as it is: look for a high byte.
  while (i + 8 <= n && (bytes::Load(d + i) & bytes::kHighs) == 0) i += 8;
  while (i < n && static_cast<unsigned char>(d[i]) < 0x80) ++i;
  if (i == n) return;
  // Each character takes at least one byte, so writing never overtakes reading.
  std::size_t o = i;
  while (i < n) {
    // Runs of ASCII move eight bytes a step (each word is read before written).
    while (i + 8 <= n) {
      const std::uint64_t w = bytes::Load(d + i);
      if (w & bytes::kHighs) break;
      bytes::Store(d + o, w);
      i += 8;
      o += 8;
    }
    if (i == n) break;
    unsigned char c = static_cast<unsigned char>(d[i++]);
    if (c < 0x80) {
      d[o++] = static_cast<char>(c);
      continue;
    }
    char32_t unit = c & 0x3F;
    if (c & 0x20) {
      if (i >= n) return text.clear();
      unsigned char t = static_cast<unsigned char>(d[i++]);
      if (!IsTrail(t)) return text.clear();
      unit = (unit << 6) | (t & 0x3F);
    }
    if (i >= n) return text.clear();
    unsigned char t = static_cast<unsigned char>(d[i++]);
    if (!IsTrail(t)) return text.clear();
    // The result is one UTF-16 code unit: higher bits of a lenient lead fall away.
    unit = ((unit << 6) | (t & 0x3F)) & 0xFFFF;
    d[o++] = UnicodeToAnsiChar(unit);
  }
  text.resize(o);
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (len == 0 || c > 0xF4 || i + len > n) {
      out.push_back('?');
      ++i;
      continue;
    }
    char32_t cp = c & (0x7F >> len);
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      unsigned char t = static_cast<unsigned char>(utf8[i + k]);
      if (!IsTrail(t)) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (t & 0x3F);
    }
    if (!ok) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(cp > 0xFFFF ? '?' : UnicodeToAnsiChar(cp));
    i += len;
  }
  return out;
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 8);
  for (char ch : ansi) AppendUtf8(out, AnsiCharToUnicode(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace orvex

namespace orvex {

std::string FileNameToAnsi(std::string_view name) {
  bool ascii = true;
  for (char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(name);
  // Strict UTF-8 only; anything else already is 8-bit text.
  std::size_t i = 0;
  while (i < name.size()) {
    const auto c = static_cast<unsigned char>(name[i]);
    const int len = c < 0x80                   ? 1
                    : (c >= 0xC2 && c <= 0xDF) ? 2
                    : (c >= 0xE0 && c <= 0xEF) ? 3
                    : (c >= 0xF0 && c <= 0xF4) ? 4
                                               : 0;
    if (len == 0 || i + len > name.size()) return std::string(name);
    for (int k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(name[i + k]) & 0xC0) != 0x80) return std::string(name);
    }
    i += len;
  }
  return Utf8ToAnsi(name);
}

}  // namespace orvex
