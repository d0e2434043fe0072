// The main window's state of the page it shows: the theme, what the last view
// wrote, and the counts of its messages.
#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

#include "ylogs/archive/renderer.h"
#include "ylogs/archive/theme.h"

namespace orvex {

struct PageState {
  std::vector<std::string> theme_names;  // the theme box's entries
  Theme theme;
  RenderState render;
  TextItems html_buffer;
  TextItems text_buffer;
  std::int32_t view_page_counter = 0;
  QString last_page_path;
  bool format_codes_enabled = true;
};

}  // namespace orvex
