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
// gathered; stops at the first error and gives it.
template <typename Put>
int WriteGathered(const NextPiece& next_piece, Put&& put) {
  std::string gathered;
  while (const std::optional<std::string_view> piece = next_piece()) {
    if (!gathered.empty() && gathered.size() + piece->size() > kGatheredWriteSize) {
      if (const int error = put(std::string_view(gathered)); error != 0) return error;
      gathered.clear();
    }
    if (gathered.empty() && piece->size() >= kGatheredWriteSize) {
      if (const int error = put(*piece); error != 0) return error;
    } else {
      gathered.append(*piece);
    }
  }
  return gathered.empty() ? 0 : put(std::string_view(gathered));
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
