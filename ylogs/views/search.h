// The search: how often a text occurs in the messages of each listed
// conversation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ylogs/render/renderer.h"

namespace orvex {

// The number of places at which `pattern` occurs in `text`, overlapping places
// included (byte-wise comparison). An empty pattern gives 0.
std::int32_t CountHits(std::string_view pattern, std::string_view text);

// Searches the files in order: each is rendered in text-only mode, its
// transcript upper-cased (a to z only) and the upper-cased text counted in it.
// Each count is appended to `counts` as soon as it is known; `after_each` is
// called with the number searched so far and returns true to stop. A file that
// fails ends the walk by throwing, with the counts so far kept.
void SearchFiles(const std::vector<std::string>& paths, std::string_view text,
                 const RenderSettings& settings, RenderState& state,
                 std::vector<std::int32_t>& counts,
                 const std::function<bool(std::size_t searched)>& after_each);

}  // namespace orvex
