#include "self_contained_message.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "readable_colour.h"
#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

// Deeper nesting than this is dropped: a closing tag reopens what stood
// above it, so the work per tag grows with the depth.
constexpr std::size_t kDeepest = 64;

// Marks an emoticon's place while the table is walked: 0xFF never occurs in
// UTF-8, and the next byte, 0x80 plus the entry's number, is no character of
// an emoticon either, so no later emoticon can match across or into a mark.
constexpr char kSmileyMark = '\xFF';
constexpr std::size_t kMostSmileys = 127;

constexpr std::string_view kFormatting[] = {"b",  "i",      "u",   "s",   "strike",
                                            "em", "strong", "sub", "sup", "font"};
// The messenger's own tags that no browser shows.
constexpr std::string_view kUnshown[] = {"fade", "alt"};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
template <std::size_t N>
bool IsOneOf(std::string_view name, const std::string_view (&names)[N]) {
  for (std::string_view n : names) {
    if (n == name) return true;
  }
  return false;
}

struct Attribute {
  std::string name;  // lower case
  std::string_view value;
};

struct Tag {
  bool end = false;
  std::string name;  // lower case
  std::vector<Attribute> attributes;
  std::size_t length = 0;  // of the whole tag in the text
};

bool EndsName(char c) {
  return IsSpace(c) || c == '/' || c == '>';
}

// The tag that starts at text[at] ('<') as a browser's tokenizer reads it;
// none when no whole tag starts there (the text ends inside it, or "<" is
// not followed by a letter or "/" and a letter).
std::optional<Tag> ReadTag(std::string_view text, std::size_t at) {
  std::size_t i = at + 1;
  Tag tag;
  if (i < text.size() && text[i] == '/') {
    tag.end = true;
    ++i;
  }
  if (i >= text.size() || !IsLetter(text[i])) return std::nullopt;
  while (i < text.size() && !EndsName(text[i])) tag.name.push_back(Lower(text[i++]));
  for (;;) {
    while (i < text.size() && (IsSpace(text[i]) || text[i] == '/')) ++i;
    if (i >= text.size()) return std::nullopt;
    if (text[i] == '>') {
      tag.length = i + 1 - at;
      return tag;
    }
    Attribute a;
    do {
      a.name.push_back(Lower(text[i++]));  // a name may begin with "="
    } while (i < text.size() && !EndsName(text[i]) && text[i] != '=');
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (i < text.size() && text[i] == '=') {
      ++i;
      while (i < text.size() && IsSpace(text[i])) ++i;
      if (i >= text.size()) return std::nullopt;
      if (text[i] == '"' || text[i] == '\'') {
        const std::size_t close = text.find(text[i], i + 1);
        if (close == std::string_view::npos) return std::nullopt;
        a.value = text.substr(i + 1, close - i - 1);
        i = close + 1;
      } else {
        const std::size_t start = i;
        while (i < text.size() && !IsSpace(text[i]) && text[i] != '>') ++i;
        a.value = text.substr(start, i - start);
      }
    }
    tag.attributes.push_back(std::move(a));
  }
}

// The end of a comment that starts at text[at] ("<!--"), as a browser ends
// it; none when it is not closed in the text.
std::optional<std::size_t> CommentEnd(std::string_view text, std::size_t at) {
  const std::size_t body = at + 4;
  if (text.substr(body, 1) == ">") return body + 1;
  if (text.substr(body, 2) == "->") return body + 2;
  const std::size_t close = text.find("-->", body);
  if (close == std::string_view::npos) return std::nullopt;
  return close + 3;
}

// The length of a character reference at text[at] ('&') that is kept as it
// is (named, decimal or hexadecimal, ended by ";"); 0 when there is none.
std::size_t ReferenceLength(std::string_view text, std::size_t at) {
  std::size_t i = at + 1;
  if (i < text.size() && text[i] == '#') {
    ++i;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    const std::size_t digits = i;
    while (i < text.size() &&
           (IsDigit(text[i]) || (hex && IsLetter(text[i]) && Lower(text[i]) <= 'f'))) {
      ++i;
    }
    if (i == digits) return 0;
  } else {
    if (i >= text.size() || !IsLetter(text[i])) return 0;
    while (i < text.size() && (IsLetter(text[i]) || IsDigit(text[i]))) ++i;
  }
  return i < text.size() && text[i] == ';' ? i + 1 - at : 0;
}

