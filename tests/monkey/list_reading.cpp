#include "list_reading.h"

#include <QAbstractProxyModel>
#include <QItemSelectionModel>
#include <QTreeView>

#include "window/list/conversation_model.h"

namespace orvex::testing {

namespace {

// The window's own model under any proxies the view shows it through.
const ConversationModel* UnderlyingModel(const QTreeView& view) {
  const QAbstractItemModel* model = view.model();
  while (auto* proxy = qobject_cast<const QAbstractProxyModel*>(model))
    model = proxy->sourceModel();
  return qobject_cast<const ConversationModel*>(model);
}

}  // namespace

const ConversationEntry* EntryOfViewIndex(const QTreeView& view, const QModelIndex& index) {
  QModelIndex at = index;
  const QAbstractItemModel* model = view.model();
  // Down through any proxies to the window's own model.
  while (auto* proxy = qobject_cast<const QAbstractProxyModel*>(model)) {
    at = proxy->mapToSource(at);
    model = proxy->sourceModel();
  }
  auto* conversations = qobject_cast<const ConversationModel*>(model);
  if (!conversations || !at.isValid() || at.row() >= conversations->rowCount()) return nullptr;
  return &conversations->EntryAt(at.row());
}

std::vector<int> ShownViewRows(const QTreeView& view) {
  std::vector<int> rows;
  for (int row = 0; row < view.model()->rowCount(); ++row) {
    if (!view.isRowHidden(row, {})) rows.push_back(row);
  }
  return rows;
}

std::vector<const ConversationEntry*> ShownEntries(const QTreeView& view) {
  std::vector<const ConversationEntry*> entries;
  for (int row : ShownViewRows(view))
    entries.push_back(EntryOfViewIndex(view, view.model()->index(row, 0)));
  return entries;
}

std::vector<const ConversationEntry*> AllEntries(const QTreeView& view) {
  std::vector<const ConversationEntry*> entries;
  if (const ConversationModel* model = UnderlyingModel(view)) {
    for (int row = 0; row < model->rowCount(); ++row) entries.push_back(&model->EntryAt(row));
  }
  return entries;
}

}  // namespace orvex::testing
