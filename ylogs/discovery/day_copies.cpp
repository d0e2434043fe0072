#include "ylogs/discovery/day_copies.h"

#include "platform/file_system.h"

namespace orvex {

std::vector<FoldedDay> FoldCopies(const std::vector<DayCopy>& copies, const BeginsWith& begins) {
  const std::size_t n = copies.size();
  // Each copy's conversation: the longest copy its bytes begin (itself when
  // none is longer), the first of equally long ones.
  std::vector<std::size_t> shown_by(n);
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t best = i;
    for (std::size_t j = 0; j < n; ++j) {
      if (j == i) continue;
      const bool longer = copies[j].size > copies[best].size;
      const bool as_long_before = copies[j].size == copies[best].size && j < best;
      if (!longer && !as_long_before) continue;
      if (copies[j].size < copies[i].size) continue;
      if (begins(copies[i], copies[j])) best = j;
    }
    shown_by[i] = best;
  }
  std::vector<FoldedDay> days;
  for (std::size_t i = 0; i < n; ++i) {
    if (shown_by[i] != i) continue;
    FoldedDay day;
    day.shown = i;
    for (std::size_t j = 0; j < n; ++j) {
      if (j != i && shown_by[j] == i) day.behind.push_back(j);
    }
    days.push_back(std::move(day));
  }
  return days;
}

bool FileBeginsFile(const DayCopy& shorter, const DayCopy& longer) {
  if (shorter.size > longer.size || shorter.size < 0) return false;
  if (shorter.size == 0) return true;  // nothing to read: empty begins everything
  bool same = false;
  return files::SameFileStarts(shorter.path, longer.path, static_cast<std::uint64_t>(shorter.size),
                               same) == 0 &&
         same;
}

}  // namespace orvex
