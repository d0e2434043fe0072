// Fuzzes the markup conversion and the tag operations on arbitrary text.
#include <cstdlib>

#include "fuzz_input.h"
#include "ylogs/archive/archive_reader.h"
#include "ylogs/archive/codepage.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/archive/markup.h"
#include "ylogs/archive/smileys.h"

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
  // The Western page, one with letters written as base and mark, and UTF-8;
  // decoding never makes a text longer.
  for (int page : {1252, 1258, orvex::kUtf8CodePage}) {
    if (orvex::DecodeArchiveUtf8(text, page).size() > text.size()) std::abort();
    (void)orvex::Utf8ToAnsi(text, page);
    (void)orvex::AnsiToUtf8(text, page);
  }
  return 0;
}
