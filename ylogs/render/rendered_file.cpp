#include "rendered_file.h"

#include <utility>

namespace orvex {

RenderedFile RenderOnItsOwn(const std::string& path, bool text_only,
                            const RenderSettings& settings) {
  RenderedFile file;
  RenderSettings own = settings;
  own.messages = [&file](const std::string& text) { file.messages.push_back(text); };
  try {
    file.body = RenderArchiveFile(path, text_only, own, file.state);
  } catch (...) {
    file.error = std::current_exception();  // raised when the file's turn comes
  }
  return file;
}

void TakeRenderedFile(RenderedFile& file, const RenderSettings& settings, RenderState& state) {
  if (settings.messages) {
    for (const std::string& text : file.messages) settings.messages(text);
  }
  AddCounters(state.counters, file.state.counters);
  state.conversation_start_pending = file.state.conversation_start_pending;
  state.file_transcript = std::move(file.state.file_transcript);
}

}  // namespace orvex
