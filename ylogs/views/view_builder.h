// Builds the view of a selection: the page and the transcripts of the chosen
// archive files, in the order given.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ylogs/render/document.h"
#include "ylogs/render/renderer.h"

namespace orvex {

struct ViewBuffers {
  TextItems html;  // the page, item by item
  TextItems text;  // one transcript per rendered file
};

// Called after each rendered file with its position from 0; returns true to
// stop the walk there.
using AfterEachFile = std::function<bool(std::size_t index)>;

// Fills `out` from scratch: the file header, then per file its conversation
// header, body and conversation footer (and its transcript), then the file
// footer with "%today" replaced by `today()`. When a file fails, the walk
// ends there, the footer still closes the page, and the error is rethrown.
// The window always renders with text_only off; the companion can set it.
// The page's items never move once added (their room is taken at the start),
// so another thread may read those already added while the walk goes on.
void BuildView(const std::vector<std::string>& paths, const Theme& theme,
               const RenderSettings& settings, RenderState& state, ViewBuffers& out,
               const AfterEachFile& after_each, const std::function<std::string()>& today,
               bool text_only = false);

}  // namespace orvex
