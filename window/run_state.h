// The main window's state of the long action that runs (a view, a search, an
// export or printing) and its wait panel.
#pragma once

#include <memory>

#include "window/long_action.h"

namespace orvex {

struct RunState {
  std::unique_ptr<WaitPanelDisplay> wait_display;
  LongActionRunner* runner = nullptr;  // owned by the window
  bool cancel_request = false;         // "Cancel" on the wait panel
};

}  // namespace orvex
