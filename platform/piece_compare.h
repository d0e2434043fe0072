// The comparison of two open files' first bytes, piece by piece, shared by
// the systems' file-system modules: each brings its own read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace orvex::files {

// `fill(side, to, size, got)` reads up to `size` bytes of file `side` (0 or
// 1) into `to`, fewer only at its end, and gives an error number or 0.
// Whether the first `length` bytes of both are the same is put in `same`;
// the first read error is given back (`same` is then false).
template <typename Fill>
int ComparePieces(std::uint64_t length, Fill fill, bool& same) {
  // Pieces no larger than the part compared, left unfilled: most day files
  // are a few kilobytes, compared in one read each.
  const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(length, 64 << 10));
  const std::unique_ptr<char[]> pa(new char[piece]), pb(new char[piece]);
  int error = 0;
  bool equal = true;
  for (std::uint64_t left = length; left > 0 && equal && error == 0;) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece));
    std::size_t got_a = 0, got_b = 0;
    error = fill(0, pa.get(), want, got_a);
    if (error == 0) error = fill(1, pb.get(), want, got_b);
    equal = got_a == want && got_b == want && std::memcmp(pa.get(), pb.get(), want) == 0;
    left -= want;
  }
  same = error == 0 && equal;
  return error;
}

}  // namespace orvex::files
