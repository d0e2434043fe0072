// The three kinds of 8-bit text the program carries in std::string, named so
// that a reader of a declaration never has to guess which one it holds:
//
// - file-name bytes: a path or name as the file system gives and takes it.
//   UTF-8 on this system as a rule, but any bytes are possible, and folders
//   copied from an old computer may hold names in its code page;
// - ANSI text: text in the 8-bit code page the program runs with (see
//   ylogs/text/codepage.h): message texts once decoded, the program's own
//   texts, everything the view, the transcripts and the HTML and text exports
//   hold;
// - UTF-8 text: well-formed UTF-8, as Qt gives and takes it and as the JSON
//   files and the website are written.
//
// Conversions between them: codepage.h (ANSI and UTF-8, names to ANSI),
// utf8_text.h (archive texts and names to UTF-8), qt_platform/qt_text.h (all
// three to and from QString).
#pragma once

#include <string>
#include <string_view>

namespace orvex {

using FileNameBytes = std::string;
using FileNameView = std::string_view;
using AnsiText = std::string;
using AnsiView = std::string_view;
using Utf8Text = std::string;
using Utf8View = std::string_view;

}  // namespace orvex
