#include "markup.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <string.h>

#include "archive_reader.h"
#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

constexpr unsigned char kEscape = 0x1B;
constexpr std::string_view kSizeAttribute = " size=\"";
constexpr std::string_view kSizeStyle = " style=\"font-size:";

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

// Removes every occurrence of `pattern`, left to right, in place; what a
// removal joins together is not looked at again. Returns whether any was.
bool EraseAll(std::string& text, std::string_view pattern) {
  std::size_t r = text.find(pattern);
  if (r == std::string::npos) return false;
  // The pieces between occurrences move down; writing stays below reading, so
  // what is still to be searched is intact.
  std::size_t w = r;
  char* d = text.data();
  for (;;) {
    r += pattern.size();
    const std::size_t next = text.find(pattern, r);
    const std::size_t end = next == std::string::npos ? text.size() : next;
    std::memmove(d + w, d + r, end - r);
    w += end - r;
    if (next == std::string::npos) break;
    r = next;
  }
  text.resize(w);
  return true;
}

constexpr std::string_view kStyleTags[] = {"<b>", "<i>", "<u>", "</b>", "</i>", "</u>"};

// Which of kStyleTags occur in the text (bit i for tag i), from one pass over
// its "<" characters starting at `first`.
unsigned StyleTagsPresent(std::string_view text, std::size_t first) {
  unsigned present = 0;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin + first;
  while (p != nullptr && end - p >= 3) {
    const char* const c = p + 1;
    const bool closing = *c == '/';
    const char* const letter = closing ? c + 1 : c;
    if (letter + 1 < end && letter[1] == '>') {
      const int base = closing ? 3 : 0;
      if (*letter == 'b') present |= 1u << base;
      if (*letter == 'i') present |= 1u << (base + 1);
      if (*letter == 'u') present |= 1u << (base + 2);
    }
    p = static_cast<const char*>(std::memchr(p + 1, '<', static_cast<std::size_t>(end - p - 1)));
  }
  return present;
}

struct FontTagCounts {
  int opened = 0;  // CountOccurrences("<font ", text)
  int closed = 0;  // CountOccurrences("</font>", text)
};

// Both counts from one pass over the text's "<" characters. Neither tag can
// overlap itself (each holds one "<"), so every place that matches ignoring
// case counts.
FontTagCounts CountFontTags(std::string_view text) {
  constexpr std::string_view kOpen = "<font ", kClose = "</font>";
  int open_any = 0, close_any = 0;
  bool open_exact = false, close_exact = false;
  for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
    const std::string_view rest = text.substr(at);
    if (EqualsIgnoreAsciiCase(rest.substr(0, kOpen.size()), kOpen)) {
      ++open_any;
      open_exact = open_exact || rest.starts_with(kOpen);
    } else if (EqualsIgnoreAsciiCase(rest.substr(0, kClose.size()), kClose)) {
      ++close_any;
      close_exact = close_exact || rest.starts_with(kClose);
    }
  }
  return {open_exact ? open_any : 0, close_exact ? close_any : 0};
}

// Removes every `closing` in one pass, then repeatedly the first `opening` in
// the text together with everything up to the next ">". A removal can join
// two pieces into a new opening tag; building the result left to right and
// testing its end after each byte finds those in the same order as searching
// the whole text again would. An opening tag with no ">" after it stays, and
// so does all that follows it. Works in place: the result never outgrows
// what has been read.
void StripTagPair(std::string& text, std::string_view closing, std::string_view opening) {
  // One pass over the "<" characters tells whether either tag is there at all.
  bool has_closing = false;
  std::size_t first = std::string::npos;
  const std::string_view view(text);
  for (std::size_t at = view.find('<'); at != std::string_view::npos; at = view.find('<', at + 1)) {
    if (!has_closing && view.substr(at, closing.size()) == closing) has_closing = true;
    if (first == std::string::npos && view.substr(at, opening.size()) == opening) first = at;
    if (has_closing && first != std::string::npos) break;
  }
  if (has_closing) {
    EraseAll(text, closing);
    first = text.find(opening);
  }
  if (first == std::string::npos) return;
  char* d = text.data();
  const std::size_t n = text.size();
  const std::size_t olen = opening.size();
  const char last = opening.back();
  // Nothing before the first opening tag moves; from there, copy up to each
  // byte that can end an opening tag and look at what the result ends with.
  std::size_t i = first, o = first;
  while (i < n) {
    const void* hit = std::memchr(d + i, last, n - i);
    const std::size_t stop =
        hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - d) + 1 : n;
    if (o != i) std::memmove(d + o, d + i, stop - i);
    o += stop - i;
    i = stop;
    if (!hit) break;
    if (o < olen || std::string_view(d + o - olen, olen) != opening) continue;
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
  ConvertMessageMarkupInto(reader, length, format_codes_enabled, out);
  return out;
}

void ConvertMessageMarkupInto(TextReader& reader, std::size_t length, bool format_codes_enabled,
                              std::string& out) {
  out.clear();
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
  const FontTagCounts counts = CountFontTags(out);
  for (int k = counts.closed; k < counts.opened; ++k) out += "</font>";
}

void StripFadeTagsInPlace(std::string& text) {
  StripTagPair(text, "</FADE>", "<FADE");
}

void StripFontTagsInPlace(std::string& text) {
  StripTagPair(text, "</font>", "<font");
}

void StripStyleTagsInPlace(std::string& text) {
  const std::size_t first = text.find('<');
  if (first == std::string::npos) return;
  // Until a removal changes the text, one scan tells which tags are there;
  // after one, a removal may have joined a new tag, so each is searched.
  const unsigned present = StyleTagsPresent(text, first);
  bool changed = false;
  for (unsigned i = 0; i < std::size(kStyleTags); ++i) {
    if (changed || (present & (1u << i))) changed = EraseAll(text, kStyleTags[i]) || changed;
  }
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
  return ReplaceAll(text, kSizeAttribute, kSizeStyle);
}

void FontSizeRewriteInPlace(std::string& text, std::string& spare) {
  // Most messages hold no such attribute. Searching by first byte would stop
  // at every blank; memmem looks further ahead.
  if (!::memmem(text.data(), text.size(), kSizeAttribute.data(), kSizeAttribute.size())) return;
  ReplaceAllInPlace(text, kSizeAttribute, kSizeStyle, spare);
}

std::string PlainText(std::string_view fragment) {
  std::string out(fragment);
  StripFadeTagsInPlace(out);
  StripFontTagsInPlace(out);
  StripStyleTagsInPlace(out);
  return out;
}

}  // namespace orvex
