// Fuzzes the joining of printed parts: a document of arbitrary bytes, added
// twice with pages kept by the input's first byte. Whatever the joiner
// accepts, the document it writes must be one it reads back, with the pages
// it kept.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "ylogs/export/pdf_join.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input input(data, size);
  const std::uint8_t pattern = input.Byte();
  const std::string_view pdf = input.Take(size);
  const auto keep = [pattern](std::size_t page) { return (pattern >> (page % 8)) & 1; };
  std::string joined;
  orvex::PdfJoiner joiner(joined);
  const bool added = joiner.Add(pdf, keep);
  if (joiner.Add(pdf, keep) != added) std::abort();  // the same document, the same answer
  if (!joiner.Finish()) return 0;
  std::string again;
  orvex::PdfJoiner reader(again);
  if (!reader.Add(joined, [](std::size_t) { return true; }) ||
      reader.pages_read() != joiner.pages_kept())
    std::abort();
  return 0;
}
