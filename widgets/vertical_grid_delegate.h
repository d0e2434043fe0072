// Draws a grid's cells with a vertical line at their right edge and no line
// between rows: the statistics grid shows vertical grid lines only.
#pragma once

#include <QStyledItemDelegate>

namespace orvex {

class VerticalGridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace orvex
