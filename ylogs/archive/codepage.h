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
