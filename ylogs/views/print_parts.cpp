#include "ylogs/views/print_parts.h"

namespace orvex {

std::vector<std::pair<std::size_t, std::size_t>> CutForPrinting(const TextItems& page,
                                                                const PageParts& parts,
                                                                std::size_t part_bytes) {
  std::vector<std::pair<std::size_t, std::size_t>> cut;
  std::size_t first = 0;
  std::size_t bytes = 0;
  for (std::size_t c = 0; c < parts.conversations; ++c) {
    const auto [begin, end] = parts.conversation(c);
    for (std::size_t i = begin; i < end; ++i) bytes += page[i].size() + 2;
    if (bytes >= part_bytes || c + 1 == parts.conversations) {
      cut.emplace_back(first, c + 1);
      first = c + 1;
      bytes = 0;
    }
  }
  return cut;
}

std::string PrintPartPage(const TextItems& page, const PageParts& parts,
                          std::pair<std::size_t, std::size_t> range) {
  // The file header comes with every part: it holds the page's style. The
  // parts before the last end open; the browser closes what they leave so.
  const bool last = range.second == parts.conversations;
  std::string bytes = ItemBytes(page, {0, parts.header_items});
  bytes += ItemBytes(page, {parts.conversation(range.first).first,
                            last ? page.size() : parts.conversation(range.second).first});
  return bytes;
}

}  // namespace orvex
