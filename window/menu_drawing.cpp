#include "menu_drawing.h"

namespace orvex {

MenuItemSize MeasureMenuItem(bool separator, int caption_width, bool has_shortcut,
                             int text_height) {
  if (separator) return {150, 15};
  const int shortcut = has_shortcut ? 35 : 0;
  const int width = caption_width + shortcut <= 130 ? 150 : caption_width + 20 + shortcut;
  return {width, text_height + 8};
}

MenuItemColours MenuItemColoursFor(bool selected, bool disabled) {
  MenuItemColours c{selected ? kMenuSelectedBackground : kMenuBackground,
                    selected ? kMenuWhite : kMenuBlack};
  if (disabled) c.text = kMenuGreyText;
  return c;
}

MenuPoint MenuIconAt(const MenuRect& item) {
  return {item.left + 6, item.top + 2};
}

MenuPoint MenuCaptionAt(const MenuRect& item) {
  return {item.left + 31, item.top + 3};
}

MenuPoint MenuShortcutEndAt(const MenuRect& item) {
  return {item.right - 11, item.top + 5};
}

std::array<MenuLine, 2> MenuSeparatorLines(const MenuRect& item) {
  return {MenuLine{{item.left + 15, item.top + 7}, {item.right - 15, item.top + 7}, kMenuGreyText},
          MenuLine{{item.left + 15, item.top + 8}, {item.right - 15, item.top + 8}, kMenuWhite}};
}

std::array<MenuLine, 2> MenuCheckStrokes(const MenuRect& item, bool selected) {
  const std::uint32_t rgb = selected ? kMenuWhite : kMenuCheckGreen;
  return {MenuLine{{item.left + 6, item.bottom - 11}, {item.left + 8, item.bottom - 9}, rgb},
          MenuLine{{item.left + 8, item.bottom - 8}, {item.left + 14, item.bottom - 14}, rgb}};
}

MenuBarButtonColours MenuBarButtonColoursFor(bool checked, bool hot) {
  if (checked) return {false, 0x96A8D8, kMenuWhite};
  if (hot) return {false, 0x4E6CBE, kMenuWhite};
  return {true, 0, kMenuBlack};
}

std::string StripAccelerator(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    // "&x" shows x (underlined), "&&" shows "&"; a final "&" shows nothing.
    if (caption[i] == '&') ++i;
    if (i < caption.size()) out += caption[i];
  }
  return out;
}

}  // namespace orvex
