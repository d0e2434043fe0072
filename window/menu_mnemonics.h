// Access keys for the items of the window's pop-up menus. An item's caption
// stays the text it is (the program's captions carry no "&"); each item is
// given a letter of its caption, which the menu draws underlined and which,
// typed while the menu is open, chooses the item. Letters are picked in the
// language the captions are shown in, first letters of words first, no two
// items of a menu alike.
#pragma once

class QAction;
class QMenu;

namespace orvex {

// Picks the items' letters and makes the menu answer to them.
void GiveAccessKeys(QMenu* menu);

// The caption's position of the item's access key, or -1 for none.
int AccessKeyPosition(const QAction* item);

}  // namespace orvex
