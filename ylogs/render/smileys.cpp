#include "smileys.h"

#include <cstdint>

#include "ylogs/base/text_replace.h"

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
  std::string spare;
  SubstituteSmileysInPlace(out, table, image_folder, spare);
  return out;
}

namespace {

// Which byte values a text holds, one bit each.
class ByteSet {
 public:
  void Add(std::string_view text) {
    for (char c : text) {
      const auto b = static_cast<unsigned char>(c);
      bits_[b >> 6] |= std::uint64_t{1} << (b & 63);
    }
  }
  bool HasAll(std::string_view text) const {
    for (char c : text) {
      const auto b = static_cast<unsigned char>(c);
      if (!(bits_[b >> 6] & (std::uint64_t{1} << (b & 63)))) return false;
    }
    return true;
  }

 private:
  std::uint64_t bits_[4] = {};
};

}  // namespace

void SubstituteSmileysInPlace(std::string& text, const std::vector<SmileyEntry>& table,
                              std::string_view image_folder, std::string& spare) {
  // An emoticon can only occur where each of its bytes occurs: one pass over
  // the text spares searching it for most of the table. The set only ever
  // grows (by the pictures put in), so it never hides an emoticon.
  ByteSet present;
  present.Add(text);
  std::string image;
  for (const SmileyEntry& entry : table) {
    if (entry.emoticon.empty() || !present.HasAll(entry.emoticon)) continue;
    image.assign("<img src=\"");
    image.append(image_folder);
    image.append(entry.image_file);
    image.append("\">");
    if (ReplaceAllInPlace(text, entry.emoticon, image, spare)) present.Add(image);
  }
}

}  // namespace orvex
