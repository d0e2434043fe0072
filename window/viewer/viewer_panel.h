// The viewer area: the format bar (date, time, theme, styles, "Raw") over the
// browser view with its safe page. It shows what it is given (the options,
// the theme names, a written page) and says what the user chose; the
// document itself is the view session's (window/viewer/view_session.h).
#pragma once

#include <QFrame>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ylogs/render/document.h"
#include "ylogs/render/renderer.h"
#include "ylogs/views/page_pieces.h"

class QCheckBox;
class QComboBox;
class QPageLayout;
class QPageRanges;
class QPrinter;
class QPushButton;
class QWebEngineView;

namespace orvex {

class FindBar;
class LivePage;
class PartPrinter;
class SafeWebPage;
class ViewFinder;

class ViewerPanel : public QFrame {
  Q_OBJECT

 public:
  // Where a long view's page is kept light (bytes): a page of `from` or
  // more holds only the conversations near the screen, and its first page
  // those of the first `first` bytes. A page of 1 MB (about 200
  // conversations) loads whole as fast as its first screen in parts.
  struct PieceSizes {
    std::size_t from = 1 << 20;
    std::size_t first = 32 << 10;  // the first screens
    std::size_t print = 2 << 20;   // a part of its print
  };

  explicit ViewerPanel(QWidget* parent);

  // The format bar's boxes show these options (all but "Raw").
  void ShowOptions(const DisplayOptions& options);
  // The theme box lists these names, none selected.
  void ShowThemes(const std::vector<std::string>& names);
  // Selects the named theme's entry (none when it is not listed).
  void SelectTheme(const std::string& name);
  // The theme box's entry; none when no entry is selected.
  std::optional<std::string> chosen_theme() const;

  // Shows the page just written to `path`, which `items` hold, and whose
  // conversations' transcripts `transcripts` hold (both stay as they are
  // until StopPage): a long one kept light; `header_items`: its file
  // header's items.
  void ShowPage(const QString& path, const TextItems* items, std::size_t header_items,
                const TextItems* transcripts);
  // While a view's files are read: a long view's first screens show as soon
  // as they are there.
  void GrowPage(const QString& path, const PageSoFar& page);
  // The view's page was not written: its first screens go.
  void DropPage();
  // A new view starts: the last one's page stops at once, and its find.
  void StopPage();
  // Opens the find bar; finds its text again, forward or back.
  void OpenFindBar();
  void FindAgain(bool forward);
  // Waits until the page shows the whole view (a printer, or the preview,
  // takes it all).
  void CompletePage();
  // A long view's page while its pieces go in.
  const LivePage* live_page() const { return live_page_; }
  void SetPieceSizes(PieceSizes sizes) { piece_sizes_ = sizes; }
  // The page names no charset: the view reads it, and anything else, in this.
  void SetPageCharset(const std::string& charset);

  // Prints the page the browser shows; `printed` tells when it is done.
  void Print(QPrinter* target);
  // Writes the page as the browser's own PDF, its text kept, into `file`;
  // `pdfPrinted` tells when it is done. A long view prints in parts, beside
  // the view, which stays as it is; `printProgress` tells how far it came.
  void PrintToPdf(const QString& file, const QPageLayout& layout, const QPageRanges& pages);
  // Stops a print in parts; its file goes.
  void CancelPrint();

  // Shows or hides the format bar as it stands to `window` (a bar inside a
  // hidden viewer counts as hidden there); whether it now shows to `window`.
  bool ToggleFormatBar(const QWidget* window);
  void ShowFormatBar(bool shown);

 signals:
  // A date, time or style box changed, by a click or by the program.
  void optionsChanged(const DisplayOptions& shown);
  // A date, time or style box was clicked.
  void optionsClicked();
  // An entry of the theme box was chosen.
  void themeChosen(const std::string& name);
  // "Raw" was clicked.
  void rawClicked();
  void printed(bool ok);
  void pdfPrinted(const QString& file, bool ok);
  void printProgress(std::size_t printed, std::size_t conversations);

 private:
  DisplayOptions ShownOptions() const;
  // Shows the page again after the browser's renderer died.
  void ReviveView();

  std::vector<std::string> theme_names_;  // the theme box's entries

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
  FindBar* find_bar_ = nullptr;
  ViewFinder* finder_ = nullptr;
  PartPrinter* part_printer_ = nullptr;
  PieceSizes piece_sizes_;
  bool growth_seen_ = false;  // the view being read has shown its first page, or won't
  // The page the view shows, to show again when the browser's renderer dies.
  struct Shown {
    QString path;
    const TextItems* items = nullptr;
    std::size_t header_items = 0;
    const TextItems* transcripts = nullptr;
    bool revived = false;
  } shown_;
  unsigned revivals_ = 0;  // a revival waiting for its turn is this one's
};

}  // namespace orvex
