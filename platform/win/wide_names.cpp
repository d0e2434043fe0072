#include "wide_names.h"

#include <windows.h>

#include <cerrno>

namespace orvex::win {
namespace {

// The length of the sequence at `i` that the rule decodes as one code point
// (well-formed UTF-8, or the three-byte form of a surrogate that is not one
// of the escapes U+DC80 to U+DCFF), or 0 for a byte taken alone.
std::size_t SequenceLength(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  auto cont = [&](std::size_t k) {
    return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
  };
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]) & 0x3F; };
  if (b0 >= 0xC2 && b0 <= 0xDF && cont(1)) {
    cp = (char32_t(b0 & 0x1F) << 6) | at(1);
    return 2;
  }
  if (b0 >= 0xE0 && b0 <= 0xEF && cont(1) && cont(2)) {
    cp = (char32_t(b0 & 0x0F) << 12) | (char32_t(at(1)) << 6) | at(2);
    if (cp < 0x800 || (cp >= 0xDC80 && cp <= 0xDCFF)) return 0;
    return 3;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4 && cont(1) && cont(2) && cont(3)) {
    cp = (char32_t(b0 & 0x07) << 18) | (char32_t(at(1)) << 12) | (char32_t(at(2)) << 6) | at(3);
    if (cp < 0x10000 || cp > 0x10FFFF) return 0;
    return 4;
  }
  return 0;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::wstring WideFromBytes(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t cp = 0;
    const std::size_t len = SequenceLength(bytes, i, cp);
    if (len == 0) {
      out += static_cast<wchar_t>(0xDC00 + static_cast<unsigned char>(bytes[i]));
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (cp >> 10));
      out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<wchar_t>(cp);
    }
    i += len;
  }
  return out;
}

std::string BytesFromWide(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const char32_t unit = static_cast<char16_t>(wide[i]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size()) {
      const char32_t low = static_cast<char16_t>(wide[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    if (unit >= 0xDC80 && unit <= 0xDCFF) {
      out += static_cast<char>(unit - 0xDC00);  // an escaped byte
    } else {
      AppendUtf8(out, unit);  // a lone surrogate too: its three-byte form
    }
  }
  return out;
}

std::string PathFromWide(std::wstring_view wide) {
  std::string path = BytesFromWide(wide);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

int ErrnoFromSystemError(unsigned long error) {
  switch (error) {
    case ERROR_SUCCESS:
      return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return ENOENT;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_DIR_NOT_EMPTY:
      return ENOTEMPTY;
    default:
      return EIO;
  }
}

}  // namespace orvex::win
