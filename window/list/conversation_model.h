// The rows of the conversation list, one ConversationEntry each.
#pragma once

#include <QAbstractTableModel>
#include <QLocale>

#include <functional>
#include <vector>

#include "ylogs/views/conversation_list.h"

namespace orvex {

// The locale whose collation orders the text columns.
QLocale SortingLocale();

// What the model tells beyond the cell texts, for any column of a row.
enum ConversationRole {
  kRankRole = Qt::UserRole + 1,  // the entry's Rank
  kListedRole,                   // whether the active tab lists the entry
};

class ConversationModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ConversationModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // How the "Date" column shows a day count.
  void SetDateText(std::function<QString(double)> date_text) { date_text_ = std::move(date_text); }
  QString DateText(double day) const { return date_text_ ? date_text_(day) : QString(); }

  // Replaces every row; all are listed and no rank bar is drawn.
  void SetEntries(std::vector<ConversationEntry> entries);
  const std::vector<ConversationEntry>& entries() const { return entries_; }
  const ConversationEntry& EntryAt(int row) const {
    return entries_.at(static_cast<std::size_t>(row));
  }
  bool IsListed(int row) const { return listed_.at(static_cast<std::size_t>(row)); }

  // Sorts by a column, keeping equal entries in their order; selections and
  // other persistent indexes follow their rows.
  void Sort(SortState state);

  // A search's count for the entry in a row; what is listed stays as it is.
  void SetRank(int row, std::int32_t rank);
  // A tab switch: the hit counts of a search tab with the paths they were
  // counted for (see ApplyHitCounts), or nullptr for the "Conversations" tab.
  void ApplyTabCounts(const std::vector<std::int32_t>* counts,
                      const std::vector<FileNameBytes>& counted_paths);

  // The largest rank of the active search tab: the scale of the rank bars.
  std::int32_t highest_rank() const { return highest_rank_; }

 signals:
  // Which entries are listed has changed (a tab switch); ranks tell their
  // changes by dataChanged.
  void listingChanged();

 private:
  std::vector<ConversationEntry> entries_;
  std::vector<bool> listed_;
  std::function<QString(double)> date_text_;
  std::int32_t highest_rank_ = 0;
};

}  // namespace orvex
