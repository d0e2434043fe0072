// A long view prints a part at a time: a browser renderer that lays out a
// whole history for print runs out of memory (and takes longer than two
// renderers that share the parts). Each part is a page of its own: the file
// header, a run of conversations as the page file holds them and, after the
// last, the file footer.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "ylogs/render/document.h"
#include "ylogs/views/page_pieces.h"

namespace orvex {

// The conversations of each part, [first, end), in order: each part holds
// about `part_bytes` of conversations, and at least one.
std::vector<std::pair<std::size_t, std::size_t>> CutForPrinting(const TextItems& page,
                                                                const PageParts& parts,
                                                                std::size_t part_bytes);

// The page that prints conversations `range` of `page`.
std::string PrintPartPage(const TextItems& page, const PageParts& parts,
                          std::pair<std::size_t, std::size_t> range);

}  // namespace orvex
