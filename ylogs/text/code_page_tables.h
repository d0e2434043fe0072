// The single-byte code pages as data (written by tools/make_code_page_tables.py).
#pragma once

#include <cstddef>
#include <iterator>

namespace orvex {

// A character the page holds only as a base letter followed by a combining
// mark (Vietnamese tone marks, Hebrew points): the same text, two bytes.
struct CodePageDecomposition {
  char16_t unit;
  unsigned char base;
  unsigned char mark;
};

struct SingleByteCodePage {
  int number;
  // The character of each byte from 0x80; U+FFFD for a byte the page leaves
  // unassigned above 0x9F. Bytes below 0x80 are ASCII.
  char16_t high[128];
  const CodePageDecomposition* decompositions;  // sorted by unit
  std::size_t decomposition_count;
};

// The page with this number, or null when it is not a single-byte page we hold.
const SingleByteCodePage* FindSingleByteCodePage(int number);

}  // namespace orvex
