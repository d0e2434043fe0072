// Exact-case text replacement and counting, shared by the markup, the renderer
// and the search.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// Replaces every occurrence of `from` (exact case, left to right, not
// overlapping) by `to`; the inserted text is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The same, in place; returns whether anything was replaced.
bool ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to);

// The same, with `spare` as the storage for the result: when anything is
// replaced, the result ends up in `text` and the old text's storage in `spare`,
// so that a caller replacing again and again allocates nothing once both have
// grown. Returns whether anything was replaced.
bool ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to,
                       std::string& spare);

// Splits a text into lines: a line ends at CR LF, a lone CR or a lone LF; an
// empty text gives no line and a final line break no further line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Upper-cases the letters a to z only.
std::string UpperCaseAscii(std::string_view text);

// The same into `out` (emptied first, its storage kept).
void UpperCaseAsciiInto(std::string_view text, std::string& out);

}  // namespace orvex
