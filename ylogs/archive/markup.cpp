#include "markup.h"

#include <algorithm>
#include <array>

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

// Removes every `closing` in one pass, then repeatedly the first `opening` in
// the text together with everything up to the next ">". A removal can join
// two pieces into a new opening tag; building the result left to right and
// testing its end after each byte finds those in the same order as searching
// the whole text again would. An opening tag with no ">" after it stays, and
// so does all that follows it.
std::string StripTagPair(std::string_view text, std::string_view closing,
                         std::string_view opening) {
  const std::string without_closing = ReplaceAll(text, closing, "");
  std::string_view in = without_closing;
  if (in.find(opening) == std::string_view::npos) return without_closing;
  std::string out;
  out.reserve(in.size());
  const std::size_t olen = opening.size();
  const char last = opening.back();
  std::size_t i = 0;
  while (i < in.size()) {
    const char c = in[i++];
    out.push_back(c);
    if (c != last || out.size() < olen ||
        std::string_view(out).substr(out.size() - olen) != opening) {
      continue;
    }
    const std::size_t gt = in.find('>', i);
    if (gt == std::string_view::npos) {
      out.append(in.substr(i));
      return out;
    }
    out.resize(out.size() - olen);
    i = gt + 1;
  }
  return out;
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

std::string StripFadeTags(std::string_view text) {
  return StripTagPair(text, "</FADE>", "<FADE");
}

std::string StripFontTags(std::string_view text) {
  return StripTagPair(text, "</font>", "<font");
}

std::string StripStyleTags(std::string_view text) {
  std::string out(text);
  if (out.find('<') == std::string::npos) return out;
  for (std::string_view tag : {"<b>", "<i>", "<u>", "</b>", "</i>", "</u>"}) {
    ReplaceAllInPlace(out, tag, "");
  }
  return out;
}

int CountOccurrences(std::string_view pattern, std::string_view text) {
  if (pattern.empty() || text.empty() || text.find(pattern) == std::string_view::npos) return 0;
  int count = 0;
  std::size_t i = 0;
  while (i + pattern.size() <= text.size()) {
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
  return StripStyleTags(StripFontTags(StripFadeTags(fragment)));
}

}  // namespace orvex
