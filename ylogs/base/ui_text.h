// Marks a fixed English text of the core that the window shows (a column's
// caption, a tree node, a statistics row), so that the window's catalogues
// carry it: UI_TEXT("Core", "Friend") is the text "Friend". The core keeps
// the English text; the window translates it where it shows it, in the
// catalogues' context "Core" (UiText in qt_platform/translations.h). Marked
// texts are constants, never composed.
#pragma once

#define UI_TEXT(context, text) text
