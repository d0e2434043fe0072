// Message texts taken from the archive's UTF-8 straight into well-formed
// UTF-8, for the exports made for keeping: no 8-bit code page in between.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_kinds.h"

namespace orvex {

// Appends `text` to `out` as well-formed UTF-8. Well-formed sequences (up to
// four bytes) are kept; what only the archive's lenient rule reads (a lead
// byte taken by its bit 0x20, surrogate halves written one by one) becomes the
// character that rule gives, a surrogate pair joined into one; any other byte
// becomes U+FFFD. Returns false when U+FFFD had to stand in for something.
bool AppendArchiveTextAsUtf8(std::string_view text, Utf8Text& out);

// The same into a string of its own.
Utf8Text ArchiveTextAsUtf8(std::string_view text);

// A name from the file system (or typed) as well-formed UTF-8: UTF-8 is kept,
// any byte that is not part of it becomes U+FFFD.
Utf8Text NameAsUtf8(FileNameView name);

// Appends one code point as UTF-8.
void AppendCodePoint(Utf8Text& out, char32_t cp);

}  // namespace orvex
