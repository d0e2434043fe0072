// Plain byte-at-a-time versions of the loops the core runs eight bytes at a
// time (unscrambling, upper-casing for search, word counts, tag scans, the
// UTF-8 decoding's ASCII runs), and one check comparing each fast loop with
// its plain version on a piece of text. The test and the `bytes` fuzz target
// share them. They are written for plainness, not speed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ylogs/archive/archive_reader.h"
#include "ylogs/archive/markup.h"
#include "ylogs/base/text_replace.h"
#include "ylogs/render/renderer.h"
#include "ylogs/text/codepage.h"

namespace orvex::reference {

inline std::string UpperCaseAscii(std::string_view text) {
  std::string out;
  for (char c : text) out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  return out;
}

// Words: bytes that are not a blank and begin the text or follow a blank, up
// to the first zero byte.
inline std::int32_t CountWords(std::string_view text) {
  std::int32_t words = 0;
  bool after_blank = true;
  for (char c : text) {
    if (c == '\0') break;
    if (c != ' ' && after_blank) ++words;
    after_blank = c == ' ';
  }
  return words;
}

// What TakeRunUntilEscape appends, taken one byte at a time through Next.
inline std::string RunUntilEscape(TextReader& reader, std::size_t limit) {
  std::string out;
  while (out.size() < limit && !reader.AtEnd()) {
    const unsigned char b = reader.Next();
    if (b == 0x1B) {
      reader.PutBack();
      break;
    }
    out += static_cast<char>(b);
  }
  return out;
}

inline bool StartsWith(std::string_view text, std::size_t at, std::string_view pattern) {
  if (text.size() - at < pattern.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (text[at + k] != pattern[k]) return false;
  }
  return true;
}

// Every occurrence removed left to right; what a removal joins is not looked at again.
inline std::string EraseAll(std::string_view text, std::string_view pattern) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (StartsWith(text, i, pattern)) {
      i += pattern.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

inline std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (StartsWith(text, i, pattern)) return i;
  }
  return std::string_view::npos;
}

// Every closing tag removed, then again and again the first opening tag with
// everything up to the next ">", until none is left that has a ">" after it.
inline std::string StripTagPair(std::string_view text, std::string_view closing,
                                std::string_view opening) {
  std::string out = EraseAll(text, closing);
  for (;;) {
    const std::size_t at = Find(out, opening, 0);
    if (at == std::string_view::npos) break;
    const std::size_t gt = Find(out, ">", at + opening.size());
    if (gt == std::string_view::npos) break;
    out.erase(at, gt + 1 - at);
  }
  return out;
}

inline std::string StripStyleTags(std::string_view text) {
  std::string out(text);
  for (std::string_view tag : {"<b>", "<i>", "<u>", "</b>", "</i>", "</u>"}) {
    out = EraseAll(out, tag);
  }
  return out;
}

// None unless the pattern occurs as it is; then the non-overlapping matches
// left to right, A-Z and a-z told apart in neither.
inline int CountOccurrences(std::string_view pattern, std::string_view text) {
  const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  if (pattern.empty() || Find(text, pattern, 0) == std::string_view::npos) return 0;
  int count = 0;
  std::size_t i = 0;
  while (i + pattern.size() <= text.size()) {
    bool same = true;
    for (std::size_t k = 0; k < pattern.size() && same; ++k) {
      same = fold(text[i + k]) == fold(pattern[k]);
    }
    if (same) {
      ++count;
      i += pattern.size();
    } else {
      ++i;
    }
  }
  return count;
}

// ASCII bytes are kept one by one; each run of bytes from 0x80 up is decoded
// on its own (a sequence never holds an ASCII byte, and the eight-byte steps
// never start inside such a run). One run that fails empties the whole text.
inline std::string DecodeArchiveUtf8(std::string_view text, int code_page) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      out += text[i++];
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
    const std::string run = orvex::DecodeArchiveUtf8(text.substr(i, end - i), code_page);
    if (run.empty()) return {};
    out += run;
    i = end;
  }
  return out;
}

// The first fast path that differs from its plain version on `text`, as a
// short description; empty when all agree. `key` scrambles the reader's bytes.
inline std::string FirstDifference(std::string_view text, std::string_view key) {
  if (orvex::UpperCaseAscii(text) != UpperCaseAscii(text)) return "UpperCaseAscii";
  if (orvex::CountWords(text) != CountWords(text)) return "CountWords";
  for (std::size_t limit : {text.size(), text.size() / 2, std::size_t{7}, std::size_t{8}}) {
    TextReader fast(text, 0, key), plain(text, 0, key);
    std::string out = "x";  // appended to, not replaced
    const std::size_t taken = fast.TakeRunUntilEscape(out, limit);
    const std::string expected = RunUntilEscape(plain, limit);
    if (out != "x" + expected || taken != expected.size() || fast.Position() != plain.Position() ||
        fast.Consumed() != plain.Consumed()) {
      return "TakeRunUntilEscape";
    }
    // The key goes on where the run stopped.
    if (!fast.AtEnd() && fast.Next() != plain.Next()) return "TakeRunUntilEscape (key phase)";
  }
  if (orvex::StripFadeTags(text) != StripTagPair(text, "</FADE>", "<FADE")) return "StripFadeTags";
  if (orvex::StripFontTags(text) != StripTagPair(text, "</font>", "<font")) return "StripFontTags";
  if (orvex::StripStyleTags(text) != StripStyleTags(text)) return "StripStyleTags";
  for (std::string_view pattern : {"<font ", "</font>", "<", "zA", "a"}) {
    if (orvex::CountOccurrences(pattern, text) != CountOccurrences(pattern, text)) {
      return "CountOccurrences";
    }
  }
  for (int page : {1252, 1258, kUtf8CodePage}) {
    if (orvex::DecodeArchiveUtf8(text, page) != DecodeArchiveUtf8(text, page)) {
      return "DecodeArchiveUtf8InPlace";
    }
  }
  return {};
}

}  // namespace orvex::reference
