// The view's find: which conversation of the view holds a text, with the
// search's letter rule (a to z count as A to Z), read from the view's
// transcripts (one a conversation, in the page's order).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "ylogs/render/document.h"

namespace orvex {

// The first conversation from `from` on (going forward, or back), whose
// transcript holds `text`; past the last (or the first) it goes on from the
// other end. None when no transcript holds it or `text` is empty.
std::optional<std::size_t> FindConversation(const TextItems& transcripts, std::string_view text,
                                            std::size_t from, bool forward);

}  // namespace orvex
