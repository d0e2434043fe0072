// The window's error guard, as a panel or an action holds it: a handler run
// in it shows an error it raises in the general error box, and it goes no
// further. A panel that handles its own controls (its sort, its tabs, its
// switches) runs them in the guard the window gives it.
#pragma once

#include <functional>
#include <utility>

namespace orvex {

// Runs an action; whether it ran to its end.
using Guard = std::function<bool(const std::function<void()>&)>;

class GuardedHandlers {
 public:
  void SetGuard(Guard guard) { guard_ = std::move(guard); }

 protected:
  // Without a guard (a panel alone) an error goes on to the caller.
  bool Handle(const std::function<void()>& handler) const {
    if (guard_) return guard_(handler);
    handler();
    return true;
  }

 private:
  Guard guard_;
};

}  // namespace orvex
