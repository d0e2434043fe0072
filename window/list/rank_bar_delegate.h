// Paints the rank bar of the "Rank" column over its cell (of any model over a
// ConversationModel: the rank comes with the index).
#pragma once

#include <QStyledItemDelegate>

namespace orvex {

class ConversationModel;

class RankBarDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  RankBarDelegate(const ConversationModel* model, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const ConversationModel* model_;
};

}  // namespace orvex
