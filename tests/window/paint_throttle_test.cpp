// The wait panel's paint throttle: exact values every step, a paint at most
// once per interval, normal painting afterwards.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QThread>
#include <QWidget>

#include "widgets/paint_throttle.h"

namespace orvex {
namespace {

class CountingWidget : public QWidget {
 public:
  int paints = 0;
  int paint_ms = 0;  // what a paint costs

 protected:
  void paintEvent(QPaintEvent*) override {
    ++paints;
    QThread::msleep(paint_ms);
  }
};

TEST(PaintThrottle, PaintsTheFirstStepThenOncePerIntervalAndNormallyAfterwards) {
  CountingWidget w;
  w.resize(100, 20);
  w.show();
  QCoreApplication::processEvents();
  w.paints = 0;
  {
    PaintThrottle throttle(&w, 1000);
    for (int step = 0; step < 200; ++step) {
      throttle.Step();
      w.repaint();  // as a progress bar repaints on every new value
      w.update();
      QCoreApplication::processEvents();
    }
    EXPECT_GE(w.paints, 1);  // the first step shows
    EXPECT_LE(w.paints, 4);  // 200 fast steps within a second or two
    EXPECT_FALSE(w.updatesEnabled());
    // A step after the interval paints again.
    const int before = w.paints;
    QThread::msleep(1010);
    throttle.Step();
    w.repaint();
    EXPECT_GT(w.paints, before);
  }
  EXPECT_TRUE(w.updatesEnabled());
  const int after = w.paints;
  w.repaint();
  EXPECT_EQ(w.paints, after + 1);
}

TEST(PaintThrottle, HoldsADearPaintForFourTimesItsCost) {
  CountingWidget w;
  w.paint_ms = 40;  // a window drawn through software OpenGL
  w.show();
  QElapsedTimer loop;
  loop.start();
  PaintThrottle throttle(&w, 10);
  for (; !loop.hasExpired(1000); QCoreApplication::processEvents()) {
    throttle.Step();
    w.update();
  }
  // A paint every 200 ms or so, not one at every chance (20 or more).
  EXPECT_GE(w.paints, 2);
  EXPECT_LE(w.paints, 8);
}

}  // namespace
}  // namespace orvex
