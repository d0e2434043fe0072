// Fuzzes the theme file parser.
#include <cstdlib>

#include "fuzz_input.h"
#include "ylogs/render/theme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvex::Theme theme = orvex::ParseTheme(text);
  // Every section is built from the file's lines: it can hold at most the
  // file's bytes plus a CR LF per line (and one more for the file footer).
  const std::size_t bound = 2 * size + 2;
  for (const std::string* s : {&theme.file_header, &theme.conversation_header, &theme.message1,
                               &theme.message2, &theme.conversation_footer, &theme.file_footer}) {
    if (s->size() > bound) std::abort();
  }
  return 0;
}
