#include "paint_throttle.h"

namespace orvex {

PaintThrottle::PaintThrottle(QWidget* widget, int interval_ms)
    : widget_(widget), interval_ms_(interval_ms) {}

PaintThrottle::~PaintThrottle() {
  if (widget_ && held_) widget_->setUpdatesEnabled(true);
}

void PaintThrottle::Step() {
  if (!widget_) return;
  const bool paint = !since_paint_.isValid() || since_paint_.hasExpired(interval_ms_);
  if (paint) since_paint_.start();
  // Turning updates back on repaints the whole widget once, with the values
  // of this step.
  if (paint == held_) widget_->setUpdatesEnabled(paint);
  held_ = !paint;
}

}  // namespace orvex
