#include "view_builder.h"

#include "ylogs/shell/finally.h"

namespace orvex {

void BuildView(const std::vector<std::string>& paths, const Theme& theme,
               const RenderSettings& settings, RenderState& state, ViewBuffers& out,
               const AfterEachFile& after_each, const std::function<std::string()>& today,
               bool text_only) {
  BeginDocument(out.html, theme);
  out.text.clear();
  // A failing file ends the walk; the footer still closes the page.
  const Finally footer([&] { EndDocument(out.html, theme, today()); });
  for (std::size_t i = 0; i < paths.size(); ++i) {
    out.html.push_back(theme.conversation_header);
    out.html.push_back(RenderArchiveFile(paths[i], text_only, settings, state));
    out.html.push_back(theme.conversation_footer);
    out.text.push_back(state.file_transcript);
    if (after_each && after_each(i)) break;
  }
}

}  // namespace orvex
