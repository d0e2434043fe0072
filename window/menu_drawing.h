// The look of the window's own menus: item sizes, colours and the places
// things are drawn at, in a menu item's rectangle. Rectangles follow the
// system's convention: right and bottom are one past the last pixel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

struct MenuRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct MenuPoint {
  int x = 0, y = 0;
};

struct MenuLine {
  MenuPoint from, to;
  std::uint32_t rgb = 0;
};

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

inline constexpr std::uint32_t kMenuSelectedBackground = 0x3069C6;
inline constexpr std::uint32_t kMenuBackground = 0xEFEAE8;
inline constexpr std::uint32_t kMenuGreyText = 0x808080;
inline constexpr std::uint32_t kMenuWhite = 0xFFFFFF;
inline constexpr std::uint32_t kMenuBlack = 0x000000;
inline constexpr std::uint32_t kMenuCheckGreen = 0x008000;
inline constexpr int kMenuCheckPenWidth = 2;
inline constexpr int kMenuShortcutPointSize = 7;
// What the menu adds to each measured item, as the system does for the
// check-mark column of an item that draws itself. Without it a caption of up
// to 130 pixels, drawn from x = 31, would not fit into 150.
inline constexpr int kMenuCheckColumnAllowance = 20;

// A separator is 15 high; another item is its text height ("Wp") + 8 high and
// 150 wide, or wider when its caption (plus 35 for a shortcut) needs more
// than 130: then the caption's width + 20 (+ 35 for a shortcut).
MenuItemSize MeasureMenuItem(bool separator, int caption_width, bool has_shortcut, int text_height);

struct MenuItemColours {
  std::uint32_t background;
  std::uint32_t text;
};
// Selected items sit on the blue band in white; greyed text wins over both.
MenuItemColours MenuItemColoursFor(bool selected, bool disabled);

// Where an item's parts go.
MenuPoint MenuIconAt(const MenuRect& item);
MenuPoint MenuCaptionAt(const MenuRect& item);
// The shortcut text ends here (right-aligned), its top at y.
MenuPoint MenuShortcutEndAt(const MenuRect& item);
// The separator's grey line, then its white one.
std::array<MenuLine, 2> MenuSeparatorLines(const MenuRect& item);
// The check mark's two strokes, white on the selection band, else green.
std::array<MenuLine, 2> MenuCheckStrokes(const MenuRect& item, bool selected);

// The menu bar's buttons: checked, hot (or pressed), or plain on the bar's
// own colour.
struct MenuBarButtonColours {
  bool use_bar_colour;
  std::uint32_t background;  // when not the bar's colour
  std::uint32_t text;
};
MenuBarButtonColours MenuBarButtonColoursFor(bool checked, bool hot);
inline constexpr int kMenuBarCaptionOffset = 5;  // from the button's left and top

// A caption as shown without its accelerator mark: a single "&" goes, "&&"
// becomes one "&".
std::string StripAccelerator(std::string_view caption);

}  // namespace orvex
