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
  // Through software OpenGL a window's paint costs tens of milliseconds: one
  // per interval would leave the loop little time of its own.
  CountingWidget w;
  w.resize(100, 20);
  w.show();
  QCoreApplication::processEvents();
  w.paints = 0;
  w.paint_ms = 40;
  QElapsedTimer loop;
  loop.start();
  {
    PaintThrottle throttle(&w, 10);
    while (!loop.hasExpired(1000)) {
      throttle.Step();
      w.update();
      QCoreApplication::processEvents();
    }
  }
  // Each paint holds the next for at least 160 ms after it: six or seven in
  // a second; painting at every chance would give 20 or more.
  EXPECT_GE(w.paints, 2);
  EXPECT_LE(w.paints, 8);
}

}  // namespace
}  // namespace orvex
