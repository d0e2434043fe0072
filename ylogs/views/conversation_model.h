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

  // Replaces every row.
  void SetEntries(std::vector<ConversationEntry> entries);
  const std::vector<ConversationEntry>& entries() const { return entries_; }
  std::vector<ConversationEntry>& mutable_entries() { return entries_; }
  const ConversationEntry& EntryAt(int row) const {
    return entries_.at(static_cast<std::size_t>(row));
  }

  // Sorts by a column, keeping equal entries in their order; selections and
  // other persistent indexes follow their rows.
  void Sort(SortState state);

  // The largest rank of the active search tab: the scale of the rank bars.
  std::int32_t highest_rank() const { return highest_rank_; }
  void set_highest_rank(std::int32_t rank) { highest_rank_ = rank; }

  // Whether the active search tab hides a row (the view follows it).
  std::vector<bool>& hidden() { return hidden_; }

 private:
  std::vector<ConversationEntry> entries_;
  std::vector<bool> hidden_;
  std::function<QString(double)> date_text_;
  std::int32_t highest_rank_ = 0;
};

}  // namespace orvex
