#include "site_search.h"

#include <algorithm>

namespace orvex {
namespace {

// A piece's share of archive bytes: the first is small, for the first
// results; each next one twice the last, up to the largest.
constexpr std::int64_t kFirstPiece = 256 * 1024;
constexpr std::int64_t kLargestPiece = 4 * 1024 * 1024;

constexpr char kHex[] = "0123456789abcdef";

}  // namespace

void AppendJsString(std::string& out, std::string_view utf8) {
  out.push_back('"');
  std::size_t run = 0;  // start of the bytes not yet copied
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const char* escape = nullptr;
    char unit[7];
    if (c == '"') {
      escape = "\\\"";
    } else if (c == '\\') {
      escape = "\\\\";
    } else if (c == '\n') {
      escape = "\\n";
    } else if (c == '\r') {
      escape = "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      unit[0] = '\\', unit[1] = 'u', unit[2] = '0', unit[3] = '0';
      unit[4] = kHex[c >> 4], unit[5] = kHex[c & 15], unit[6] = '\0';
      escape = unit;
    } else if (c == 0xE2 && i + 2 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) == 0x80 &&
               (static_cast<unsigned char>(utf8[i + 2]) & 0xFE) == 0xA8) {
      // U+2028 and U+2029 end a line in older script engines.
      escape = utf8[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
      out.append(utf8.data() + run, i - run);
      out += escape;
      i += 2;
      run = i + 1;
      continue;
    } else {
      continue;
    }
    out.append(utf8.data() + run, i - run);
    out += escape;
    run = i + 1;
  }
  out.append(utf8.data() + run, utf8.size() - run);
  out.push_back('"');
}

std::vector<std::size_t> SearchPieceStarts(const std::vector<std::int64_t>& sizes) {
  std::vector<std::size_t> starts;
  std::int64_t share = kFirstPiece, filled = 0;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (starts.empty() || filled >= share) {
      if (!starts.empty()) share = std::min(share * 2, kLargestPiece);
      starts.push_back(i);
      filled = 0;
    }
    filled += std::max<std::int64_t>(sizes[i], 1);
  }
  return starts;
}

std::string SearchIndexScript(const std::vector<SearchEntry>& entries,
                              const std::vector<std::size_t>& piece_starts) {
  std::string out = "window.OrvexSearchIndex = {\r\n\"pieces\": [";
  for (std::size_t i = 0; i < piece_starts.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(piece_starts[i]);
  }
  out += "],\r\n\"conversations\": [";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SearchEntry& e = entries[i];
    out += i ? ",\r\n[" : "\r\n[";
    AppendJsString(out, e.href);
    out += ',';
    AppendJsString(out, e.friend_name);
    out += ',';
    AppendJsString(out, e.identity);
    out += ',';
    AppendJsString(out, e.date);
    out += ']';
  }
  out += "]};\r\n";
  return out;
}

std::string SearchPieceBegin(std::size_t piece) {
  return "OrvexSearch.piece(" + std::to_string(piece) + ", [";
}

void AppendSearchPieceText(std::string& piece, std::string_view text, bool first) {
  piece += first ? "\r\n" : ",\r\n";
  AppendJsString(piece, text);
}

std::string_view SearchPieceEnd() {
  return "]);\r\n";
}

std::string SearchPieceFile(std::size_t piece) {
  return "search/text-" + std::to_string(piece + 1) + ".js";
}

}  // namespace orvex
