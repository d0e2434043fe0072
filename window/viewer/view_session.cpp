#include "window/viewer/view_session.h"

#include <exception>
#include <utility>

#include "qt_platform/qt_text.h"
#include "window/long_action.h"
#include "window/viewer/view_page_stream.h"
#include "ylogs/base/finally.h"
#include "ylogs/views/view_builder.h"

namespace orvex {

ViewSession::ViewSession(std::string program_folder, QString temp_folder, QObject* parent)
    : QObject(parent),
      program_folder_(std::move(program_folder)),
      temp_folder_(std::move(temp_folder)) {}

const std::vector<std::string>& ViewSession::ListThemes() {
  theme_names_ = orvex::ListThemes(program_folder_);
  return theme_names_;
}

void ViewSession::LoadTheme(const std::optional<std::string>& chosen) {
  chosen_theme_ = chosen;
  theme_ = orvex::LoadTheme(program_folder_, chosen.value_or(std::string()));
}

void ViewSession::SetShownOptions(const DisplayOptions& shown) {
  const bool format_codes = options_.format_codes;
  options_ = shown;
  options_.format_codes = format_codes;
}

QString ViewSession::ViewPagePath() const {
  QString folder = temp_folder_;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder + QStringLiteral("orvex%1.html").arg(view_page_counter_ % 10);
}

bool ViewSession::Show(const std::vector<std::string>& paths, RenderSettings settings,
                       LongActionRunner& runner, ProgressDisplay* display,
                       const std::function<std::string()>& today) {
  render_.counters.Reset();
  const int n = static_cast<int>(paths.size());
  // The view reads its own copy: nothing that runs while it yields can give
  // one page two themes.
  const Theme theme = theme_;
  settings.theme = &theme;
  settings.options = options_;
  ViewBuffers buffers;
  // The page goes to its file while the files are rendered: a whole
  // history's page is written by the time its last file is.
  const QString page_path = ViewPagePath();
  const std::size_t header_items = SplitIntoItems(theme.file_header).size();
  std::optional<ViewPageStream> page_file;
  auto work = [&](LongActionRunner::Run& run) {
    emit started();  // the last view's page goes at once
    page_file.emplace(ToFileName(page_path), buffers.html);
    // The footer as it will close the page, for its first screens.
    TextItems end;
    EndDocument(end, theme, today());
    PageSoFar so_far{&buffers.html, header_items, 0, paths.size(), &end.back()};
    BuildView(
        paths, theme, settings, render_, buffers,
        [&](std::size_t i) {
          page_file->Publish(buffers.html.size());
          so_far.files_done = i + 1;
          emit pageGrowing(page_path, so_far);
          return run.FileDone(static_cast<int>(i),
                              FilesDoneText(i, paths.size(), FilesDone::kProcessed));
        },
        today);
  };
  auto finish = [&] {
    const Finally counted([this] { emit countersChanged(render_.counters); });
    std::exception_ptr not_written;
    try {
      if (page_file) page_file->Finish(buffers.html.size());
    } catch (...) {
      not_written = std::current_exception();
    }
    html_buffer_ = std::move(buffers.html);
    text_buffer_ = std::move(buffers.text);
    if (not_written) {
      emit pageNotWritten();
      std::rethrow_exception(not_written);
    }
    if (!page_file) return;  // the walk could not start its writer: its error goes on
    last_page_path_ = page_path;
    emit pageWritten(page_path, &html_buffer_, header_items, &text_buffer_);
    ++view_page_counter_;
  };
  return runner.Execute({display, n, n > 20}, work, finish);
}

}  // namespace orvex
