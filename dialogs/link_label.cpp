#include "link_label.h"

#include <QMouseEvent>

namespace orvex {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace orvex
