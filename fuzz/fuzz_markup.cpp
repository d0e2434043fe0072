// Fuzzes the markup conversion and the tag operations on arbitrary text.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "ylogs/archive/archive_reader.h"
#include "ylogs/archive/markup.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/self_contained_message.h"
#include "ylogs/render/smileys.h"
#include "ylogs/text/codepage.h"

namespace {

// Walks a self-contained message: every "<" begins a kept element's tag, a
// line break or a smiley's picture; ends close the innermost open element,
// and nothing stays open.
void CheckSelfContained(std::string_view html) {
  static const std::string kKept = " b i u s strike em strong sub sup font ";
  std::vector<std::string> open;
  for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
    std::string_view tag = html.substr(at + 1, html.find('>', at) - at - 1);
    if (tag == "br" || tag.starts_with("img src=\"S/")) continue;
    const bool end = tag.starts_with('/');
    const std::string name(tag.substr(end, tag.find(' ') - end));
    if (kKept.find(" " + name + " ") == std::string::npos) std::abort();
    if (end && (open.empty() || open.back() != name)) std::abort();
    end ? open.pop_back() : open.push_back(name);
  }
  if (!open.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::uint8_t flags = in.Byte();
  const std::string key(in.Take(in.Byte() % 16));
  const std::string_view text = in.rest();

  // Conversion through the text reader, with codes on or off, any length.
  try {
    orvex::TextReader reader(text, 0, key);
    const std::size_t length = (static_cast<std::size_t>(flags) * 131) % (text.size() + 8);
    const std::string html = orvex::ConvertMessageMarkup(reader, length, flags & 1);
    (void)orvex::DecodeArchiveUtf8(html);
  } catch (const orvex::FileError&) {
  }

  // The strips never grow a text, and stripping twice changes nothing more
  // for the plain-text strips of style tags.
  const std::string fade = orvex::StripFadeTags(text);
  const std::string font = orvex::StripFontTags(text);
  const std::string style = orvex::StripStyleTags(text);
  if (fade.size() > text.size() || font.size() > text.size() || style.size() > text.size()) {
    std::abort();
  }
  (void)orvex::PlainText(text);
  (void)orvex::FontSizeRewrite(text);
  (void)orvex::CountOccurrences("<font ", text);
  (void)orvex::CountOccurrences(in.Take(3), text);
  if (flags & 2) {
    (void)orvex::SubstituteSmileys(text, orvex::DefaultSmileyTable(), "/opt/orvex/Smileys/");
  }
  // A message made to stand on its own opens only the formatting it keeps,
  // closes all of it, and says nothing else with "<".
  {
    std::string contained;
    orvex::AppendSelfContainedMessage(
        text, {flags & 4 ? &orvex::DefaultSmileyTable() : nullptr, "S/"}, contained);
    CheckSelfContained(contained);
  }
  // The Western page, one with letters written as base and mark, and UTF-8;
  // decoding never makes a text longer.
  for (int page : {1252, 1258, orvex::kUtf8CodePage}) {
    if (orvex::DecodeArchiveUtf8(text, page).size() > text.size()) std::abort();
    (void)orvex::Utf8ToAnsi(text, page);
    (void)orvex::AnsiToUtf8(text, page);
  }
  return 0;
}
