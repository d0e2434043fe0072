// Text given piece by piece, handed on in large writes: a page of many small
// items costs a few system calls, and a text given whole is written at once
// as before.
#pragma once

#include <string>
#include <string_view>

#include "file_system.h"

namespace orvex::files {

inline constexpr std::size_t kGatheredWriteSize = 1 << 20;

// Calls put(bytes) (which gives 0 or an error number) with the pieces
// gathered; stops at the first error and gives it. A piece is copied only
// when another joins it, so a text given whole is written as it is.
template <typename Put>
int WriteGathered(const NextPiece& next_piece, Put&& put) {
  std::string gathered;
  std::string_view pending;  // a piece not copied yet, or `gathered`
  while (const std::optional<std::string_view> piece = next_piece()) {
    if (!pending.empty() && pending.size() + piece->size() > kGatheredWriteSize) {
      if (const int error = put(pending); error != 0) return error;
      pending = {};
    }
    if (pending.empty()) {
      pending = *piece;
      continue;
    }
    if (pending.data() != gathered.data()) gathered.assign(pending);
    gathered.append(*piece);
    pending = gathered;
  }
  return pending.empty() ? 0 : put(pending);
}

// The pieces of one whole text.
inline NextPiece OnePiece(std::string_view bytes) {
  return [bytes, given = false]() mutable -> std::optional<std::string_view> {
    if (given) return std::nullopt;
    given = true;
    return bytes;
  };
}

}  // namespace orvex::files
