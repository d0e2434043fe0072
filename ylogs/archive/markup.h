// The messenger's formatting codes turned into HTML, and the tag strips that
// the display options and the plain text rely on.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

class TextReader;

// The colour of a digit colour code; empty for any other byte.
std::string_view ColorCodeValue(unsigned char digit);

// Reads a record's text of `length` bytes through `reader` and converts its
// escape codes to HTML. A code that has begun is read to its end, even past
// `length`. With format codes off, every byte is taken as it is. The text ends
// early, without error, when the file ends between two characters.
std::string ConvertMessageMarkup(TextReader& reader, std::size_t length, bool format_codes_enabled);
// The same into `out`, which is emptied first (its storage is kept for reuse).
void ConvertMessageMarkupInto(TextReader& reader, std::size_t length, bool format_codes_enabled,
                              std::string& out);

// Removes every "</FADE>", then every "<FADE" up to the next ">".
std::string StripFadeTags(std::string_view text);
// Removes every "</font>", then every "<font" up to the next ">".
std::string StripFontTags(std::string_view text);
// Removes "<b>", "<i>", "<u>", "</b>", "</i>", "</u>", in that order.
std::string StripStyleTags(std::string_view text);

// Counts `pattern` in `text` ignoring case, but only when it occurs at least
// once with its exact case; otherwise 0.
int CountOccurrences(std::string_view pattern, std::string_view text);

// A blank followed by size=" becomes a blank followed by style="font-size:.
std::string FontSizeRewrite(std::string_view text);
// The same in place, `spare` lending storage as for ReplaceAllInPlace.
void FontSizeRewriteInPlace(std::string& text, std::string& spare);

// The same strips, in place.
void StripFadeTagsInPlace(std::string& text);
void StripFontTagsInPlace(std::string& text);
void StripStyleTagsInPlace(std::string& text);

// The plain text of a converted message: fade, font and style tags removed.
std::string PlainText(std::string_view fragment);

}  // namespace orvex
