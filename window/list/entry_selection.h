// The conversation list's selection belongs to the entries, not to the rows
// a tab shows: an entry a search tab leaves out stays selected, and "Select
// all messages" takes such entries too. The view's own selection model passes
// every change the user makes on to the entries' selection and shows the
// part of it that is listed.
#pragma once

#include <QAbstractProxyModel>
#include <QItemSelectionModel>

namespace orvex {

class ShownSelection : public QItemSelectionModel {
  Q_OBJECT
 public:
  // `entries` selects in the model under `shown`.
  ShownSelection(QAbstractProxyModel* shown, QItemSelectionModel* entries, QObject* parent);

  void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
  void select(const QItemSelection& selection,
              QItemSelectionModel::SelectionFlags command) override;

 private:
  void ShowEntriesSelection();

  QAbstractProxyModel* shown_;
  QItemSelectionModel* entries_;
};

}  // namespace orvex
