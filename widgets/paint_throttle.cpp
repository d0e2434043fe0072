#include "paint_throttle.h"

#include <algorithm>

namespace orvex {

PaintThrottle::PaintThrottle(QWidget* widget, int interval_ms)
    : widget_(widget), interval_ms_(interval_ms), hold_ms_(interval_ms) {}

PaintThrottle::~PaintThrottle() {
  if (widget_ && held_) widget_->setUpdatesEnabled(true);
}

void PaintThrottle::Step() {
  if (!widget_) return;
  if (painting_) {
    // The last step painted during its turn: what that cost shows now (with
    // the step's own work; a quarter of a second at most, so that slow
    // files still move the progress).
    hold_ms_ =
        std::clamp<qint64>(4 * since_paint_.elapsed(), interval_ms_, std::max(interval_ms_, 250));
    since_paint_.start();
    painting_ = false;
  }
  const bool paint = !since_paint_.isValid() || since_paint_.hasExpired(hold_ms_);
  if (paint) {
    since_paint_.start();
    painting_ = true;
  }
  // Turning updates back on repaints the whole widget once, with the values
  // of this step.
  if (paint == held_) widget_->setUpdatesEnabled(paint);
  held_ = !paint;
}

}  // namespace orvex
