// The view's document, apart from the widget that shows it: the theme and
// the options it is rendered with, what the last view wrote (its page file,
// its buffers) and the counts of its messages. It runs a view as the
// window's one long action and tells what it produced; the viewer panel
// shows the page, the statistics the counts, and saving, copying and the
// exports read the buffers.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ylogs/render/document.h"
#include "ylogs/render/renderer.h"
#include "ylogs/render/theme.h"
#include "ylogs/views/page_pieces.h"

namespace orvex {

class LongActionRunner;
class ProgressDisplay;

class ViewSession : public QObject {
  Q_OBJECT

 public:
  // `program_folder` (ends in a separator) holds the themes; the view pages
  // are written into `temp_folder`.
  ViewSession(std::string program_folder, QString temp_folder, QObject* parent = nullptr);

  // The program's themes, read again; in the order the theme box lists them.
  const std::vector<std::string>& ListThemes();
  // Loads the named theme (none chosen: the name is empty, and loading says
  // so); a theme that cannot be loaded leaves the one before.
  void LoadTheme(const std::optional<std::string>& chosen);
  const Theme& theme() const { return theme_; }
  // The theme box's entry the theme was last loaded from; none: none chosen.
  const std::optional<std::string>& chosen_theme() const { return chosen_theme_; }

  // What the format bar asks for; "format codes" is the "Raw" switch, kept
  // here whatever the bar says.
  const DisplayOptions& options() const { return options_; }
  void SetShownOptions(const DisplayOptions& shown);
  void FlipFormatCodes() { options_.format_codes = !options_.format_codes; }
  void EnableFormatCodes() { options_.format_codes = true; }

  const TextItems& html_buffer() const { return html_buffer_; }
  const TextItems& text_buffer() const { return text_buffer_; }
  // The batch export's transcript takes the text buffer's place, as it
  // always has: "Copy to clipboard" then copies the export's text.
  void KeepExportTranscript(TextItems transcript) { text_buffer_ = std::move(transcript); }
  const MessageCounters& counters() const { return render_.counters; }
  std::int32_t view_page_counter() const { return view_page_counter_; }
  void ResetPageCounter() { view_page_counter_ = 0; }
  QString last_page_path() const { return last_page_path_; }

  // A view asked for while another long action ran: built once it ends.
  void ViewLater() { view_again_ = true; }
  bool TakeViewLater() { return std::exchange(view_again_, false); }

  // Renders the files into one page through the runner, as its one long
  // action, with the session's theme and options over `settings`. The
  // buffers and counts are kept even when the page cannot be written.
  // Whether the runner took the action.
  bool Show(const std::vector<std::string>& paths, RenderSettings settings,
            LongActionRunner& runner, ProgressDisplay* display,
            const std::function<std::string()>& today);

 signals:
  // A view starts: the page it replaces goes.
  void started();
  // After each file of a view: the page the file `path` will hold, so far
  // (its first screens may show before the last file is read).
  void pageGrowing(const QString& path, const PageSoFar& page);
  // The view's page could not be written: what showed of it goes.
  void pageNotWritten();
  // The view's page is written to `path`, `items` (the html buffer, which
  // stays as it is until the next view starts) holding it; `header_items`:
  // its file header's items; `transcripts`: the text buffer.
  void pageWritten(const QString& path, const TextItems* items, std::size_t header_items,
                   const TextItems* transcripts);
  // A view has ended, written or not: its counts are those to show.
  void countersChanged(const MessageCounters& counters);

 private:
  // The view page file the next view writes.
  QString ViewPagePath() const;

  std::string program_folder_;
  QString temp_folder_;
  std::vector<std::string> theme_names_;
  std::optional<std::string> chosen_theme_;
  Theme theme_;
  DisplayOptions options_;
  RenderState render_;
  TextItems html_buffer_;
  TextItems text_buffer_;
  std::int32_t view_page_counter_ = 0;
  QString last_page_path_;
  bool view_again_ = false;
};

}  // namespace orvex
