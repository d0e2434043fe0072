// The viewer area: the format bar (date, time, theme, styles, "Raw") over the
// browser view with its safe page. It owns the theme, the options, what the
// last view wrote (its page file and buffers) and the counts of its messages.
#pragma once

#include <QFrame>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ylogs/render/document.h"
#include "ylogs/render/renderer.h"
#include "ylogs/render/theme.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QWebEngineView;

namespace orvex {

class LivePage;
class LongActionRunner;
class ProgressDisplay;
class SafeWebPage;

class ViewerPanel : public QFrame {
  Q_OBJECT

 public:
  // Where a long view's page is cut (bytes): a page of `from` or more is
  // shown in pieces, the first of about `first`, the others of about
  // `piece`. Below 8 MB (about 1,500 conversations) one page loads in under
  // a second; 1 MB pieces keep each step of the browser short.
  struct PieceSizes {
    std::size_t from = 8 << 20;
    std::size_t first = 256 << 10;  // the first screens
    std::size_t piece = 1 << 20;
  };

  // `program_folder` (ends in a separator) holds the themes; the view pages
  // are written into `temp_folder`.
  ViewerPanel(std::string program_folder, QString temp_folder, QWidget* parent);

  // What the format bar asks for; "format codes" is the "Raw" switch.
  DisplayOptions options() const;
  const Theme& theme() const { return theme_; }
  const std::vector<std::string>& theme_names() const { return theme_names_; }
  // The theme box's entry; none when no entry is selected.
  std::optional<std::string> chosen_theme() const;
  const TextItems& html_buffer() const { return html_buffer_; }
  const TextItems& text_buffer() const { return text_buffer_; }
  // The batch export writes its transcript where the view keeps its own, as
  // it always has: "Copy to clipboard" then copies the export's text.
  TextItems* text_buffer_for_export() { return &text_buffer_; }
  const MessageCounters& counters() const { return render_.counters; }
  std::int32_t view_page_counter() const { return view_page_counter_; }
  QString last_page_path() const { return last_page_path_; }
  bool format_codes_enabled() const { return format_codes_enabled_; }
  QWebEngineView* browser() const { return WebBrowser; }
  SafeWebPage* page() const { return web_page; }
  // A long view's page while its pieces go in.
  LivePage* live_page() const { return live_page_; }
  // Waits until the page shows the whole view (printing takes it all).
  void CompletePage();
  void SetPieceSizes(PieceSizes sizes) { piece_sizes_ = sizes; }

  // Renders the files into one page through the runner, as its one long
  // action, and shows it; `settings` comes with all but the theme and the
  // options, which are the panel's own. The buffers and counts are kept even
  // when the page cannot be written. Whether the runner took the action.
  bool ShowConversations(const std::vector<std::string>& paths, RenderSettings settings,
                         LongActionRunner& runner, ProgressDisplay* display,
                         const std::function<std::string()>& today);

  // The theme box lists the program's themes, none selected.
  void ListThemes();
  // Selects the named theme's entry (none when it is not listed).
  void SelectTheme(const std::string& name);
  // Loads the theme the box shows.
  void LoadTheme();
  void SetDateAndTime(bool date, bool time);
  void SetStyles(bool bold, bool fonts, bool smileys);
  // Flips the "Raw" switch.
  void FlipFormatCodes() { format_codes_enabled_ = !format_codes_enabled_; }
  void EnableFormatCodes() { format_codes_enabled_ = true; }
  void ResetPageCounter() { view_page_counter_ = 0; }
  // The page names no charset: the view reads it, and anything else, in this.
  void SetPageCharset(const std::string& charset);
  // Shows or hides the format bar as it stands to `window` (a bar inside a
  // hidden viewer counts as hidden there); whether it now shows to `window`.
  bool ToggleFormatBar(const QWidget* window);
  void ShowFormatBar(bool shown);

 signals:
  // A date, time or style box was clicked.
  void optionsClicked();
  // An entry of the theme box was chosen.
  void themeChosen();
  // "Raw" was clicked.
  void rawClicked();
  // A view has ended, written or not: its counts are those to show.
  void countersChanged(const MessageCounters& counters);

 private:
  // The view page file the next view writes.
  QString ViewPagePath() const;
  // Shows the page just written: a long one in pieces, live from its first
  // screen; `header_items`: its file header's items.
  void ShowPage(std::size_t header_items);

  std::string program_folder_;
  QString temp_folder_;
  std::vector<std::string> theme_names_;  // the theme box's entries
  Theme theme_;
  RenderState render_;
  TextItems html_buffer_;
  TextItems text_buffer_;
  std::int32_t view_page_counter_ = 0;
  QString last_page_path_;
  bool format_codes_enabled_ = true;

  QFrame* panFormat = nullptr;
  QCheckBox* ckDate = nullptr;
  QCheckBox* ckTime = nullptr;
  QComboBox* cbxTheme = nullptr;
  QCheckBox* ckBold = nullptr;
  QCheckBox* ckFonts = nullptr;
  QCheckBox* ckSmilies = nullptr;
  QPushButton* btnRaw = nullptr;
  QWebEngineView* WebBrowser = nullptr;
  SafeWebPage* web_page = nullptr;
  LivePage* live_page_ = nullptr;
  PieceSizes piece_sizes_;
};

}  // namespace orvex
