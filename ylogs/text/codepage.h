// The system's ANSI code page and conversions to and from it. The page is a
// number, as the system names it: 874, 1250 to 1258 (single-byte), or 65001
// (UTF-8). It is set once at start-up; every conversion takes the page as an
// argument, by default the system's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text_kinds.h"

namespace orvex {

inline constexpr int kWesternCodePage = 1252;
inline constexpr int kUtf8CodePage = 65001;

// Whether the program can convert to and from this page.
bool IsSupportedCodePage(int number);

// The page the program runs with (Windows-1252 until it is set).
int SystemCodePage();
// Sets it; an unsupported number is refused (returns false) and changes nothing.
bool SetSystemCodePage(int number);

// The name a browser knows the page by ("windows-1251", "windows-874", "UTF-8").
std::string CodePageCharset(int number);

// Decodes a message text from UTF-8 the way archive texts are decoded: lead bytes
// are taken leniently (bit 0x20 picks a three-byte sequence, else two), trail
// bytes strictly (0x80..0xBF). Any fault, or a text ending inside a sequence,
// gives the empty text. Characters the code page lacks become "?"; with
// kUtf8CodePage the decoded characters stay UTF-8 and none is lost.
AnsiText DecodeArchiveUtf8(std::string_view utf8, int code_page = SystemCodePage());
// The same, in place (the text never grows).
void DecodeArchiveUtf8InPlace(std::string& text, int code_page = SystemCodePage());

// Converts well-formed UTF-8 (what a person types, a command-line argument) to
// the code page; ill-formed bytes and characters it lacks become "?".
AnsiText Utf8ToAnsi(Utf8View utf8, int code_page = SystemCodePage());

// Converts code-page text to UTF-8 for display.
Utf8Text AnsiToUtf8(AnsiView ansi, int code_page = SystemCodePage());

// The longest start of `text` of at most `max` bytes that does not end inside
// a character of the code page.
AnsiView CutToLength(AnsiView text, std::size_t max, int code_page = SystemCodePage());

}  // namespace orvex

namespace orvex {

// A name from the file system in the code page: names are UTF-8 on this
// system, while the archives were written with the code page's bytes (the key
// that unscrambles a file is the identity's name in those bytes). A name that
// is not UTF-8 is taken as it is.
AnsiText FileNameToAnsi(FileNameView name, int code_page = SystemCodePage());

}  // namespace orvex
