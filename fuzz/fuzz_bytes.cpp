// Fuzzes the eight-bytes-at-a-time loops against their byte-at-a-time
// versions: arbitrary text at an arbitrary start offset, with an arbitrary key.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "tests/support/byte_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::size_t offset = in.Byte() % 8;
  const std::string key(in.Take(in.Byte() % 12));
  // The text starts `offset` bytes into its buffer, so every alignment of the
  // eight-byte loads is reached.
  const std::string buffer = std::string(offset, 'x') + std::string(in.rest());
  const std::string difference =
      orvex::reference::FirstDifference(std::string_view(buffer).substr(offset), key);
  if (!difference.empty()) {
    std::fprintf(stderr, "%s differs from its byte-at-a-time version\n", difference.c_str());
    std::abort();
  }
  return 0;
}
