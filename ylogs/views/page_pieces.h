// A view page's parts: the file header, the conversations (three items each:
// header, body, footer) and the file footer. A long view's page shows only
// the conversations near the screen, each taken from the page as it is.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "ylogs/render/document.h"

namespace orvex {

struct PageParts {
  std::size_t header_items = 0;
  std::size_t conversations = 0;

  // The items of conversation `i`, [begin, end).
  std::pair<std::size_t, std::size_t> conversation(std::size_t i) const {
    return {header_items + 3 * i, header_items + 3 * i + 3};
  }
  // The file footer's item, the page's last.
  std::size_t footer() const { return header_items + 3 * conversations; }
};

// The comment the first page holds where the conversations go; no
// conversation holds it.
inline constexpr char kPiecesMarker[] = "<!--orvex-pieces-->";
// The comment before each conversation of the first page.
inline constexpr char kConversationMarker[] = "<!--orvex-c-->";

// The parts of a view page of `header_items` header items, three items per
// conversation and a footer item. None when the page is not laid out so, or
// holds fewer than two conversations.
std::optional<PageParts> SplitIntoParts(const TextItems& page, std::size_t header_items);

// The bytes of items [begin, end), each followed by CR LF, as the page file
// holds them.
std::string ItemBytes(const TextItems& page, std::pair<std::size_t, std::size_t> range);

}  // namespace orvex
