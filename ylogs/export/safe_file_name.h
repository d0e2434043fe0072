// File and folder names that every common file system takes (Linux, Windows,
// macOS), made from names of any bytes, and back again.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

// `name` with "%" written "%25" and, likewise as "%" and two upper-case hex
// digits: bytes below 0x20 and 0x7F, the characters Windows forbids
// (< > : " / \ | ? *), bytes that are not part of well-formed UTF-8, dots and
// blanks at the end, and the first letter of a reserved device name (CON, PRN,
// AUX, NUL, COM1-9, LPT1-9, with or without an extension, any case). An empty
// name becomes "%". OriginalName undoes it.
std::string SafeFileName(std::string_view name);

// The name SafeFileName was given: every "%" and two hex digits back to its
// byte; "%" alone is the empty name.
std::string OriginalName(std::string_view safe);

// A path segment for a link (href, src): every byte but A-Z a-z 0-9 - . _ ~
// written as "%" and two upper-case hex digits.
std::string UrlSegment(std::string_view segment);

}  // namespace orvex
