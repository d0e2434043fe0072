#include "site_style.h"

#include <cmath>
#include <optional>

namespace orvex {
namespace {

// Every page, every look.
constexpr std::string_view kCommon = R"CSS(/* The website's own style, after the page's. */
/* Long names and words wrap rather than widen the page. */
h1, h2, h3, p, nav, td.name, ol.results li, .day-head, .m, .t, .who, .h, .foot {
  overflow-wrap: anywhere;
}
form.search input { max-width: 55vw; }
.whose { color: #5b6676; }
.note { color: #b03020; }
/* On a phone the time and sender stand above the message's text, where the
   theme sets them in columns. */
@media screen and (max-width: 600px) {
  body { padding-left: 10px; padding-right: 10px; }
  th, td { padding-left: 4px; padding-right: 4px; font-size: 13px; }
  table.list td { white-space: normal; }
  /* A table still too wide scrolls on its own, not the page. */
  table { display: block; width: fit-content; max-width: 100%; overflow-x: auto; }
  .table, .table > .m { display: block; }
  .table > .m > .ts, .table > .m > .who { display: inline-block; width: auto; white-space: normal;
                                          text-align: left; border-bottom: 0; padding-bottom: 0; }
  .table > .m > .ts:empty { display: none; }
  .table > .m > .t { display: block; }
}
/* Paper needs neither the links to other pages nor the search box. */
@media print {
  nav, form.search { display: none !important; }
}
)CSS";

// Colours some light themes have too faint for their page.
constexpr std::string_view kLightThemeColours = R"CSS(.ts, .foot { color: #505a66; }
)CSS";

// The site's own pages, the day heading and coloured messages, dark.
constexpr std::string_view kDarkPages = R"CSS(  :root { color-scheme: dark; }
  body { background: #1c1f24; color: #dde1e7; }
  a, ol.results .head { color: #8fbfff; }
  table, svg { background: #23272e; border-color: #30353d; }
  th, td { border-bottom-color: #30353d; }
  .sub, .whose { color: #a9b1bc; }
  svg text { fill: #dde1e7; }
  svg text[fill] { fill: #a9b1bc; }
  svg line[stroke="#e3e7ec"] { stroke: #30353d; }
  mark { color: #1c1f24; }
  .note { color: #ff8a80; }
  /* A message's colour for a dark page, which the page gives beside the light one. */
  font[style*="--dark"] { color: var(--dark); }
)CSS";

// The default theme's day pages, dark.
constexpr std::string_view kDarkDefaultTheme =
    R"CSS(  .table { background: #23272e; border-color: #30353d; border-top-color: #4a78b8; }
  .m > div { border-bottom-color: #30353d; }
  .friend > div { background: #272c33; }
  .ts, .foot { color: #a9b1bc; }
  .me .who { color: #8fbfff; }
  .friend .who { color: #ffb38a; }
)CSS";

// A dark theme's day pages: the small grey texts lighter.
constexpr std::string_view kDarkThemeColours = R"CSS(  .h, .foot { color: #c3cad3; }
)CSS";

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminance(int r, int g, int b) {
  const auto linear = [](int c) {
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The luminance of "#rgb" or "#rrggbb" at the start of `text`.
std::optional<double> HexColourLuminance(std::string_view text) {
  if (text.empty() || text[0] != '#') return std::nullopt;
  std::size_t digits = 1;
  while (digits < text.size() && digits <= 7 && HexDigit(text[digits]) >= 0) ++digits;
  --digits;
  int rgb[3];
  if (digits == 3) {
    for (int i = 0; i < 3; ++i) rgb[i] = HexDigit(text[1 + i]) * 17;
  } else if (digits == 6) {
    for (int i = 0; i < 3; ++i) rgb[i] = HexDigit(text[1 + 2 * i]) * 16 + HexDigit(text[2 + 2 * i]);
  } else {
    return std::nullopt;
  }
  return Luminance(rgb[0], rgb[1], rgb[2]);
}

bool NamePart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '#';
}

// The background colour's luminance of the first body rule that gives one.
std::optional<double> BodyBackgroundLuminance(std::string_view css) {
  for (std::size_t at = css.find("body"); at != std::string_view::npos;
       at = css.find("body", at + 4)) {
    if ((at > 0 && NamePart(css[at - 1])) || (at + 4 < css.size() && NamePart(css[at + 4])))
      continue;
    const std::size_t open = css.find_first_not_of(" \t\r\n", at + 4);
    if (open == std::string_view::npos || css[open] != '{') continue;
    const std::string_view rule = css.substr(open, css.find('}', open) - open);
    for (std::size_t b = rule.find("background"); b != std::string_view::npos;
         b = rule.find("background", b + 10)) {
      std::size_t value = rule.find(':', b);
      if (value == std::string_view::npos) break;
      value = rule.find_first_not_of(" \t\r\n", value + 1);
      if (value == std::string_view::npos) break;
      if (const auto luminance = HexColourLuminance(rule.substr(value))) return luminance;
    }
  }
  return std::nullopt;
}

}  // namespace

SiteLook LookOfTheme(const Theme& theme, bool is_default) {
  const auto luminance = BodyBackgroundLuminance(theme.file_header);
  if (luminance && *luminance < 0.2) return SiteLook::kDark;
  if (is_default) return SiteLook::kLightOrDark;
  return SiteLook::kLight;
}

bool IsDefaultThemeFile(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return path.substr(slash == std::string_view::npos ? 0 : slash + 1) == "default.th";
}

std::string SiteStyleSheet(SiteLook look) {
  std::string css(kCommon);
  if (look == SiteLook::kDark) {
    css += "@media screen {\n";
    css += kDarkPages;
    css += kDarkThemeColours;
    css += "}\n";
  } else {
    css += kLightThemeColours;
  }
  if (look == SiteLook::kLightOrDark) {
    css += "@media screen and (prefers-color-scheme: dark) {\n";
    css += kDarkPages;
    css += kDarkDefaultTheme;
    css += "}\n";
  }
  std::string out;  // CR LF, as every page of the site
  for (char c : css) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace orvex
