// One archive file rendered apart from the others, on any thread, and taken
// later in its place: what lets the view and the exports render files side
// by side and still show what one file after another would.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "renderer.h"

namespace orvex {

// What a file adds, and what it would have shown or raised on the way.
struct RenderedFile {
  std::string body;
  RenderState state;  // its own counts and transcript
  std::vector<std::string> messages;
  std::exception_ptr error;
};

// Renders with a copy of `settings` whose message boxes are collected, on a
// state of its own; catches every error. Safe on a worker thread as long as
// what `settings` points to is only read.
RenderedFile RenderOnItsOwn(const std::string& path, bool text_only,
                            const RenderSettings& settings);

// Shows the file's messages through `settings` and leaves `state` as
// rendering the file on it would have: counts added, transcript and pending
// start taken over. The error, if any, is the caller's to rethrow.
void TakeRenderedFile(RenderedFile& file, const RenderSettings& settings, RenderState& state);

}  // namespace orvex
