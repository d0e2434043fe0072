// The website's own stylesheet, style.css at the site's root: every page
// links it after its own style (a day page after the theme's), so that every
// page reads well on a phone, on paper and in the dark whatever the theme,
// and the theme's faint colours are made readable without touching the theme
// (its bytes are also the window's page).
#pragma once

#include <string>
#include <string_view>

#include "ylogs/render/theme.h"

namespace orvex {

// The site's file name, at its root.
inline constexpr char kSiteStyleName[] = "style.css";

enum class SiteLook {
  kLight,        // always light
  kLightOrDark,  // light, dark where the browser asks for dark
  kDark,         // always dark on screen, light on paper
};

// The look of a site in `theme`: dark when the background of the theme's
// first body rule that gives one (#rgb or #rrggbb) is dark (relative
// luminance below 0.2); light or dark for the program's own default theme
// (`is_default`), whose dark colours the stylesheet knows; else light.
SiteLook LookOfTheme(const Theme& theme, bool is_default);

// Whether a theme file is the program's own default theme, by its name.
bool IsDefaultThemeFile(std::string_view path);

// The text of style.css for a site of that look.
std::string SiteStyleSheet(SiteLook look);

}  // namespace orvex
