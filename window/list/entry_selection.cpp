#include "entry_selection.h"

#include <algorithm>
#include <vector>

namespace orvex {
namespace {

struct Cells {
  int row;
  int left;
  int right;
  // By columns first: a selection of whole rows with hidden columns between
  // comes as several column blocks per row, and each block's rows must meet
  // to be joined.
  bool operator<(const Cells& o) const {
    return left != o.left ? left < o.left : (right != o.right ? right < o.right : row < o.row);
  }
};

// The cells as ranges in `model`, consecutive rows of the same columns joined
// (a range per row would make every later selection change slow).
QItemSelection JoinRows(std::vector<Cells> cells, const QAbstractItemModel* model) {
  std::sort(cells.begin(), cells.end());
  QItemSelection joined;
  for (std::size_t i = 0; i < cells.size();) {
    std::size_t j = i + 1;
    while (j < cells.size() && cells[j].row == cells[j - 1].row + 1 &&
           cells[j].left == cells[i].left && cells[j].right == cells[i].right) {
      ++j;
    }
    joined.append(QItemSelectionRange(model->index(cells[i].row, cells[i].left),
                                      model->index(cells[j - 1].row, cells[i].right)));
    i = j;
  }
  return joined;
}

}  // namespace

ShownSelection::ShownSelection(QAbstractProxyModel* shown, QItemSelectionModel* entries,
                               QObject* parent)
    : QItemSelectionModel(shown, parent), shown_(shown), entries_(entries) {
  connect(entries_, &QItemSelectionModel::selectionChanged, this,
          &ShownSelection::ShowEntriesSelection);
  // Rows that come back into the list come back selected when their entries are.
  connect(shown_, &QAbstractItemModel::rowsInserted, this, &ShownSelection::ShowEntriesSelection);
  connect(shown_, &QAbstractItemModel::layoutChanged, this, &ShownSelection::ShowEntriesSelection);
  connect(shown_, &QAbstractItemModel::modelReset, this, &ShownSelection::ShowEntriesSelection);
}

void ShownSelection::select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) {
  select(QItemSelection(index, index), command);
}

void ShownSelection::select(const QItemSelection& selection,
                            QItemSelectionModel::SelectionFlags command) {
  std::vector<Cells> cells;
  for (const QItemSelectionRange& range : selection) {
    if (!range.isValid()) continue;
    for (int row = range.top(); row <= range.bottom(); ++row) {
      const QModelIndex entry = shown_->mapToSource(shown_->index(row, range.left()));
      if (entry.isValid()) cells.push_back({entry.row(), range.left(), range.right()});
    }
  }
  // The same command on the entries: a clearing click clears the entries the
  // tab leaves out as well. Their change is shown back here.
  entries_->select(JoinRows(std::move(cells), entries_->model()), command);
}

void ShownSelection::ShowEntriesSelection() {
  std::vector<Cells> cells;
  for (const QItemSelectionRange& range : entries_->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      const QModelIndex shown = shown_->mapFromSource(entries_->model()->index(row, range.left()));
      if (shown.isValid()) cells.push_back({shown.row(), range.left(), range.right()});
    }
  }
  QItemSelectionModel::select(JoinRows(std::move(cells), shown_), ClearAndSelect);
}

}  // namespace orvex
