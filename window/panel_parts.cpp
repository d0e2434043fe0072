#include "panel_parts.h"

#include <QBoxLayout>
#include <QFrame>
#include <QStyle>
#include <QToolButton>

namespace orvex {

QToolButton* FlatButton(const QString& caption, QWidget* parent, bool checkable) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setAutoRaise(true);
  b->setCheckable(checkable);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

QFrame* Bordered(QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setFrameShape(QFrame::StyledPanel);
  f->setFrameShadow(QFrame::Sunken);
  return f;
}

void NoMargins(QBoxLayout* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

int CellTextMargin(const QWidget* view) {
  return 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 2;
}

}  // namespace orvex
