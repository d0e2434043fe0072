// The program's 8-bit code page (Windows-1252) and conversions to and from it.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

// Decodes a message text from UTF-8 the way archive texts are decoded: lead bytes
// are taken leniently (bit 0x20 picks a three-byte sequence, else two), trail
// bytes strictly (0x80..0xBF). Any fault, or a text ending inside a sequence,
// gives the empty text. Characters the code page lacks become "?".
std::string DecodeArchiveUtf8(std::string_view utf8);
// The same, in place (the text never grows).
void DecodeArchiveUtf8InPlace(std::string& text);

// Converts well-formed UTF-8 (what a person types, a command-line argument) to
// the code page; ill-formed bytes and characters it lacks become "?".
std::string Utf8ToAnsi(std::string_view utf8);

// Converts code-page text to UTF-8 for display.
std::string AnsiToUtf8(std::string_view ansi);

// The Unicode code point of one code-page byte.
char32_t AnsiCharToUnicode(unsigned char c);

// The code-page byte of one UTF-16 code unit, or '?' when there is none.
char UnicodeToAnsiChar(char32_t cp);

}  // namespace orvex

namespace orvex {

// A name from the file system in the code page: names are UTF-8 on this
// system, while the archives were written with the code page's bytes (the key
// that unscrambles a file is the identity's name in those bytes). A name that
// is not UTF-8 is taken as it is.
std::string FileNameToAnsi(std::string_view name);

}  // namespace orvex
