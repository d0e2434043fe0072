// A long view's page in pieces: the browser shows the first piece as a page
// of its own, and the rest is added behind it, piece by piece, while the
// page can already be read. The pieces are cut at conversation boundaries.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ylogs/render/document.h"

namespace orvex {

// Ranges of a view page's items, [begin, end). The first page is `first`
// (the file header and the first conversations), then `kPiecesMarker`, then
// the file footer (`footer`, the last item); each of `rest` goes in before
// the marker in turn. Joined in order (first, rest, footer) they are every
// item of the page once.
struct PagePieces {
  std::pair<std::size_t, std::size_t> first;
  std::vector<std::pair<std::size_t, std::size_t>> rest;
  std::size_t footer = 0;
};

// The comment the first page holds where the rest goes in; no piece holds it.
inline constexpr char kPiecesMarker[] = "<!--orvex-pieces-->";

// Cuts a view page of `header_items` header items, three items per
// conversation and a footer item: the first piece holds at least one
// conversation and ends once it reaches `first_bytes`; each later one ends
// once it reaches `piece_bytes` (an item's bytes count with its line break).
// None when the page is not laid out so, or holds a single conversation.
std::optional<PagePieces> CutIntoPieces(const TextItems& page, std::size_t header_items,
                                        std::size_t first_bytes, std::size_t piece_bytes);

// The bytes of items [begin, end), each followed by CR LF, as the page file
// holds them.
std::string ItemBytes(const TextItems& page, std::pair<std::size_t, std::size_t> range);

}  // namespace orvex
