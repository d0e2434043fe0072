#include "vertical_grid_delegate.h"

#include <QPainter>

namespace orvex {

void VerticalGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QStyle* style = option.widget ? option.widget->style() : nullptr;
  const QColor grid = style ? QColor::fromRgba(static_cast<QRgb>(style->styleHint(
                                  QStyle::SH_Table_GridLineColor, &option, option.widget)))
                            : QColor(Qt::lightGray);
  painter->save();
  painter->setPen(grid);
  painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
  painter->restore();
}

}  // namespace orvex
