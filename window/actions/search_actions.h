// The search: every listed conversation ranked by the hits of a text, shown
// on a tab of its own.
#pragma once

namespace orvex {

struct WindowContext;

class SearchActions {
 public:
  explicit SearchActions(const WindowContext& context) : ctx_(context) {}

  void btnSearchNextClick();

 private:
  const WindowContext& ctx_;
};

}  // namespace orvex
