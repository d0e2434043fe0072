#include "smileys.h"

#include "text_replace.h"

namespace orvex {

std::vector<SmileyEntry> ParseSmileyTable(const std::vector<std::string>& lines) {
  std::vector<SmileyEntry> table;
  if (lines.empty()) return table;
  const std::size_t count = (lines.size() - 1) / 3 + 1;
  table.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    SmileyEntry entry;
    entry.emoticon = lines[3 * i];
    if (3 * i + 1 < lines.size()) entry.image_file = lines[3 * i + 1];
    table.push_back(std::move(entry));
  }
  return table;
}

const std::vector<SmileyEntry>& DefaultSmileyTable() {
  static const std::vector<SmileyEntry> kTable = ParseSmileyTable(SmileyTableLines());
  return kTable;
}

std::string SubstituteSmileys(std::string_view text, const std::vector<SmileyEntry>& table,
                              std::string_view image_folder) {
  std::string out(text);
  std::string image;
  for (const SmileyEntry& entry : table) {
    if (entry.emoticon.empty() || out.find(entry.emoticon) == std::string::npos) continue;
    image.assign("<img src=\"");
    image.append(image_folder);
    image.append(entry.image_file);
    image.append("\">");
    out = ReplaceAll(out, entry.emoticon, image);
  }
  return out;
}

}  // namespace orvex
