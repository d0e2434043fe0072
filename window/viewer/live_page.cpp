#include "window/viewer/live_page.h"

#include <QVariant>
#include <QWebEngineScript>

#include <chrono>
#include <future>
#include <utility>
#include <vector>

#include "window/long_action.h"
#include "window/viewer/live_page_script.h"
#include "window/viewer/safe_web_page.h"

namespace orvex {

LivePage::LivePage(SafeWebPage* page) : QObject(page), page_(page) {
  connect(page_, &QWebEnginePage::loadFinished, this, &LivePage::FirstPageLoaded);
  // Whatever moves the page or changes its size may bring others near.
  connect(page_, &QWebEnginePage::scrollPositionChanged, this, &LivePage::Ask);
  connect(page_, &QWebEnginePage::contentsSizeChanged, this, &LivePage::Ask);
}

void LivePage::Start(const QString& path, const TextItems* items, PageParts parts,
                     std::size_t first_bytes) {
  const std::string& footer = (*items)[parts.footer()];
  if (growing_ && path == path_ && footer == footer_ && shown_ <= parts.conversations) {
    // The first page shows already: its script goes in once it has loaded.
    growing_ = false;
    items_ = items;
    parts_ = parts;
    if (first_loaded_) InstallScript();
    return;
  }
  Stop();
  path_ = path;
  items_ = items;
  parts_ = parts;
  // The first screens come with the page, each conversation after a comment
  // that tells the script where it starts.
  FirstPage first = MakeFirstPage(*items_, parts_, parts_.conversations, first_bytes, footer);
  shown_ = first.shown;
  page_->LoadProgramPage(
      path, QByteArray(first.bytes.data(), static_cast<qsizetype>(first.bytes.size())));
}

void LivePage::Begin(const QString& path, FirstPage first, std::string footer) {
  Stop();
  path_ = path;
  growing_ = true;
  footer_ = std::move(footer);
  shown_ = first.shown;
  page_->LoadProgramPage(
      path, QByteArray(first.bytes.data(), static_cast<qsizetype>(first.bytes.size())));
}

void LivePage::Drop() {
  if (!growing_) return;
  const QString path = path_;
  Stop();
  page_->LoadProgramPage(path, QByteArray("", 0));  // an empty page
}

void LivePage::Stop() {
  const bool was_live = live() || growing_;
  ++generation_;
  items_ = nullptr;
  growing_ = false;
  first_loaded_ = ready_ = busy_ = ask_again_ = near_waiting_ = false;
  near_done_ = nullptr;
  if (was_live) emit stopped();
}

void LivePage::FirstPageLoaded(bool ok) {
  // A load that did not finish is not the first page's: the load of the page
  // before it, stopped by this one, reports so too.
  if (!(items_ || growing_) || first_loaded_ || !ok) return;
  first_loaded_ = true;
  if (items_) InstallScript();
}

void LivePage::InstallScript() {
  std::vector<std::size_t> sizes(parts_.conversations);
  for (std::size_t i = 0; i < parts_.conversations; ++i) {
    const auto [begin, end] = parts_.conversation(i);
    for (std::size_t item = begin; item < end; ++item) sizes[i] += (*items_)[item].size() + 2;
  }
  const unsigned generation = generation_;
  busy_ = true;
  page_->runJavaScript(LivePageScript(page_->charset(), sizes, shown_),
                       QWebEngineScript::ApplicationWorld,
                       [this, generation](const QVariant& installed) {
                         if (generation != generation_) return;
                         if (!installed.toBool()) {
                           // No marker (a message's open comment took it in):
                           // the page file loads whole, as a short view's does.
                           const QString path = path_;
                           Stop();
                           page_->LoadProgramPage(path);
                           return;
                         }
                         ready_ = true;
                         busy_ = false;
                         emit completed();
                         Ask();
                       });
}

void LivePage::Ask() {
  if (!ready_) return;
  if (busy_) {
    ask_again_ = true;
    return;
  }
  busy_ = true;
  const unsigned generation = generation_;
  page_->runJavaScript(QStringLiteral("orvexView.wanted()"), QWebEngineScript::ApplicationWorld,
                       [this, generation](const QVariant& wanted) {
                         if (generation == generation_) Give(wanted, nullptr);
                       });
}

void LivePage::BringNear(std::size_t index, std::function<void()> done) {
  if (!live()) return;
  if (!ready_ || busy_) {
    near_waiting_ = true;
    near_ = index;
    near_done_ = std::move(done);
    return;
  }
  busy_ = true;
  const unsigned generation = generation_;
  page_->runJavaScript(QStringLiteral("orvexView.around(%1)").arg(index),
                       QWebEngineScript::ApplicationWorld,
                       [this, generation, done = std::move(done)](const QVariant& wanted) {
                         if (generation == generation_) Give(wanted, done);
                       });
}

void LivePage::Give(const QVariant& wanted, std::function<void()> then) {
  const QVariantList list = wanted.toList();
  if (list.size() < 2) {
    Answered(std::move(then));
    return;
  }
  // [first, last, the conversations the page lacks...]
  QString call =
      QStringLiteral("orvexView.show(%1,%2,{").arg(list[0].toLongLong()).arg(list[1].toLongLong());
  for (qsizetype k = 2; k < list.size(); ++k) {
    const std::size_t i = list[k].toULongLong();
    if (i >= parts_.conversations) continue;
    const std::string bytes = ItemBytes(*items_, parts_.conversation(i));
    call +=
        QString::number(i) + QStringLiteral(":'") +
        QLatin1String(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))
                          .toBase64()) +
        QStringLiteral("',");
  }
  call += '}';
  call += ')';
  const unsigned generation = generation_;
  page_->runJavaScript(call, QWebEngineScript::ApplicationWorld,
                       [this, generation, then = std::move(then)](const QVariant&) mutable {
                         if (generation == generation_) Answered(std::move(then));
                       });
}

void LivePage::Answered(std::function<void()> then) {
  busy_ = false;
  if (then) then();
  if (near_waiting_ && !busy_) {
    near_waiting_ = false;
    BringNear(near_, std::exchange(near_done_, nullptr));
  } else if (ask_again_ && !busy_) {
    ask_again_ = false;
    Ask();
  }
}

void LivePage::Complete() {
  if (!live()) return;
  const QString path = path_;
  Stop();
  std::promise<void> done;
  std::future<void> loaded = done.get_future();
  bool reported = false;
  const QMetaObject::Connection whole =
      connect(page_, &QWebEnginePage::loadFinished, this, [&done, &reported] {
        if (!reported) done.set_value();
        reported = true;
      });
  page_->LoadProgramPage(path);
  WaitBesideTheWindow(loaded, std::chrono::minutes(5));
  disconnect(whole);
}

}  // namespace orvex
