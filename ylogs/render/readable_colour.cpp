#include "readable_colour.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace orvex {
namespace {

using Rgb = std::array<double, 3>;  // linear light, 0..1

// Relative luminance bounds with margin for the pages' message backgrounds:
// white to #f4f8fd on light pages, #1c1f24 to #2e4a6e on dark ones.
constexpr double kMostOnLight = 0.16;
constexpr double kLeastOnDark = 0.50;

struct Named {
  std::string_view name;
  std::string_view hex;
};
constexpr Named kNames[] = {
    {"black", "000000"},   {"silver", "c0c0c0"}, {"gray", "808080"}, {"grey", "808080"},
    {"white", "ffffff"},   {"maroon", "800000"}, {"red", "ff0000"},  {"purple", "800080"},
    {"fuchsia", "ff00ff"}, {"green", "008000"},  {"lime", "00ff00"}, {"olive", "808000"},
    {"yellow", "ffff00"},  {"navy", "000080"},   {"blue", "0000ff"}, {"teal", "008080"},
    {"aqua", "00ffff"},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
    if (c != b[i]) return false;
  }
  return true;
}

std::optional<std::array<int, 3>> Parse(std::string_view colour) {
  for (const Named& n : kNames) {
    if (EqualsIgnoringCase(colour, n.name)) colour = n.hex;
  }
  if (!colour.empty() && colour.front() == '#') colour.remove_prefix(1);
  std::array<int, 3> rgb{};
  if (colour.size() != 6 && colour.size() != 3) return std::nullopt;
  const std::size_t width = colour.size() / 3;
  for (std::size_t k = 0; k < 3; ++k) {
    const int high = HexDigit(colour[k * width]);
    const int low = HexDigit(colour[k * width + width - 1]);
    if (high < 0 || low < 0) return std::nullopt;
    rgb[k] = high * 16 + low;
  }
  return rgb;
}

double ToLinear(int byte) {
  const double c = byte / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int ToByte(double linear) {
  const double c = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
  return static_cast<int>(std::lround(std::fmin(std::fmax(c, 0.0), 1.0) * 255));
}

double Luminance(const std::array<int, 3>& rgb) {
  return 0.2126 * ToLinear(rgb[0]) + 0.7152 * ToLinear(rgb[1]) + 0.0722 * ToLinear(rgb[2]);
}

std::string Hex(const std::array<int, 3>& rgb) {
  char out[8];
  std::snprintf(out, sizeof out, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
  return out;
}

// Each channel moved toward black (`toward` 0) or white (1) by `share` of
// its way there, in linear light, so the hue stays.
std::array<int, 3> Moved(const Rgb& linear, double toward, double share) {
  std::array<int, 3> out{};
  for (std::size_t k = 0; k < 3; ++k) out[k] = ToByte(linear[k] + (toward - linear[k]) * share);
  return out;
}

std::string Readable(const std::array<int, 3>& rgb, bool on_dark) {
  const double l = Luminance(rgb);
  if (on_dark ? l >= kLeastOnDark : l <= kMostOnLight) return Hex(rgb);
  const Rgb linear = {ToLinear(rgb[0]), ToLinear(rgb[1]), ToLinear(rgb[2])};
  // The share that reaches the bound in linear light, then a little more
  // wherever rounding to bytes falls short.
  double share = on_dark ? (kLeastOnDark - l) / (1 - l) : 1 - kMostOnLight / l;
  std::array<int, 3> moved = Moved(linear, on_dark ? 1 : 0, share);
  while (on_dark ? Luminance(moved) < kLeastOnDark : Luminance(moved) > kMostOnLight) {
    share = std::fmin(share + 0.01, 1.0);
    moved = Moved(linear, on_dark ? 1 : 0, share);
  }
  return Hex(moved);
}

}  // namespace

std::optional<ReadableColour> MakeReadable(std::string_view colour) {
  const auto rgb = Parse(colour);
  if (!rgb) return std::nullopt;
  return ReadableColour{Readable(*rgb, false), Readable(*rgb, true)};
}

}  // namespace orvex
