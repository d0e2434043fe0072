#include "view_builder.h"

namespace orvex {

void BuildView(const std::vector<std::string>& paths, const Theme& theme,
               const RenderSettings& settings, RenderState& state, ViewBuffers& out,
               const AfterEachFile& after_each, const std::function<std::string()>& today,
               bool text_only) {
  BeginDocument(out.html, theme);
  out.text.clear();
  try {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      out.html.push_back(theme.conversation_header);
      out.html.push_back(RenderArchiveFile(paths[i], text_only, settings, state));
      out.html.push_back(theme.conversation_footer);
      out.text.push_back(state.file_transcript);
      if (after_each && after_each(i)) break;
    }
  } catch (...) {
    EndDocument(out.html, theme, today());
    throw;
  }
  EndDocument(out.html, theme, today());
}

}  // namespace orvex
