// Runs a step when a scope ends, however it ends: the finishing steps of the
// long actions (hiding the wait panel, completing the page) must run also when
// the work before them failed or was cancelled.
#pragma once

#include <exception>
#include <functional>
#include <utility>

namespace orvex {

class Finally {
 public:
  explicit Finally(std::function<void()> step)
      : step_(std::move(step)), errors_before_(std::uncaught_exceptions()) {}
  Finally(const Finally&) = delete;
  Finally& operator=(const Finally&) = delete;

  // An error of the step goes on to the caller, unless the scope is being
  // left by an error of its own: the first error is the one reported.
  ~Finally() noexcept(false) {
    if (!step_) return;
    if (std::uncaught_exceptions() > errors_before_) {
      try {
        step_();
      } catch (...) {
      }
    } else {
      step_();
    }
  }

 private:
  std::function<void()> step_;
  int errors_before_;
};

}  // namespace orvex
