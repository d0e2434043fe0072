#include "rank_bar_delegate.h"

#include <QPainter>

#include "window/list/conversation_model.h"

namespace orvex {

RankBarDelegate::RankBarDelegate(const ConversationModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void RankBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (model_->highest_rank() <= 0) return;
  const QRect r = option.rect;
  const int l = r.left(), t = r.top(), right = r.left() + r.width(), b = r.top() + r.height();
  const int w = RankBarWidth(index.data(kRankRole).toInt(), right - l - 4, model_->highest_rank());
  painter->save();
  painter->setPen(QPen(Qt::black, 1));
  painter->setBrush(QColor(0x33, 0x64, 0x91));
  // From (L + 2, T + 2) to (L + 2 + W, B - 2), the outline included.
  painter->drawRect(QRect(QPoint(l + 2, t + 2), QPoint(l + 2 + w - 1, b - 2 - 1)));
  painter->restore();
}

}  // namespace orvex
