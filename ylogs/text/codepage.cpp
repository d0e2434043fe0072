#include "codepage.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>
#include <vector>

#include "code_page_tables.h"
#include "utf8_units.h"
#include "ylogs/base/byte_scan.h"

namespace orvex {
namespace {

int system_code_page = kWesternCodePage;

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

using utf8::IsHighSurrogate;
using utf8::IsLowSurrogate;
using utf8::IsSurrogate;
using utf8::IsTrail;

void AppendUtf8(std::string& out, char32_t cp) {
  utf8::Append(out, cp);
}

constexpr int kSingleBytePages[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

// Conversion of UTF-16 code units to one single-byte page: a table of every
// unit's byte (0: none but for U+0000), built the first time the page is used.
class SingleByteEncoder {
 public:
  explicit SingleByteEncoder(const SingleByteCodePage& page) : page_(page), to_byte_(0x10000, 0) {
    for (int i = 0; i < 128; ++i) {
      const char16_t unit = page.high[i];
      if (unit != 0xFFFD) to_byte_[unit] = static_cast<unsigned char>(0x80 + i);
    }
    for (char16_t u = 1; u < 0x80; ++u) to_byte_[u] = static_cast<unsigned char>(u);
  }

  // Writes the bytes of one unit at `out` (one, or two for a base letter and
  // its mark; "?" when the page lacks it); the number written.
  std::size_t Put(char* out, char32_t unit) const {
    if (unit < 0x10000) {
      if (const unsigned char b = to_byte_[unit]; b != 0 || unit == 0) {
        out[0] = static_cast<char>(b);
        return 1;
      }
      const CodePageDecomposition* first = page_.decompositions;
      const CodePageDecomposition* last = first + page_.decomposition_count;
      const auto* found = std::lower_bound(
          first, last, unit, [](const CodePageDecomposition& d, char32_t u) { return d.unit < u; });
      if (found != last && found->unit == unit) {
        out[0] = static_cast<char>(found->base);
        out[1] = static_cast<char>(found->mark);
        return 2;
      }
    }
    out[0] = '?';
    return 1;
  }

  // The byte of each 16-bit unit; 0 where the page has none (and for U+0000).
  const unsigned char* table() const { return to_byte_.data(); }

  char32_t ToUnicode(unsigned char c) const { return c < 0x80 ? c : page_.high[c - 0x80]; }

 private:
  const SingleByteCodePage& page_;
  std::vector<unsigned char> to_byte_;
};

// The encoder of a single-byte page, made the first time the page is used and
// kept for the run; null for UTF-8 and unsupported numbers. Called once per
// text, so the common case is one load.
const SingleByteEncoder* EncoderFor(int number) {
  // 874 first, then 1250 to 1258, as kSingleBytePages lists them.
  std::size_t i = 0;
  if (number >= 1250 && number <= 1258) {
    i = static_cast<std::size_t>(number - 1249);
  } else if (number != 874) {
    return nullptr;
  }
  static std::array<std::atomic<const SingleByteEncoder*>, std::size(kSingleBytePages)> made{};
  if (const SingleByteEncoder* encoder = made[i].load(std::memory_order_acquire)) return encoder;
  static std::mutex making;
  const std::lock_guard<std::mutex> lock(making);
  if (!made[i].load(std::memory_order_relaxed)) {
    made[i].store(new SingleByteEncoder(*FindSingleByteCodePage(number)),
                  std::memory_order_release);
  }
  return made[i].load(std::memory_order_relaxed);
}

// One archive sequence from `i`: lenient about the lead byte, strict about
// the trail bytes. False when the text ends inside it or a trail byte is bad.
[[gnu::always_inline]] inline bool NextArchiveUnit(const char* d, std::size_t n, std::size_t& i,
                                                   char32_t& unit) {
  const unsigned char c = static_cast<unsigned char>(d[i++]);
  unit = c & 0x3F;
  if (c & 0x20) {
    if (i >= n) return false;
    const unsigned char t = static_cast<unsigned char>(d[i++]);
    if (!IsTrail(t)) return false;
    unit = (unit << 6) | (t & 0x3F);
  }
  if (i >= n) return false;
  const unsigned char t = static_cast<unsigned char>(d[i++]);
  if (!IsTrail(t)) return false;
  // The result is one UTF-16 code unit: higher bits of a lenient lead fall away.
  unit = ((unit << 6) | (t & 0x3F)) & 0xFFFF;
  return true;
}

// One well-formed UTF-8 character from `i` (one to four bytes); false, with
// `i` past the first byte, when the bytes there are not one.
bool NextUtf8Character(std::string_view s, std::size_t& i, char32_t& cp) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  const std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
  if (len == 0 || c > 0xF4 || i + len > s.size()) {
    ++i;
    return false;
  }
  cp = c & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) {
    const unsigned char t = static_cast<unsigned char>(s[i + k]);
    if (!IsTrail(t)) {
      ++i;
      return false;
    }
    cp = (cp << 6) | (t & 0x3F);
  }
  i += len;
  return true;
}

}  // namespace

