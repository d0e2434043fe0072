// Themes: the six texts that dress a rendered page, read from a theme file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

struct Theme {
  std::string file_header;
  std::string conversation_header;
  std::string message1;  // the local user's messages
  std::string message2;  // the friend's messages
  std::string conversation_footer;
  std::string file_footer;
};

// Splits theme file text into lines: a line ends at CR LF, a lone CR or a lone
// LF; a 0x1A byte ends the text; a final line break starts no further line.
std::vector<std::string_view> SplitThemeLines(std::string_view text);

// Builds the six sections from the text of a theme file. Lines before
// "_FILEHEADER_" are ignored; each section takes the lines up to the next
// marker, each appended as CR LF plus the line. A section whose marker is never
// met (missing or out of order) reads to the end of the file, and the
// sections after it stay empty; FileFooter gets at least one line once its own
// marker has been read.
Theme ParseTheme(std::string_view text);

// The file of a theme: program folder + "themes/" + name + ".th".
std::string ThemeFilePath(std::string_view program_folder, std::string_view name);

// Reads a theme file; throws FileError with the file error texts.
Theme LoadTheme(std::string_view program_folder, std::string_view name);

// The names for the theme list: entries of program folder + "themes/" ending in
// ".th" (folders too), in listing order (files::ListingOrder), names beginning with "." left
// out, each shown up to its first ".".
std::vector<std::string> ListThemes(std::string_view program_folder);

// The index of `name` in `themes`, ignoring letter case; -1 when absent.
int FindTheme(const std::vector<std::string>& themes, std::string_view name);

}  // namespace orvex
