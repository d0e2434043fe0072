// The texts of the statistics grid: 7 rows by 4 columns.
#pragma once

#include <string>

#include "renderer.h"

namespace orvex {

inline constexpr int kStatisticsRows = 7;
inline constexpr int kStatisticsColumns = 4;

// The header caption of a column: "", "Local user", "Friend", "Total".
std::string StatisticsColumnCaption(int column);

// The text of a cell, computed from the counters as they stand. Columns 1 and
// 2 divide as integers ("0" for a zero divisor); column 3 divides in floating
// point and rounds halves to even.
std::string StatisticsCellText(const MessageCounters& counters, int row, int column);

// The grid as text: the header line and the 7 rows, cells joined by TAB, LF
// after each line.
std::string StatisticsGridText(const MessageCounters& counters);

}  // namespace orvex
