#include "markup.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "archive_reader.h"
#include "text_replace.h"

namespace orvex {
namespace {

constexpr unsigned char kEscape = 0x1B;

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

// Removes every occurrence of `pattern`, left to right, in place; what a
// removal joins together is not looked at again.
void EraseAll(std::string& text, std::string_view pattern) {
  std::size_t r = text.find(pattern);
  if (r == std::string::npos) return;
  // Writing never overtakes reading, so the bytes still to be read are intact.
  std::size_t w = r;
  const std::size_t n = text.size(), p = pattern.size();
  char* d = text.data();
  while (r < n) {
    if (d[r] == pattern[0] && r + p <= n && std::string_view(d + r, p) == pattern) {
      r += p;
    } else {
      d[w++] = d[r++];
    }
  }
  text.resize(w);
}

// Removes every `closing` in one pass, then repeatedly the first `opening` in
// the text together with everything up to the next ">". A removal can join
// two pieces into a new opening tag; building the result left to right and
// testing its end after each byte finds those in the same order as searching
// the whole text again would. An opening tag with no ">" after it stays, and
// so does all that follows it. Works in place: the result never outgrows
// what has been read.
void StripTagPair(std::string& text, std::string_view closing, std::string_view opening) {
  if (text.find('<') == std::string::npos) return;
  EraseAll(text, closing);
  if (text.find(opening) == std::string::npos) return;
  char* d = text.data();
  const std::size_t n = text.size();
  const std::size_t olen = opening.size();
  const char last = opening.back();
  std::size_t i = 0, o = 0;
  while (i < n) {
    const char c = d[i++];
    d[o++] = c;
    if (c != last || o < olen || std::string_view(d + o - olen, olen) != opening) continue;
    const void* gt = std::memchr(d + i, '>', n - i);
    if (!gt) {
      std::memmove(d + o, d + i, n - i);
      o += n - i;
      break;
    }
    o -= olen;
    i = static_cast<std::size_t>(static_cast<const char*>(gt) - d) + 1;
  }
  text.resize(o);
}

}  // namespace

std::string_view ColorCodeValue(unsigned char digit) {
  static constexpr std::array<std::string_view, 10> kColors = {
      "000000", "0000FF", "008080", "808080", "008000",
      "FF0080", "800080", "FF8000", "FF0000", "808000"};
  if (digit >= '0' && digit <= '9') return kColors[digit - '0'];
  return {};
}

std::string ConvertMessageMarkup(TextReader& reader, std::size_t length,
                                 bool format_codes_enabled) {
  std::string out;
  out.reserve(length + 16);
  bool bold = false, italic = false, underline = false, color = false;
  while (reader.Consumed() < length && !reader.AtEnd()) {
    if (format_codes_enabled) {
      // Runs of ordinary bytes are copied in one go.
      if (reader.TakeRunUntilEscape(out, length - reader.Consumed()) > 0) continue;
    }
    const unsigned char c = reader.Next();
    if (!format_codes_enabled || c != kEscape) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    const unsigned char d = reader.Next();
    if (d != '[') {
      reader.PutBack();
      continue;
    }
    unsigned char e = reader.Next();
    const bool closing = e == 'x';
    if (closing) e = reader.Next();
    auto style = [&](const char* letter, bool& open) {
      out += closing ? "</" : "<";
      out += letter;
      out += ">";
      open = !closing;
    };
    switch (e) {
      case '1':
        style("b", bold);
        break;
      case '2':
        style("i", italic);
        break;
      case '4':
        style("u", underline);
        break;
      case '3':
        if (closing) {
          out += "</font>";
          color = false;
        } else {
          const unsigned char g = reader.Next();
          if (color) out += "</font>";
          out += "<font color=\"#";
          out += ColorCodeValue(g);
          out += "\">";
          color = true;
        }
        break;
      case '#': {
        char hex[6];
        for (char& h : hex) h = static_cast<char>(reader.Next());
        if (color) out += "</font>";
        out += "<font color=\"#";
        out.append(hex, 6);
        out += "\">";
        color = true;
        break;
      }
      case 'l':
        break;
      default:
        // An unknown code runs up to and including its "m"; no terminator follows.
        while (e != 'm') e = reader.Next();
        continue;
    }
    reader.Next();  // the code's terminator, whatever byte it is
  }
  if (bold) out += "</b>";
  if (italic) out += "</i>";
  if (underline) out += "</u>";
  if (color) out += "</font>";
  const int opened = CountOccurrences("<font ", out);
  const int closed = CountOccurrences("</font>", out);
  for (int k = closed; k < opened; ++k) out += "</font>";
  return out;
}

void StripFadeTagsInPlace(std::string& text) {
  StripTagPair(text, "</FADE>", "<FADE");
}

void StripFontTagsInPlace(std::string& text) {
  StripTagPair(text, "</font>", "<font");
}

void StripStyleTagsInPlace(std::string& text) {
  if (text.find('<') == std::string::npos) return;
  for (std::string_view tag : {"<b>", "<i>", "<u>", "</b>", "</i>", "</u>"}) EraseAll(text, tag);
}

std::string StripFadeTags(std::string_view text) {
  std::string out(text);
  StripFadeTagsInPlace(out);
  return out;
}

std::string StripFontTags(std::string_view text) {
  std::string out(text);
  StripFontTagsInPlace(out);
  return out;
}

std::string StripStyleTags(std::string_view text) {
  std::string out(text);
  StripStyleTagsInPlace(out);
  return out;
}

int CountOccurrences(std::string_view pattern, std::string_view text) {
  if (pattern.empty() || text.empty() || text.find(pattern) == std::string_view::npos) return 0;
  const char first = pattern.front();
  const bool first_is_letter = (first | 0x20) >= 'a' && (first | 0x20) <= 'z';
  int count = 0;
  std::size_t i = 0;
  while (i + pattern.size() <= text.size()) {
    if (!first_is_letter) {
      // Jump to the next place the pattern can start (its first byte has no case).
      const void* next = std::memchr(text.data() + i, first, text.size() - pattern.size() + 1 - i);
      if (!next) break;
      i = static_cast<std::size_t>(static_cast<const char*>(next) - text.data());
    }
    if (EqualsIgnoreAsciiCase(text.substr(i, pattern.size()), pattern)) {
      ++count;
      i += pattern.size();
    } else {
      ++i;
    }
  }
  return count;
}

std::string FontSizeRewrite(std::string_view text) {
  return ReplaceAll(text, " size=\"", " style=\"font-size:");
}

std::string PlainText(std::string_view fragment) {
  std::string out(fragment);
  StripFadeTagsInPlace(out);
  StripFontTagsInPlace(out);
  StripStyleTagsInPlace(out);
  return out;
}

}  // namespace orvex
