// Marks a fixed English text of the core that the window shows (a column's
// caption, a tree node, a statistics row), so that the window's catalogues
// carry it. The core keeps the English text; the window translates it where it
// shows it (qt_platform/translations.h, with the text as its id). Marked texts
// are constants, never composed.
#pragma once

#define UI_TEXT(text) text
