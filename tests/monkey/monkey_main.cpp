// The monkey runs on the offscreen platform like the window tests, with its
// surroundings pointed into a scratch folder first.
#include <gtest/gtest.h>

#include <QApplication>

#include <unistd.h>

#include "monkey_environment.h"

int main(int argc, char** argv) {
  orvex::testing::SetUpMonkeyEnvironment();
  // Offscreen unless told otherwise: under xvfb-run with QT_QPA_PLATFORM=xcb
  // a run can be watched.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-logging");
  int result = 0;
  {
    QApplication app(argc, argv);
    // Closing the window is one of the monkey's actions; the program starts again.
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  orvex::testing::TearDownMonkeyEnvironment();
  return result;
}
