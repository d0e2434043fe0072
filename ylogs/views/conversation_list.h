// The conversation list's rules that need no window: its columns, how two
// entries compare, the header's sort direction, the hit counts of a search tab
// and the width of a rank bar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ylogs/discovery/conversation_entry.h"

namespace orvex {

inline constexpr int kConversationColumns = 9;
enum ConversationColumn {
  kIdentityColumn = 0,
  kFriendColumn = 1,
  kDateColumn = 2,
  kStartTimeColumn = 3,
  kEndTimeColumn = 4,
  kWordsColumn = 5,
  kSizeColumn = 6,
  kFileNameColumn = 7,
  kRankColumn = 8,
};

const char* ConversationColumnCaption(int column);
int ConversationColumnWidth(int column);
bool ConversationColumnInitiallyShown(int column);
bool IsTextColumn(int column);
// The text a text column shows (code-page bytes).
const std::string& ColumnText(const ConversationEntry& entry, int column);

// Compares two entries by a numeric column (date, words, size, rank): negative,
// zero or positive. An entry without a date sorts before every dated one.
int CompareNumeric(const ConversationEntry& a, const ConversationEntry& b, int column);

// The header's sort state: no column at first, ascending.
struct SortState {
  int column = -1;
  bool descending = false;
};

// A click on a column header: that column becomes the sort column and the
// direction flips, also when the column has just changed.
SortState HeaderClick(SortState state, int column);

// What a tab switch does to the entries: for a search tab, count i belongs to
// the entry whose path was counted_paths[i] when the search ran, whatever the
// list's order is now; an entry takes its count as its rank and is listed only
// with hits (not at all when the search stored no count for it, its rank then
// kept). For the "Conversations" tab (counts == nullptr) every entry is listed.
struct TabFilter {
  std::vector<bool> listed;
  std::int32_t highest_rank = 0;
};
TabFilter ApplyHitCounts(std::vector<ConversationEntry>& entries,
                         const std::vector<std::int32_t>* counts,
                         const std::vector<FileNameBytes>& counted_paths);

// The hit counts the search list keeps as decimal texts, as numbers.
std::vector<std::int32_t> HitCountValues(const std::vector<std::string>& texts);

// The width of the bar of a rank in a cell whose inner width is
// right - left - 4: rank * inner / highest, rounded with halves to even.
int RankBarWidth(std::int32_t rank, int inner_width, std::int32_t highest_rank);

}  // namespace orvex
