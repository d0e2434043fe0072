// Window tests run on the offscreen platform (the bench may name another, to
// time a real window: ORVEX_WINDOW_PLATFORM=xcb); the browser view needs no
// sandbox under the test account.
#include <gtest/gtest.h>

#include <QApplication>

#include <unistd.h>

int main(int argc, char** argv) {
  const QByteArray platform = qgetenv("ORVEX_WINDOW_PLATFORM");
  qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-logging");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
