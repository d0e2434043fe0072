#include "still_while_loading.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace orvex {
namespace {

// How often the view is looked at for its first screen, and how long it is
// waited for before a plain one is held all the same.
constexpr int kLookEveryMs = 25;
constexpr int kFirstScreenWaitMs = 1000;

}  // namespace

bool IsOneColour(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  if (rgb.isNull()) return true;
  const QRgb first = rgb.pixel(0, 0);
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      if (line[x] != first) return false;
  }
  return true;
}

StillWhileLoading::StillWhileLoading(QWebEnginePage* page, qint64 min_bytes, int after_ms)
    : QObject(page), page_(page), min_bytes_(min_bytes), after_ms_(after_ms) {
  poll_.setInterval(kLookEveryMs);
  connect(&poll_, &QTimer::timeout, this, &StillWhileLoading::TryToHold);
  connect(page_, &QWebEnginePage::loadFinished, this, [this] {
    loading_ = false;
    LetGo();
  });
}

StillWhileLoading::~StillWhileLoading() {
  delete picture_.data();
}

QWebEngineView* StillWhileLoading::View() const {
  return QWebEngineView::forPage(page_);
}

void StillWhileLoading::LoadStarted(qint64 bytes) {
  LetGo();
  loading_ = bytes >= min_bytes_;
  if (!loading_) return;
  since_start_.start();
  poll_.start();
}

void StillWhileLoading::TryToHold() {
  QWebEngineView* view = View();
  // A view not on screen draws nothing anyway.
  if (!loading_ || !view || !view->isVisible()) {
    poll_.stop();
    return;
  }
  const qint64 elapsed = since_start_.elapsed();
  if (elapsed < after_ms_) return;
  // The surface the browser draws on, as the view may change it per page.
  QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
  const QPixmap first_screen = surface->grab();
  if (IsOneColour(first_screen.toImage()) && elapsed < after_ms_ + kFirstScreenWaitMs) return;
  poll_.stop();
  auto* picture = new QLabel(view);
  picture->setPixmap(first_screen);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setAutoFillBackground(true);
  picture->setCursor(Qt::BusyCursor);
  picture->setGeometry(view->rect());
  picture->show();
  picture->raise();
  picture_ = picture;
  view->installEventFilter(this);
  page_->setVisible(false);
}

void StillWhileLoading::LetGo() {
  poll_.stop();
  if (picture_.isNull()) return;
  delete picture_.data();
  if (QWebEngineView* view = View()) {
    view->removeEventFilter(this);
    page_->setVisible(view->isVisible());
  }
}

bool StillWhileLoading::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && !picture_.isNull() && watched == View())
    picture_->setGeometry(View()->rect());
  return false;
}

}  // namespace orvex
