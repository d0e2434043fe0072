#include "ylogs/views/view_find.h"

#include <algorithm>
#include <functional>
#include <string>

#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

char UpperLetter(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

struct FoldedHash {
  std::size_t operator()(char c) const { return std::hash<char>()(UpperLetter(c)); }
};
struct FoldedEqual {
  bool operator()(char a, char b) const { return UpperLetter(a) == UpperLetter(b); }
};

}  // namespace

std::optional<std::size_t> FindConversation(const TextItems& transcripts, std::string_view text,
                                            std::size_t from, bool forward) {
  const std::size_t count = transcripts.size();
  if (text.empty() || count == 0) return std::nullopt;
  const std::string pattern = UpperCaseAscii(text);
  // Each transcript is searched where it lies: no upper-cased copy of a
  // whole history.
  const std::boyer_moore_horspool_searcher searcher(pattern.begin(), pattern.end(), FoldedHash(),
                                                    FoldedEqual());
  std::size_t i = std::min(from, count - 1);
  for (std::size_t step = 0; step < count; ++step) {
    const std::string& t = transcripts[i];
    if (std::search(t.begin(), t.end(), searcher) != t.end()) return i;
    i = forward ? (i + 1) % count : (i + count - 1) % count;
  }
  return std::nullopt;
}

}  // namespace orvex
