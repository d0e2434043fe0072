#include "right_click_keeps_selection.h"

#include <QAbstractItemView>
#include <QMouseEvent>

namespace orvex {

void RightClickKeepsSelection::Install(QAbstractItemView* view) {
  view->viewport()->installEventFilter(new RightClickKeepsSelection(view));
}

bool RightClickKeepsSelection::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      // The context menu event still follows; only the view's own handling
      // (selecting, making the row current) is left out.
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) return true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orvex
