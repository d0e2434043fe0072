// A long view's page, kept light. One document of a whole history takes the
// browser many seconds and gigabytes to load; so the browser gets the file
// header, a marker and the file footer as a page of its own, and only the
// conversations near the screen go in, as the page scrolls, each parsed as
// HTML in the place the whole page would hold it (by a script of the
// program's own, in a world of its own: the page's own scripts stay off).
// The others stand in as blocks of their heights, so the page scrolls as the
// whole one would. The page file stays the whole page: a print into a PDF
// file takes it in parts (part_printer.h), other printers load it whole.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>

#include "ylogs/render/document.h"
#include "ylogs/views/page_pieces.h"

class QVariant;

namespace orvex {

class SafeWebPage;

class LivePage : public QObject {
  Q_OBJECT
 public:
  explicit LivePage(SafeWebPage* page);

  // Shows `items` (the page the file `path` holds, laid out as `parts`); the
  // first conversations go in with the first page, up to `first_bytes`. The
  // items must stay as they are until the page stops. A first page already
  // shown for this page while its files were read (Begin) is kept.
  void Start(const QString& path, const TextItems* items, PageParts parts, std::size_t first_bytes);
  // Shows the first page of the page the file `path` will hold while its
  // files are still read; it scrolls once Start gives it the whole.
  void Begin(const QString& path, FirstPage first, std::string footer);
  // Whether a first page shown by Begin waits for its whole page.
  bool growing() const { return growing_; }
  // The page Begin showed was never written: it goes.
  void Drop();
  // Stops at once: a new view starts.
  void Stop();
  // Whether the page shows a long view in parts.
  bool live() const { return items_ != nullptr; }
  // Whether it can be scrolled anywhere (its script is in).
  bool ready() const { return ready_; }
  // The number of conversations of the page.
  std::size_t conversations() const { return parts_.conversations; }
  // Loads the page file whole in its place (a printer, or the preview, takes
  // the whole page), waiting beside the window until it has loaded.
  void Complete();
  // Puts conversation `index` in the page near the screen, then calls `done`
  // (not when the page stops first).
  void BringNear(std::size_t index, std::function<void()> done);

 signals:
  // The first page is in, with its script: it can be scrolled anywhere.
  void completed();
  // The page stopped (a new view, or it loaded whole).
  void stopped();

 private:
  void FirstPageLoaded(bool ok);
  // Puts the program's script in the first page, with every conversation's
  // size.
  void InstallScript();
  // Asks the page which conversations the screen needs and gives them.
  void Ask();
  void Give(const QVariant& wanted, std::function<void()> then);
  void Answered(std::function<void()> then);

  SafeWebPage* page_;
  QString path_;
  const TextItems* items_ = nullptr;
  PageParts parts_;
  std::size_t shown_ = 0;            // conversations the first page holds
  bool growing_ = false;             // Begin's first page, its files still read
  std::string footer_;               // the file footer Begin's first page ends with
  bool first_loaded_ = false;        // the first page has loaded
  bool ready_ = false;               // its script is in
  bool busy_ = false;                // a question or an answer is with the page
  bool ask_again_ = false;           // the page scrolled meanwhile
  std::function<void()> near_done_;  // a BringNear waiting for its turn
  std::size_t near_ = 0;
  bool near_waiting_ = false;
  unsigned generation_ = 0;  // callbacks of a stopped page are ignored
};

}  // namespace orvex
