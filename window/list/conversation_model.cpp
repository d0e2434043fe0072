#include "conversation_model.h"
#include "qt_platform/translations.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

#include "qt_platform/qt_text.h"
#include "widgets/tree_icons.h"

namespace orvex {

QLocale SortingLocale() {
  // The user's locale; where the environment names none (C, POSIX) its
  // collation would be byte order, so the root order of English stands in.
  const QLocale locale;
  if (locale.language() == QLocale::C) return QLocale(QLocale::English, QLocale::UnitedStates);
  return locale;
}

ConversationModel::ConversationModel(QObject* parent) : QAbstractTableModel(parent) {}

int ConversationModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int ConversationModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kConversationColumns;
}

QVariant ConversationModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const ConversationEntry& e = EntryAt(index.row());
  const int column = index.column();
  if (role == Qt::DecorationRole && column == kIdentityColumn) return TreeIcon(kImageShowAll);
  if (role == kRankRole) return e.rank;
  if (role == kListedRole) return IsListed(index.row());
  if (role != Qt::DisplayRole) return {};
  switch (column) {
    case kDateColumn:
      return e.date && date_text_ ? date_text_(*e.date) : QString();
    case kWordsColumn:
      return QString::number(e.words);
    case kSizeColumn:
      return QString::number(e.size);
    case kRankColumn:
      return {};
    default:
      // Names come from the file system (UTF-8) or were typed (the code page).
      return FromFileNameOrAnsi(ColumnText(e, column));
  }
}

QVariant ConversationModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < kConversationColumns) {
    return UiText(ConversationColumnCaption(section));
  }
  return {};
}

void ConversationModel::SetEntries(std::vector<ConversationEntry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  listed_.assign(entries_.size(), true);
  highest_rank_ = 0;
  endResetModel();
}

void ConversationModel::SetRank(int row, std::int32_t rank) {
  if (row < 0 || row >= rowCount()) return;
  entries_[static_cast<std::size_t>(row)].rank = rank;
  const QModelIndex cell = index(row, kRankColumn);
  emit dataChanged(cell, cell, {kRankRole});
}

void ConversationModel::ApplyTabCounts(const std::vector<std::int32_t>* counts,
                                       const std::vector<FileNameBytes>& counted_paths) {
  TabFilter filter = ApplyHitCounts(entries_, counts, counted_paths);
  listed_ = std::move(filter.listed);
  highest_rank_ = filter.highest_rank;
  emit listingChanged();
  if (entries_.empty()) return;
  emit dataChanged(index(0, kRankColumn), index(rowCount() - 1, kRankColumn), {kRankRole});
}

void ConversationModel::Sort(SortState state) {
  if (state.column < 0 || entries_.size() < 2) return;
  const int column = state.column;
  std::vector<int> order(entries_.size());
  std::iota(order.begin(), order.end(), 0);
  if (IsTextColumn(column)) {
    QCollator collator(SortingLocale());  // case-sensitive
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries_.size());
    for (const ConversationEntry& e : entries_) {
      keys.push_back(collator.sortKey(FromFileNameOrAnsi(ColumnText(e, column))));
    }
    auto cmp = [&](int a, int b) { return keys[a].compare(keys[b]); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      const int c = cmp(a, b);
      return state.descending ? c > 0 : c < 0;
    });
  } else {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      const int c = CompareNumeric(entries_[a], entries_[b], column);
      return state.descending ? c > 0 : c < 0;
    });
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> new_row_of(entries_.size());
  for (std::size_t i = 0; i < order.size(); ++i) new_row_of[order[i]] = static_cast<int>(i);
  const QModelIndexList old = persistentIndexList();
  QModelIndexList moved;
  moved.reserve(old.size());
  for (const QModelIndex& idx : old) moved.append(index(new_row_of[idx.row()], idx.column()));
  std::vector<ConversationEntry> sorted;
  std::vector<bool> listed;
  sorted.reserve(entries_.size());
  listed.reserve(entries_.size());
  for (int i : order) {
    sorted.push_back(std::move(entries_[i]));
    listed.push_back(listed_[i]);
  }
  entries_ = std::move(sorted);
  listed_ = std::move(listed);
  changePersistentIndexList(old, moved);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace orvex
