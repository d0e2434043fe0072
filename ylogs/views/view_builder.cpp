#include "view_builder.h"

#include <exception>

#include "ylogs/base/finally.h"
#include "ylogs/base/ordered_work.h"
#include "ylogs/render/rendered_file.h"

namespace orvex {

void BuildView(const std::vector<std::string>& paths, const Theme& theme,
               const RenderSettings& settings, RenderState& state, ViewBuffers& out,
               const AfterEachFile& after_each, const std::function<std::string()>& today,
               bool text_only) {
  BeginDocument(out.html, theme);
  // Room for every item at once: the items taken stay where they are.
  out.html.reserve(out.html.size() + 3 * paths.size() + 1);
  out.text.clear();
  // A failing file ends the walk; the footer still closes the page.
  const Finally footer([&] { EndDocument(out.html, theme, today()); });
  // Each transcript moves to the buffer; the state is left with the last
  // file's, as a walk of one file after another leaves it.
  bool last_moved = false;
  const Finally keep_last([&] {
    if (last_moved) state.file_transcript = out.text.back();
  });
  // The files are rendered side by side and taken in order: messages, counts,
  // buffers, progress and the first error come as one file after another
  // would give them.
  ProduceInOrder<RenderedFile>(
      paths.size(), [&](std::size_t i) { return RenderOnItsOwn(paths[i], text_only, settings); },
      [&](std::size_t i, RenderedFile& file) {
        TakeRenderedFile(file, settings, state);
        last_moved = false;
        out.html.push_back(theme.conversation_header);
        if (file.error) std::rethrow_exception(file.error);
        out.html.push_back(std::move(file.body));
        out.html.push_back(theme.conversation_footer);
        out.text.push_back(std::move(state.file_transcript));
        last_moved = true;
        return after_each && after_each(i);
      });
}

}  // namespace orvex
