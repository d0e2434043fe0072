#include "search.h"

#include <cstring>

#include "ylogs/base/text_replace.h"

namespace orvex {

std::int32_t CountHits(std::string_view pattern, std::string_view text) {
  if (pattern.empty() || pattern.size() > text.size()) return 0;
  std::int32_t count = 0;
  const char first = pattern.front();
  const char* p = text.data();
  const char* const end = text.data() + text.size() - pattern.size() + 1;
  while (p < end) {
    p = static_cast<const char*>(std::memchr(p, first, static_cast<std::size_t>(end - p)));
    if (!p) break;
    if (std::memcmp(p, pattern.data(), pattern.size()) == 0) ++count;
    ++p;  // the next place may overlap this one
  }
  return count;
}

void SearchFiles(const std::vector<std::string>& paths, std::string_view text,
                 const RenderSettings& settings, RenderState& state,
                 std::vector<std::int32_t>& counts,
                 const std::function<bool(std::size_t searched)>& after_each) {
  const std::string pattern = UpperCaseAscii(text);
  RenderSettings quiet = settings;
  quiet.build_body = false;  // only the transcript is counted
  std::string upper;         // reused from file to file
  for (std::size_t i = 0; i < paths.size(); ++i) {
    RenderArchiveFile(paths[i], true, quiet, state);
    UpperCaseAsciiInto(state.file_transcript, upper);
    counts.push_back(CountHits(pattern, upper));
    if (after_each && after_each(i + 1)) break;
  }
}

}  // namespace orvex
