#include "window/viewer/view_finder.h"

#include <QVariant>
#include <QWebEngineScript>

#include <optional>

#include "qt_platform/qt_text.h"
#include "window/viewer/live_page.h"
#include "window/viewer/live_page_script.h"
#include "window/viewer/safe_web_page.h"
#include "ylogs/views/view_find.h"

namespace orvex {
namespace {

// The text as a script's string literal.
QString ScriptString(const QString& text) {
  QString quoted = QStringLiteral("'");
  for (const QChar c : text) quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
  return quoted + '\'';
}

}  // namespace

ViewFinder::ViewFinder(SafeWebPage* page, LivePage* live)
    : QObject(page), page_(page), live_(live) {
  // A page that stops (printing loads it whole) answers no more: a find
  // waiting for it ends.
  connect(live_, &LivePage::stopped, this, [this] {
    if (!busy_) return;
    ++generation_;
    busy_ = false;
  });
}

void ViewFinder::Reset() {
  ++generation_;
  busy_ = false;
  conversation_ = -1;
  place_ = -1;
  text_.clear();
  page_->runJavaScript(QStringLiteral("window.orvexView&&orvexView.unmark()"),
                       QWebEngineScript::ApplicationWorld);
}

void ViewFinder::Find(const QString& text, bool forward) {
  if (busy_) return;  // the find before still looks
  if (text.isEmpty()) {
    emit found(false);
    return;
  }
  if (text != text_) {
    text_ = text;
    encoded_ = ToAnsi(text);
    conversation_ = -1;
    place_ = -1;
  }
  busy_ = true;
  const bool by_conversation =
      live_->live() && transcripts_ && transcripts_->size() == live_->conversations();
  if (by_conversation)
    FindInConversations(forward);
  else
    FindInWholePage(forward);
}

void ViewFinder::Mark(long conversation, int place, const std::function<void(int)>& then) {
  // A page shown whole gets the script (its find alone) the first time.
  const QString call = QStringLiteral("(window.orvexView||(%1,window.orvexView)).find(%2,%3,%4)")
                           .arg(LivePageScript(page_->charset()), ScriptString(text_))
                           .arg(conversation)
                           .arg(place);
  const unsigned generation = generation_;
  page_->runJavaScript(call, QWebEngineScript::ApplicationWorld,
                       [this, generation, then](const QVariant& places) {
                         if (generation == generation_) then(places.toInt());
                       });
}

void ViewFinder::FindInWholePage(bool forward) {
  const int wanted = forward ? place_ + 1 : place_ - 1;
  Mark(-1, wanted < 0 ? -1 : wanted, [this, wanted](int places) {
    if (places == 0) return Ended(false);
    if (wanted < places) {
      // Before the first place the script marked the last (-1).
      place_ = wanted < 0 ? places - 1 : wanted;
      return Ended(true);
    }
    // Past the last place: round to the first.
    place_ = 0;
    Mark(-1, place_, [this](int) { Ended(true); });
  });
}

void ViewFinder::FindInConversations(bool forward) {
  const std::size_t count = transcripts_->size();
  if (conversation_ < 0) return GoOn(forward ? 0 : count - 1, forward, 0);
  const long at = conversation_;
  const int wanted = forward ? place_ + 1 : place_ - 1;
  const auto next = [this, at, forward, count] {
    GoOn(forward ? (at + 1) % count : (at + count - 1) % count, forward, 1);
  };
  if (wanted < 0) return next();
  // The conversation of the last place may have left the page meanwhile.
  live_->BringNear(at, [this, at, wanted, next] {
    Mark(at, wanted, [this, wanted, next](int places) {
      if (wanted >= places) return next();
      place_ = wanted;
      Ended(true);
    });
  });
}

void ViewFinder::GoOn(std::size_t from, bool forward, std::size_t tried) {
  const std::size_t count = transcripts_->size();
  const std::optional<std::size_t> next = FindConversation(*transcripts_, encoded_, from, forward);
  if (!next || tried > count) return Ended(false);
  // Conversations passed over on the way count as tried.
  const std::size_t passed =
      forward ? (*next + count - from) % count : (from + count - *next) % count;
  live_->BringNear(*next, [this, next = *next, forward, tried, passed, count] {
    Mark(static_cast<long>(next), forward ? 0 : -1,
         [this, next, forward, tried, passed, count](int places) {
           if (places > 0) {
             conversation_ = static_cast<long>(next);
             place_ = forward ? 0 : places - 1;
             return Ended(true);
           }
           // The transcript holds the text where the page does not (a name or a
           // time written otherwise): on to the next.
           GoOn(forward ? (next + 1) % count : (next + count - 1) % count, forward,
                tried + passed + 1);
         });
  });
}

void ViewFinder::Ended(bool marked) {
  busy_ = false;
  emit found(marked);
}

}  // namespace orvex
