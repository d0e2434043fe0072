#include "window/viewer/page_focus.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWebEngineView>

namespace orvex {
namespace {

class PageFocus : public QObject {
 public:
  explicit PageFocus(QWebEngineView* view) : QObject(view), view_(view) {}

  void Adopt(QWidget* inner) {
    inner->setAccessibleName(view_->accessibleName());
    inner->setAccessibleDescription(view_->accessibleDescription());
    inner->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded) {
      // The view makes the widget that takes the focus when it first shows.
      if (auto* inner = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) {
        Adopt(inner);
      }
      return false;
    }
    if (watched == view_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
        !view_->parentWidget()) {
      return false;
    }
    // The view's parent moves the focus on as it does for its own controls.
    QKeyEvent moved(QEvent::KeyPress, key->key(), key->modifiers());
    QCoreApplication::sendEvent(view_->parentWidget(), &moved);
    return true;
  }

 private:
  QWebEngineView* view_;
};

}  // namespace

void MakePageOneTabStop(QWebEngineView* view) {
  auto* focus = new PageFocus(view);
  view->installEventFilter(focus);
  for (QWidget* inner : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    focus->Adopt(inner);
  }
}

}  // namespace orvex
