// The smiley table: emoticons and the pictures that replace them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

struct SmileyEntry {
  std::string emoticon;
  std::string image_file;  // e.g. "18.gif"
};

// The table as stored: groups of three lines (emoticon, picture file name,
// separator); a last group without its separator still counts.
const std::vector<std::string>& SmileyTableLines();

// Reads groups of three lines into entries, (count - 1) div 3 + 1 of them.
std::vector<SmileyEntry> ParseSmileyTable(const std::vector<std::string>& lines);

// The program's table, parsed once.
const std::vector<SmileyEntry>& DefaultSmileyTable();

// Replaces, entry by entry in table order, every emoticon (exact case) by
// <img src="FOLDER FILE"> where FOLDER is the picture folder (ending in a
// separator). Each entry works on the result of the entries before it.
std::string SubstituteSmileys(std::string_view text, const std::vector<SmileyEntry>& table,
                              std::string_view image_folder);

// The same in place, `spare` lending storage as for ReplaceAllInPlace.
void SubstituteSmileysInPlace(std::string& text, const std::vector<SmileyEntry>& table,
                              std::string_view image_folder, std::string& spare);

}  // namespace orvex
