// The guide shipped with the program, and the About box.
#pragma once

namespace orvex {

struct WindowContext;

class HelpActions {
 public:
  explicit HelpActions(const WindowContext& context) : ctx_(context) {}

  void Onlinehelp1Click();
  void Orvexhomepage1Click();
  void btnForumClick();
  void Suggestionsandbugsreports1Click();
  void About1Click();

 private:
  const WindowContext& ctx_;
};

}  // namespace orvex
