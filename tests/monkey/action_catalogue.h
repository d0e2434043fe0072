// The things a person does to the window, each on its real widgets: clicks
// and double clicks, keys, typing, the wheel, every menu command through its
// action. Each action picks its target with the monkey's random generator
// and notes what it hit.
#pragma once

#include <functional>
#include <vector>

#include "monkey.h"

namespace orvex::testing {

struct MonkeyAction {
  const char* name;
  int weight;  // how often, relative to the others
  std::function<void(Monkey&)> run;
};

const std::vector<MonkeyAction>& ActionCatalogue();

// Picks an action by weight.
const MonkeyAction& PickAction(Monkey& monkey);

}  // namespace orvex::testing
