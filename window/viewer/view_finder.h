// Finds a text in the view and marks it, place after place. A page shown
// whole is searched as it is; a long view's page holds only the
// conversations near the screen, so the next conversation that holds the
// text is looked up in the view's transcripts, brought near and searched.
#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>

#include "ylogs/render/document.h"

namespace orvex {

class LivePage;
class SafeWebPage;

class ViewFinder : public QObject {
  Q_OBJECT
 public:
  ViewFinder(SafeWebPage* page, LivePage* live);

  // The view's transcripts, one a conversation in the page's order (they
  // stay as they are until the next view).
  void SetTranscripts(const TextItems* transcripts) { transcripts_ = transcripts; }
  // Marks the next place (or the one before) that holds `text`; a new text
  // starts from the top of the view.
  void Find(const QString& text, bool forward);
  // A new view, or the bar closed: the place and the mark go.
  void Reset();

 signals:
  // A find has ended: whether it marked a place.
  void found(bool marked);

 private:
  // Searches conversation `conversation` (-1: the whole page) for its
  // `place`th place (-1: the last); `then` gets how many it holds.
  void Mark(long conversation, int place, const std::function<void(int)>& then);
  void FindInWholePage(bool forward);
  void FindInConversations(bool forward);
  void GoOn(std::size_t from, bool forward, std::size_t tried);
  void Ended(bool marked);

  SafeWebPage* page_;
  LivePage* live_;
  const TextItems* transcripts_ = nullptr;
  QString text_;
  std::string encoded_;     // the text as the transcripts hold it
  long conversation_ = -1;  // where the last place was found (-1: none yet)
  int place_ = -1;
  bool busy_ = false;
  unsigned generation_ = 0;
};

}  // namespace orvex
