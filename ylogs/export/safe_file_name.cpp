#include "safe_file_name.h"

#include <array>

#include "ylogs/text/utf8_text.h"

namespace orvex {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendEscaped(std::string& out, unsigned char c) {
  out.push_back('%');
  out.push_back(kHex[c >> 4]);
  out.push_back(kHex[c & 0xF]);
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Windows takes these as devices whatever follows after a dot.
bool IsReservedDeviceName(std::string_view name) {
  const std::string_view stem = name.substr(0, name.find('.'));
  std::string upper;
  for (char c : stem) upper.push_back(Upper(c));
  // Blanks before the dot are dropped by Windows too ("CON .txt").
  while (!upper.empty() && upper.back() == ' ') upper.pop_back();
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view r : kPlain) {
    if (upper == r) return true;
  }
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

bool MustEscape(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case '%':
    case '<':
    case '>':
    case ':':
    case '"':
    case '/':
    case '\\':
    case '|':
    case '?':
    case '*':
      return true;
    default:
      return false;
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string SafeFileName(std::string_view name) {
  if (name.empty()) return "%";
  std::size_t end = name.size();
  while (end > 0 && (name[end - 1] == '.' || name[end - 1] == ' ')) --end;
  std::string out;
  out.reserve(name.size() + 8);
  const bool reserved = IsReservedDeviceName(name);
  std::size_t i = 0;
  while (i < name.size()) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (i >= end || (i == 0 && reserved) || MustEscape(c)) {
      AppendEscaped(out, c);
      ++i;
      continue;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    // One character of UTF-8 kept as it is when well-formed, else byte by byte.
    std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (i + len > end) len = end - i;
    const std::string_view piece = name.substr(i, len);
    if (NameAsUtf8(piece) == piece && len >= 2) {
      out.append(piece);
      i += len;
    } else {
      AppendEscaped(out, c);
      ++i;
    }
  }
  return out;
}

std::string OriginalName(std::string_view safe) {
  if (safe == "%") return {};
  std::string out;
  out.reserve(safe.size());
  for (std::size_t i = 0; i < safe.size(); ++i) {
    if (safe[i] == '%' && i + 2 < safe.size() && HexValue(safe[i + 1]) >= 0 &&
        HexValue(safe[i + 2]) >= 0) {
      out.push_back(static_cast<char>(HexValue(safe[i + 1]) * 16 + HexValue(safe[i + 2])));
      i += 2;
    } else {
      out.push_back(safe[i]);
    }
  }
  return out;
}

std::string UrlSegment(std::string_view segment) {
  std::string out;
  out.reserve(segment.size() + 8);
  for (char ch : segment) {
    const auto c = static_cast<unsigned char>(ch);
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      out.push_back(ch);
    } else {
      AppendEscaped(out, c);
    }
  }
  return out;
}

}  // namespace orvex
