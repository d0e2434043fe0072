// Conversions between the program's three kinds of 8-bit text (see
// platform/text_kinds.h) and Qt's Unicode strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "platform/text_kinds.h"

namespace orvex {

// Code-page text for display.
QString FromAnsi(AnsiView ansi);
// What a person typed, in the code page ("?" for characters it lacks).
AnsiText ToAnsi(const QString& text);
// File-system bytes for display, and back.
QString FromFileName(FileNameView name);
FileNameBytes ToFileName(const QString& name);

// UTF-8 text (the program's own captions, figures and names of encodings),
// and back.
QString FromUtf8(Utf8View utf8);
Utf8Text ToUtf8(const QString& text);

// Bytes that are file-name bytes or ANSI text, or both at once: a tree node's
// name, a list cell, a message quoting a path. Read as UTF-8 where they are
// (a name on this system), else as ANSI text (the program's own texts, a
// folder copied from an old computer with a name in its code page).
QString FromFileNameOrAnsi(std::string_view text);

}  // namespace orvex
