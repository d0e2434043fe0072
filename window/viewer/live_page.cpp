#include "window/viewer/live_page.h"

#include <QTimer>
#include <QVariant>
#include <QWebEngineScript>

#include <chrono>
#include <future>
#include <utility>

#include "window/long_action.h"
#include "window/viewer/live_page_script.h"
#include "window/viewer/safe_web_page.h"

namespace orvex {

LivePage::LivePage(SafeWebPage* page) : QObject(page), page_(page) {
  connect(page_, &QWebEnginePage::loadFinished, this, &LivePage::FirstPageLoaded);
}

void LivePage::Start(const QString& path, const TextItems* items, PagePieces pieces,
                     std::size_t whole_from) {
  Stop();
  path_ = path;
  whole_from_ = whole_from;
  items_ = items;
  pieces_ = std::move(pieces);
  next_ = 0;
  std::string first = ItemBytes(*items_, pieces_.first);
  first += kPiecesMarker;  // directly before the footer, as the last piece will be
  first += ItemBytes(*items_, {pieces_.footer, pieces_.footer + 1});
  page_->LoadProgramPage(path, QByteArray(first.data(), static_cast<qsizetype>(first.size())));
}

void LivePage::Stop() {
  const bool was_adding = adding();
  ++generation_;
  items_ = nullptr;
  in_flight_ = false;
  first_loaded_ = false;
  if (was_adding) emit stopped();
}

void LivePage::FirstPageLoaded(bool ok) {
  // A load that did not finish is not the first page's: the load of the page
  // before it, stopped by this one, reports so too.
  if (!items_ || first_loaded_ || !ok) return;
  first_loaded_ = true;
  const unsigned generation = generation_;
  page_->runJavaScript(LivePageScript(page_->charset()), QWebEngineScript::ApplicationWorld,
                       [this, generation](const QVariant& installed) {
                         if (generation != generation_) return;
                         if (!installed.toBool()) {
                           // No marker (a message's open comment took it in):
                           // the page file loads whole, as a short view's does.
                           const QString path = path_;
                           End();
                           page_->LoadProgramPage(path);
                           return;
                         }
                         AddNext();
                       });
}

void LivePage::AddNext() {
  if (!items_ || in_flight_) return;
  const unsigned generation = generation_;
  if (next_ == pieces_.rest.size()) {
    page_->runJavaScript(QStringLiteral("orvexPiecesDone()"), QWebEngineScript::ApplicationWorld,
                         [this, generation](const QVariant&) {
                           if (generation == generation_) End();
                         });
    in_flight_ = true;
    return;
  }
  const std::string bytes = ItemBytes(*items_, pieces_.rest[next_++]);
  const QByteArray encoded =
      QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())).toBase64();
  in_flight_ = true;
  page_->runJavaScript(QStringLiteral("orvexAddPiece('%1')").arg(QLatin1String(encoded)),
                       QWebEngineScript::ApplicationWorld, [this, generation](const QVariant&) {
                         if (generation != generation_) return;
                         in_flight_ = false;
                         // The page's turn to draw and take input before the
                         // next piece.
                         QTimer::singleShot(0, this, [this, generation] {
                           if (generation == generation_) AddNext();
                         });
                       });
}

void LivePage::End() {
  ++generation_;
  items_ = nullptr;
  in_flight_ = false;
  first_loaded_ = false;
  emit completed();
}

void LivePage::Complete() {
  if (!adding()) return;
  std::size_t left = 0;
  for (std::size_t i = next_; i < pieces_.rest.size(); ++i)
    for (std::size_t item = pieces_.rest[i].first; item < pieces_.rest[i].second; ++item)
      left += (*items_)[item].size() + 2;
  std::promise<void> done;
  std::future<void> ended = done.get_future();
  bool reported = false;
  const auto report = [&done, &reported] {
    if (!reported) done.set_value();
    reported = true;
  };
  QMetaObject::Connection whole, stop;
  if (left >= whole_from_) {
    Stop();
    whole = connect(page_, &QWebEnginePage::loadFinished, this, report);
    page_->LoadProgramPage(path_);
  } else {
    whole = connect(this, &LivePage::completed, this, report);
    stop = connect(this, &LivePage::stopped, this, report);
  }
  WaitBesideTheWindow(ended, std::chrono::minutes(5));
  disconnect(whole);
  disconnect(stop);
}

}  // namespace orvex
