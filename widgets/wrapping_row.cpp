#include "wrapping_row.h"

#include <QWidget>

#include <algorithm>

namespace orvex {

WrappingRow::WrappingRow(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing) {}

WrappingRow::~WrappingRow() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void WrappingRow::addItem(QLayoutItem* item) {
  items_.append(item);
}

QLayoutItem* WrappingRow::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* WrappingRow::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int WrappingRow::heightForWidth(int width) const {
  return Arrange(QRect(0, 0, width, 0), false);
}

QSize WrappingRow::minimumSize() const {
  QSize size;
  for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize WrappingRow::sizeHint() const {
  // All on one line.
  int width = 0, height = 0;
  for (const QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    width += (width ? spacing_ : 0) + item->sizeHint().width();
    height = std::max(height, item->sizeHint().height());
  }
  const QMargins m = contentsMargins();
  return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void WrappingRow::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int WrappingRow::Arrange(const QRect& rect, bool place) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  int y = area.y();
  QList<QLayoutItem*> line;
  int line_width = 0, line_height = 0;
  auto finish_line = [&] {
    int x = area.x();
    for (QLayoutItem* item : line) {
      const QSize hint = item->sizeHint();
      if (place) item->setGeometry(QRect(QPoint(x, y + (line_height - hint.height()) / 2), hint));
      x += hint.width() + spacing_;
    }
    if (!line.isEmpty()) y += line_height + spacing_;
    line.clear();
    line_width = line_height = 0;
  };
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize hint = item->sizeHint();
    if (!line.isEmpty() && line_width + spacing_ + hint.width() > area.width()) finish_line();
    line_width += (line.isEmpty() ? 0 : spacing_) + hint.width();
    line_height = std::max(line_height, hint.height());
    line.append(item);
  }
  finish_line();
  const int used = y > area.y() ? y - spacing_ - area.y() : 0;
  return used + contentsMargins().top() + contentsMargins().bottom();
}

}  // namespace orvex
