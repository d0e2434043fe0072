// A long view's page, live from its first screen. One document of a whole
// history takes the browser many seconds to load, and until then it cannot
// be scrolled. So the browser gets the file header, the first conversations
// and the file footer as a page of its own, and the rest goes in behind them,
// piece by piece, while the page is read: a script of the program's own, in
// a world of its own (the page's own scripts stay off), has the browser parse
// each piece as HTML in the place the single page would hold it. Once every
// piece is in, the page is the page file's, node for node.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstddef>

#include "ylogs/render/document.h"
#include "ylogs/views/page_pieces.h"

namespace orvex {

class SafeWebPage;

class LivePage : public QObject {
  Q_OBJECT
 public:
  explicit LivePage(SafeWebPage* page);

  // Shows `items` (the page the file `path` holds) in `pieces`. The items
  // must stay as they are until the adding has ended or stopped. With
  // `whole_from` bytes or more still to add, Complete loads the file whole.
  void Start(const QString& path, const TextItems* items, PagePieces pieces,
             std::size_t whole_from);
  // Stops adding at once: a new view starts.
  void Stop();
  // Whether pieces are still to go in.
  bool adding() const { return items_ != nullptr; }
  // Waits beside the window until the page is whole (printing takes the
  // whole page), or the adding stops. With much left to add, the page file
  // loads as one page instead: the browser's fastest way to all of it.
  void Complete();

 signals:
  // Every piece is in (or the first page could not take them, and the page
  // file loads whole).
  void completed();
  // The adding stopped before every piece was in.
  void stopped();

 private:
  void FirstPageLoaded(bool ok);
  void AddNext();
  void End();

  SafeWebPage* page_;
  QString path_;
  std::size_t whole_from_ = 0;
  const TextItems* items_ = nullptr;
  PagePieces pieces_;
  std::size_t next_ = 0;       // the next of pieces_.rest
  bool in_flight_ = false;     // a piece is being added
  bool first_loaded_ = false;  // the first page has loaded and can take pieces
  unsigned generation_ = 0;    // callbacks of a stopped adding are ignored
};

}  // namespace orvex