bool IsFontSize(std::string_view size) {
  if (!size.empty() && (size.front() == '+' || size.front() == '-')) size.remove_prefix(1);
  if (size.empty() || size.size() > 3) return false;
  for (char c : size) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

class Writer {
 public:
  Writer(const SelfContainedOptions& options, std::string& out) : options_(options), out_(out) {}

  void AddText(std::string_view raw) { run_ += raw; }

  void AddTag(const Tag& tag, std::string_view raw) {
    if (IsOneOf(tag.name, kUnshown)) return;
    if (tag.name == "br") {
      if (tag.end) return;
      Flush();
      out_ += "<br>";
    } else if (!IsOneOf(tag.name, kFormatting)) {
      run_ += raw;
    } else if (tag.end) {
      Close(tag.name);
    } else if (open_.size() < kDeepest) {
      Flush();
      std::string start = StartTag(tag);
      out_ += start;
      open_.push_back({tag.name, std::move(start)});
    }
  }

  void Finish() {
    Flush();
    while (!open_.empty()) {
      AppendEndTag(open_.back().first);
      open_.pop_back();
    }
  }

 private:
  static std::string StartTag(const Tag& tag) {
    std::string start = "<" + tag.name;
    if (tag.name == "font") {
      // The first of each attribute counts, as in a browser.
      const auto value = [&](std::string_view name) -> std::optional<std::string_view> {
        for (const Attribute& a : tag.attributes) {
          if (a.name == name) return a.value;
        }
        return std::nullopt;
      };
      std::string style;
      if (const auto face = value("face")) {
        start += " face=\"";
        AppendEscapedHtml(*face, start);
        start += '"';
      }
      if (const auto size = value("size"); size && IsFontSize(*size)) {
        style += "font-size:";
        style += *size;  // as the page's own rewrite of the size writes it
      }
      if (const auto colour = value("color")) {
        if (const auto readable = MakeReadable(*colour)) {
          start += " color=\"" + readable->on_light + "\"";
          if (!style.empty()) style += "; ";
          style += "--dark:" + readable->on_dark;
        }
      }
      if (!style.empty()) start += " style=\"" + style + "\"";
    }
    start += ">";
    return start;
  }

  void AppendEndTag(std::string_view name) {
    out_ += "</";
    out_ += name;
    out_ += ">";
  }

  // Closes the innermost open element of that name and opens again what
  // stood inside it, as a browser carries formatting past a misnested end.
  void Close(const std::string& name) {
    std::size_t k = open_.size();
    while (k > 0 && open_[k - 1].first != name) --k;
    if (k == 0) return;  // nothing of that name is open: a browser ignores it
    Flush();
    for (std::size_t j = open_.size(); j >= k; --j) AppendEndTag(open_[j - 1].first);
    open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(k - 1));
    for (std::size_t j = k - 1; j < open_.size(); ++j) out_ += open_[j].second;
  }

  void MarkSmileys() {
    if (!options_.smileys) return;
    std::string mark(2, kSmileyMark);
    for (std::size_t e = 0; e < options_.smileys->size() && e < kMostSmileys; ++e) {
      const std::string& emoticon = (*options_.smileys)[e].emoticon;
      if (emoticon.empty()) continue;
      mark[1] = static_cast<char>(0x80 + e);
      ReplaceAllInPlace(run_, emoticon, mark, spare_);
    }
  }

  void Flush() {
    if (run_.empty()) return;
    MarkSmileys();
    for (std::size_t i = 0; i < run_.size(); ++i) {
      const char c = run_[i];
      switch (c) {
        case '&':
          if (const std::size_t n = ReferenceLength(run_, i); n > 0) {
            out_.append(run_, i, n);
            i += n - 1;
          } else {
            out_ += "&amp;";
          }
          break;
        case '<':
          out_ += "&lt;";
          break;
        case '>':
          out_ += "&gt;";
          break;
        case '"':
          out_ += "&quot;";
          break;
        case '\0':
          break;
        case kSmileyMark:
          // Ill-formed text may hold the byte itself: only a mark names an entry.
          if (const std::size_t e = i + 1 < run_.size()
                                        ? static_cast<unsigned char>(run_[i + 1]) - 0x80u
                                        : kMostSmileys;
              options_.smileys && e < std::min(kMostSmileys, options_.smileys->size())) {
            const SmileyEntry& entry = (*options_.smileys)[e];
            ++i;
            out_ += "<img src=\"";
            out_ += options_.image_folder;
            out_ += entry.image_file;
            out_ += "\" alt=\"";
            AppendEscapedHtml(entry.emoticon, out_);
            out_ += "\">";
          }
          break;
        default:
          out_.push_back(c);
      }
    }
    run_.clear();
  }

  const SelfContainedOptions& options_;
  std::string& out_;
  std::string run_, spare_;
  std::vector<std::pair<std::string, std::string>> open_;  // name, start tag
};

}  // namespace

void AppendEscapedHtml(std::string_view text, std::string& out) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      case '\0':
        break;  // a parse error in a page: a browser drops it
      default:
        out.push_back(c);
    }
  }
}

void AppendSelfContainedMessage(std::string_view html, const SelfContainedOptions& options,
                                std::string& out) {
  Writer writer(options, out);
  std::size_t text_from = 0;
  std::size_t i = html.find('<');
  while (i != std::string_view::npos) {
    std::size_t next = i + 1;
    if (html.substr(i, 4) == "<!--") {
      if (const auto end = CommentEnd(html, i)) {
        writer.AddText(html.substr(text_from, i - text_from));
        text_from = next = *end;
      }
    } else if (const auto tag = ReadTag(html, i)) {
      writer.AddText(html.substr(text_from, i - text_from));
      writer.AddTag(*tag, html.substr(i, tag->length));
      text_from = next = i + tag->length;
    }
    i = html.find('<', next);
  }
  writer.AddText(html.substr(text_from));
  writer.Finish();
}

}  // namespace orvex
