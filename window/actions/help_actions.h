// The guide shipped with the program, and the About box.
#pragma once

#include <utility>

#include "window/actions/action_host.h"

namespace orvex {

class HelpActions {
 public:
  explicit HelpActions(ActionHost host) : host_(std::move(host)) {}

  void Onlinehelp1Click();
  void Orvexhomepage1Click();
  void btnForumClick();
  void Suggestionsandbugsreports1Click();
  void About1Click();

 private:
  ActionHost host_;
};

}  // namespace orvex
