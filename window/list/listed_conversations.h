// The rows the active tab of the conversation list shows: the model's entries
// in the model's own order, without those a search tab leaves out.
#pragma once

#include <QSortFilterProxyModel>

namespace orvex {

class ConversationModel;

class ListedConversations : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  ListedConversations(ConversationModel* model, QObject* parent);

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;
};

}  // namespace orvex
