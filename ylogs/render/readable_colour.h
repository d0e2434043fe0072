// A message's own colour made readable where the website shows it: the same
// hue, its lightness moved just far enough for a contrast of at least 4.5:1
// (the common accessibility rule) on a light page and on a dark one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

struct ReadableColour {
  std::string on_light;  // "#rrggbb"
  std::string on_dark;   // "#rrggbb"
};

// From a colour as a message writes it: "#rrggbb", "#rgb", "rrggbb" or one
// of the sixteen basic colour names, any case; none for anything else.
std::optional<ReadableColour> MakeReadable(std::string_view colour);

}  // namespace orvex
