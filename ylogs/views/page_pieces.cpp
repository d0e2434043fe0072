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

FirstPage MakeFirstPage(const TextItems& page, const PageParts& parts, std::size_t available,
                        std::size_t first_bytes, const std::string& footer) {
  FirstPage first{ItemBytes(page, {0, parts.header_items}), 0};
  for (std::size_t bytes = 0; first.shown < available && bytes < first_bytes; ++first.shown) {
    const std::string conversation = ItemBytes(page, parts.conversation(first.shown));
    bytes += conversation.size();
    first.bytes += kConversationMarker;
    first.bytes += conversation;
  }
  first.bytes += kPiecesMarker;  // directly before the footer, where the others go
  first.bytes += footer;
  first.bytes += "\r\n";
  return first;
}

std::optional<FirstPage> FirstPageSoFar(const PageSoFar& page, std::size_t long_bytes,
                                        std::size_t first_bytes) {
  const TextItems& items = *page.items;
  if (page.files_done == 0 || items.size() < page.header_items) return std::nullopt;
  // Only whole conversations count: a failed file leaves its header alone.
  const std::size_t available = (items.size() - page.header_items) / 3;
  std::size_t bytes = 0;
  for (std::size_t i = page.header_items; i < page.header_items + 3 * available; ++i)
    bytes += items[i].size() + 2;
  if (bytes < first_bytes) return std::nullopt;
  std::size_t header = 0;
  for (std::size_t i = 0; i < page.header_items; ++i) header += items[i].size() + 2;
  const double expected = static_cast<double>(header) + static_cast<double>(bytes) *
                                                            static_cast<double>(page.files_total) /
                                                            static_cast<double>(page.files_done);
  if (expected < static_cast<double>(long_bytes)) return FirstPage{};
  return MakeFirstPage(items, PageParts{page.header_items, available}, available, first_bytes,
                       *page.footer);
}

}  // namespace orvex
