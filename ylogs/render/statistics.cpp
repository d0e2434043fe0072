#include "statistics.h"
#include "ylogs/base/ui_text.h"

#include <cmath>

namespace orvex {
namespace {

std::int32_t Sum(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::string SideQuotient(std::int32_t dividend, std::int32_t divisor) {
  if (divisor == 0) return "0";
  return std::to_string(static_cast<std::int64_t>(dividend) / divisor);
}

std::string TotalQuotient(std::int32_t dividend, std::int32_t divisor) {
  if (divisor == 0) return "0";
  const double q = static_cast<double>(dividend) / static_cast<double>(divisor);
  return std::to_string(static_cast<std::int64_t>(std::nearbyint(q)));  // ties to even
}

}  // namespace

std::string StatisticsColumnCaption(int column) {
  switch (column) {
    case 1:
      return UI_TEXT("Core", "Local user");
    case 2:
      return UI_TEXT("Core", "Friend");
    case 3:
      return UI_TEXT("Core", "Total");
    default:
      return "";
  }
}

std::string StatisticsCellText(const MessageCounters& counters, int row, int column) {
  static const char* const kRowCaptions[kStatisticsRows] = {
      UI_TEXT("Core", "messages"),
      UI_TEXT("Core", "words"),
      UI_TEXT("Core", "bytes"),
      UI_TEXT("Core", "avg words/message"),
      UI_TEXT("Core", "avg word length"),
      UI_TEXT("Core", "avg bytes/message"),
      UI_TEXT("Core", "conversations started")};
  if (row < 0 || row >= kStatisticsRows || column < 0 || column >= kStatisticsColumns) return "";
  if (column == 0) return kRowCaptions[row];
  MessageCounters::Side s;
  if (column == 3) {
    const auto& a = counters.side[0];
    const auto& b = counters.side[1];
    s = {Sum(a.messages, b.messages), Sum(a.words, b.words), Sum(a.bytes, b.bytes),
         Sum(a.started, b.started)};
  } else {
    s = counters.side[column - 1];
  }
  auto quotient = column == 3 ? TotalQuotient : SideQuotient;
  switch (row) {
    case 0:
      return std::to_string(s.messages);
    case 1:
      return std::to_string(s.words);
    case 2:
      return std::to_string(s.bytes);
    case 3:
      return quotient(s.words, s.messages);
    case 4:
      return quotient(s.bytes, s.words);
    case 5:
      return quotient(s.bytes, s.messages);
    default:
      return std::to_string(s.started);
  }
}

std::string StatisticsGridText(const MessageCounters& counters) {
  std::string out;
  for (int c = 0; c < kStatisticsColumns; ++c) {
    if (c) out += '\t';
    out += StatisticsColumnCaption(c);
  }
  out += '\n';
  for (int r = 0; r < kStatisticsRows; ++r) {
    for (int c = 0; c < kStatisticsColumns; ++c) {
      if (c) out += '\t';
      out += StatisticsCellText(counters, r, c);
    }
    out += '\n';
  }
  return out;
}

}  // namespace orvex
