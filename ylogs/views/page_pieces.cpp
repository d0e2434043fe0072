#include "ylogs/views/page_pieces.h"

namespace orvex {

std::optional<PageParts> SplitIntoParts(const TextItems& page, std::size_t header_items) {
  if (page.size() < header_items + 1) return std::nullopt;
  const std::size_t body_items = page.size() - 1 - header_items;
  if (body_items % 3 != 0 || body_items / 3 < 2) return std::nullopt;
  return PageParts{header_items, body_items / 3};
}

std::string ItemBytes(const TextItems& page, std::pair<std::size_t, std::size_t> range) {
  std::size_t size = 0;
  for (std::size_t i = range.first; i < range.second; ++i) size += page[i].size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (std::size_t i = range.first; i < range.second; ++i) {
    bytes += page[i];
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace orvex
