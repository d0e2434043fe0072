#include "ylogs/views/page_pieces.h"

namespace orvex {
namespace {

constexpr std::size_t kItemsPerConversation = 3;  // header, body, footer

std::size_t ConversationBytes(const TextItems& page, std::size_t first_item) {
  std::size_t bytes = 0;
  for (std::size_t i = first_item; i < first_item + kItemsPerConversation; ++i)
    bytes += page[i].size() + 2;
  return bytes;
}

}  // namespace

std::optional<PagePieces> CutIntoPieces(const TextItems& page, std::size_t header_items,
                                        std::size_t first_bytes, std::size_t piece_bytes) {
  if (page.size() < header_items + 1) return std::nullopt;
  const std::size_t footer = page.size() - 1;
  const std::size_t body_items = footer - header_items;
  if (body_items % kItemsPerConversation != 0) return std::nullopt;
  if (body_items / kItemsPerConversation < 2) return std::nullopt;

  PagePieces pieces;
  pieces.footer = footer;
  std::size_t bytes = ItemBytes(page, {0, header_items}).size();
  std::size_t item = header_items;
  // The first piece: at least one conversation, then up to `first_bytes`.
  do {
    bytes += ConversationBytes(page, item);
    item += kItemsPerConversation;
  } while (item < footer && bytes < first_bytes);
  pieces.first = {0, item};
  while (item < footer) {
    const std::size_t begin = item;
    bytes = 0;
    do {
      bytes += ConversationBytes(page, item);
      item += kItemsPerConversation;
    } while (item < footer && bytes < piece_bytes);
    pieces.rest.emplace_back(begin, item);
  }
  if (pieces.rest.empty()) return std::nullopt;
  return pieces;
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
