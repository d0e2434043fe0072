// Copies of one day file, found in several profiles folders read as one
// history, folded into the conversations the list shows. Copies are never
// joined: a copy is either the conversation or stands behind one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/text_kinds.h"

namespace orvex {

// One copy of a day file, in folder order (the main folder first).
struct DayCopy {
  FileNameBytes path;
  std::int64_t size = 0;
};

// A conversation made of copies: the copy shown, and those folded behind it.
struct FoldedDay {
  std::size_t shown = 0;            // index into the copies
  std::vector<std::size_t> behind;  // the copies it stands for, in folder order
};

// Whether the bytes of `shorter` (of its listed size) begin those of
// `longer`; a copy that cannot be read begins nothing.
using BeginsWith = std::function<bool(const DayCopy& shorter, const DayCopy& longer)>;

// Folds the copies: copies with the same bytes are one conversation, the
// first folder's copy; a copy whose bytes begin another's stands behind the
// longest copy that begins with them (the first of equally long ones);
// copies that differ otherwise are conversations of their own. In the order
// of their shown copies. `begins` is asked only of a shorter (or equally long)
// copy against a longer one.
std::vector<FoldedDay> FoldCopies(const std::vector<DayCopy>& copies, const BeginsWith& begins);

// The files' own bytes, read side by side up to the first difference.
bool FileBeginsFile(const DayCopy& shorter, const DayCopy& longer);

}  // namespace orvex