bool IsSupportedCodePage(int number) {
  return number == kUtf8CodePage || FindSingleByteCodePage(number) != nullptr;
}

int SystemCodePage() {
  return system_code_page;
}

bool SetSystemCodePage(int number) {
  if (!IsSupportedCodePage(number)) return false;
  system_code_page = number;
  return true;
}

std::string CodePageCharset(int number) {
  if (number == kUtf8CodePage) return "UTF-8";
  return "windows-" + std::to_string(number);
}

std::string DecodeArchiveUtf8(std::string_view utf8, int code_page) {
  std::string out(utf8);
  DecodeArchiveUtf8InPlace(out, code_page);
  return out;
}

void DecodeArchiveUtf8InPlace(std::string& text, int code_page) {
  const std::size_t n = text.size();
  char* const d = text.data();
  std::size_t i = 0;
  // Plain ASCII, the usual case, stays as it is: look for a high byte.
  while (i + 8 <= n && (bytes::Load(d + i) & bytes::kHighs) == 0) i += 8;
  while (i < n && static_cast<unsigned char>(d[i]) < 0x80) ++i;
  if (i == n) return;
  const SingleByteEncoder* encoder = EncoderFor(code_page);
  const unsigned char* to_byte = encoder ? encoder->table() : nullptr;
  // Each sequence of two or three bytes is written as at most as many (a
  // single-byte page writes one or two, UTF-8 the same character again, a
  // pair of surrogates four for six), so writing never overtakes reading.
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
    if (static_cast<unsigned char>(d[i]) < 0x80) {
      d[o++] = d[i++];
      continue;
    }
    char32_t unit;
    if (!NextArchiveUnit(d, n, i, unit)) return text.clear();
    if (to_byte) {
      // Nearly always one byte of the page; a base letter and its mark, or
      // "?", are looked for apart.
      if (const unsigned char b = to_byte[unit]; b != 0 || unit == 0) {
        d[o++] = static_cast<char>(b);
      } else {
        o += encoder->Put(d + o, unit);
      }
      continue;
    }
    if (IsSurrogate(unit)) {
      // A pair written as two sequences is one character; a lone half is none.
      std::size_t next = i;
      char32_t low;
      if (IsHighSurrogate(unit) && next < n && static_cast<unsigned char>(d[next]) >= 0x80 &&
          NextArchiveUnit(d, n, next, low) && IsLowSurrogate(low)) {
        i = next;
        o += utf8::Put(d + o, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      } else {
        std::copy(kReplacementUtf8, kReplacementUtf8 + 3, d + o);
        o += 3;
      }
      continue;
    }
    o += utf8::Put(d + o, unit);
  }
  text.resize(o);
}

std::string Utf8ToAnsi(std::string_view utf8, int code_page) {
  const SingleByteEncoder* encoder = EncoderFor(code_page);
  std::string out;
  out.reserve(utf8.size());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  char bytes[2];
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    char32_t cp;
    if (!NextUtf8Character(utf8, i, cp)) {
      out.push_back('?');
    } else if (encoder) {
      // Beyond the 16-bit units, no single-byte page has the character.
      out.append(bytes, cp > 0xFFFF ? (bytes[0] = '?', 1) : encoder->Put(bytes, cp));
    } else if (IsSurrogate(cp) || cp > 0x10FFFF) {
      out.push_back('?');
    } else {
      AppendUtf8(out, cp);
    }
  }
  return out;
}

std::string AnsiToUtf8(std::string_view ansi, int code_page) {
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 8);
  if (const SingleByteEncoder* encoder = EncoderFor(code_page)) {
    for (char ch : ansi) AppendUtf8(out, encoder->ToUnicode(static_cast<unsigned char>(ch)));
    return out;
  }
  // UTF-8 already: what is not a character shows as the replacement character.
  std::size_t i = 0;
  while (i < ansi.size()) {
    char32_t cp;
    const std::size_t start = i;
    if (static_cast<unsigned char>(ansi[i]) < 0x80) {
      out.push_back(ansi[i++]);
    } else if (NextUtf8Character(ansi, i, cp) && !IsSurrogate(cp) && cp <= 0x10FFFF) {
      out.append(ansi.substr(start, i - start));
    } else {
      i = start + 1;
      out += kReplacementUtf8;
    }
  }
  return out;
}

std::string_view CutToLength(std::string_view text, std::size_t max, int code_page) {
  if (text.size() <= max) return text;
  std::size_t end = max;
  if (code_page == kUtf8CodePage) {
    while (end > 0 && IsTrail(static_cast<unsigned char>(text[end]))) --end;
  }
  return text.substr(0, end);
}

}  // namespace orvex

namespace orvex {

std::string FileNameToAnsi(std::string_view name, int code_page) {
  bool ascii = true;
  for (char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  // With UTF-8 as the code page every name is taken as it is.
  if (ascii || code_page == kUtf8CodePage) return std::string(name);
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
  return Utf8ToAnsi(name, code_page);
}

}  // namespace orvex
