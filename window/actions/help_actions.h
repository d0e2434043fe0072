// The guide shipped with the program, and the About box.
#pragma once

#include <QCoreApplication>
#include <utility>

#include "window/actions/action_host.h"

namespace orvex {

class HelpActions {
  Q_DECLARE_TR_FUNCTIONS(HelpActions)

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
