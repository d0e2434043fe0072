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

// A long view's first page: the file header, its first conversations (each
// after kConversationMarker), kPiecesMarker and the file footer.
struct FirstPage {
  std::string bytes;
  std::size_t shown = 0;  // conversations it holds
};

// The first page of a view page laid out as `parts` (whose first `available`
// conversations are in `page`), holding the conversations of the first
// `first_bytes` (the one that reaches them too) and ending with `footer`,
// the file footer's item.
FirstPage MakeFirstPage(const TextItems& page, const PageParts& parts, std::size_t available,
                        std::size_t first_bytes, const std::string& footer);

// A view's page while its files are still read.
struct PageSoFar {
  const TextItems* items = nullptr;  // the page's items so far; they never move
  std::size_t header_items = 0;
  std::size_t files_done = 0;
  std::size_t files_total = 0;
  const std::string* footer = nullptr;  // the file footer's item, as it stands now
};

// What a long view shows while its files are still read. Nothing until the
// conversations so far fill `first_bytes`; then its first page, when the
// page, going on at their rate, will reach `long_bytes` (else a first page
// of no conversations: it will load whole).
std::optional<FirstPage> FirstPageSoFar(const PageSoFar& page, std::size_t long_bytes,
                                        std::size_t first_bytes);

}  // namespace orvex
