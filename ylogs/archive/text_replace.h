// Exact-case text replacement and counting, shared by the markup, the renderer
// and the search.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

// Replaces every occurrence of `from` (exact case, left to right, not
// overlapping) by `to`; the inserted text is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The same, in place; returns whether anything was replaced.
bool ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to);

// Upper-cases the letters a to z only.
std::string UpperCaseAscii(std::string_view text);

}  // namespace orvex
