#include "conversation_list.h"
#include "ylogs/base/ui_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <unordered_map>

namespace orvex {
namespace {

struct ColumnInfo {
  const char* caption;
  int width;
  bool shown;
};

constexpr ColumnInfo kColumns[kConversationColumns] = {
    {UI_TEXT("Core", "Identity"), 170, true}, {UI_TEXT("Core", "Friend"), 130, true},
    {UI_TEXT("Core", "Date"), 76, true},      {UI_TEXT("Core", "Start time"), 76, false},
    {UI_TEXT("Core", "End time"), 76, false}, {UI_TEXT("Core", "Words"), 30, false},
    {UI_TEXT("Core", "Size"), 100, true},     {UI_TEXT("Core", "Filename"), 150, true},
    {UI_TEXT("Core", "Rank"), 50, false},
};

template <typename T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

const char* ConversationColumnCaption(int column) {
  return kColumns[column].caption;
}
int ConversationColumnWidth(int column) {
  return kColumns[column].width;
}
bool ConversationColumnInitiallyShown(int column) {
  return kColumns[column].shown;
}

bool IsTextColumn(int column) {
  return column == kIdentityColumn || column == kFriendColumn || column == kStartTimeColumn ||
         column == kEndTimeColumn || column == kFileNameColumn;
}

const std::string& ColumnText(const ConversationEntry& e, int column) {
  switch (column) {
    case kIdentityColumn:
      return e.identity;
    case kFriendColumn:
      return e.friend_name;
    case kStartTimeColumn:
      return e.start_time;
    case kEndTimeColumn:
      return e.end_time;
    default:
      return e.file_name;
  }
}

int CompareNumeric(const ConversationEntry& a, const ConversationEntry& b, int column) {
  switch (column) {
    case kDateColumn:
      return Order(a.date, b.date);  // none sorts first
    case kWordsColumn:
      return Order(a.words, b.words);
    case kSizeColumn:
      return Order(a.size, b.size);
    case kRankColumn:
      return Order(a.rank, b.rank);
    default:
      return 0;
  }
}

SortState HeaderClick(SortState state, int column) {
  state.column = column;
  state.descending = !state.descending;
  return state;
}

TabFilter ApplyHitCounts(std::vector<ConversationEntry>& entries,
                         const std::vector<std::int32_t>* counts,
                         const std::vector<FileNameBytes>& counted_paths) {
  TabFilter result;
  result.listed.assign(entries.size(), counts == nullptr);
  if (!counts) return result;
  const std::size_t counted = std::min(counts->size(), counted_paths.size());
  std::unordered_map<std::string_view, std::int32_t> count_of_path;
  count_of_path.reserve(counted);
  for (std::size_t i = 0; i < counted; ++i) count_of_path.emplace(counted_paths[i], (*counts)[i]);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto found = count_of_path.find(entries[i].path);
    if (found == count_of_path.end()) continue;
    entries[i].rank = found->second;
    result.listed[i] = entries[i].rank >= 1;
    result.highest_rank = std::max(result.highest_rank, entries[i].rank);
  }
  return result;
}

std::vector<std::int32_t> HitCountValues(const std::vector<std::string>& texts) {
  std::vector<std::int32_t> values;
  values.reserve(texts.size());
  for (const std::string& text : texts) {
    values.push_back(static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10)));
  }
  return values;
}

int RankBarWidth(std::int32_t rank, int inner_width, std::int32_t highest_rank) {
  if (highest_rank == 0) return 0;
  const double w = static_cast<double>(rank) * inner_width / static_cast<double>(highest_rank);
  return static_cast<int>(std::nearbyint(w));
}

}  // namespace orvex
