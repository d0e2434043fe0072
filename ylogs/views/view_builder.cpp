#include "view_builder.h"

#include <exception>

#include "ylogs/archive/ordered_work.h"
#include "ylogs/shell/finally.h"

namespace orvex {
namespace {

// One file rendered on its own: what it adds to the view, and what it would
// have shown or raised on the way, to be replayed in the selection's order.
struct RenderedFile {
  std::string body;
  RenderState state;  // its own counts and transcript
  std::vector<std::string> messages;
  std::exception_ptr error;
};

RenderedFile RenderOnItsOwn(const std::string& path, bool text_only,
                            const RenderSettings& settings) {
  RenderedFile file;
  RenderSettings own = settings;
  own.messages = [&file](const std::string& text) { file.messages.push_back(text); };
  try {
    file.body = RenderArchiveFile(path, text_only, own, file.state);
  } catch (...) {
    file.error = std::current_exception();  // the walk stops here when it comes to it
  }
  return file;
}

}  // namespace

void BuildView(const std::vector<std::string>& paths, const Theme& theme,
               const RenderSettings& settings, RenderState& state, ViewBuffers& out,
               const AfterEachFile& after_each, const std::function<std::string()>& today,
               bool text_only) {
  BeginDocument(out.html, theme);
  out.text.clear();
  // A failing file ends the walk; the footer still closes the page.
  const Finally footer([&] { EndDocument(out.html, theme, today()); });
  // The files are rendered side by side and taken in order: messages, counts,
  // buffers, progress and the first error come as one file after another
  // would give them.
  ProduceInOrder<RenderedFile>(
      paths.size(), [&](std::size_t i) { return RenderOnItsOwn(paths[i], text_only, settings); },
      [&](std::size_t i, RenderedFile& file) {
        if (settings.messages) {
          for (const std::string& text : file.messages) settings.messages(text);
        }
        AddCounters(state.counters, file.state.counters);
        state.conversation_start_pending = file.state.conversation_start_pending;
        state.file_transcript = std::move(file.state.file_transcript);
        out.html.push_back(theme.conversation_header);
        if (file.error) std::rethrow_exception(file.error);
        out.html.push_back(std::move(file.body));
        out.html.push_back(theme.conversation_footer);
        out.text.push_back(state.file_transcript);
        return after_each && after_each(i);
      });
}

}  // namespace orvex
