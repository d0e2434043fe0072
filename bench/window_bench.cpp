// The window's "Select all messages" on 1,000 conversations, offscreen: the
// time until the page is written and until the browser view has loaded it,
// against orvex-cli render of the same files with the same theme and formats,
// in alternating rounds. A zero-timer counts how often the window processed
// its events during the view (the viewer yields after each file).
//
//   orvex_window_bench [--gtest_filter=...]   (ORVEX_BENCH_ROUNDS, default 5)
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "qt_platform/regional_formats.h"
#include "sample_archives.h"
#include "tests/window/window_fixture.h"
#include "window/list/conversation_model.h"
#include "window/viewer/safe_web_page.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

constexpr int kConversations = 1000;
constexpr int kMessagesPerFile = 25;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

class WindowBench : public WindowTest {
 protected:
  // The dates and times in the user's regional formats, as the window writes
  // them for the user, not the tests' fixed ones.
  void Configure(FrmMainEnvironment& env) override { env.formatter = &regional_; }

  void SetUp() override {
    // The shipped default theme, so that the window and the companion dress
    // every message alike.
    WriteBytes(program / "themes/default.th", ReadWholeFile(ORVEX_SOURCE_DIR "/themes/default.th"));
    for (int i = 0; i < kConversations; ++i) {
      char day[16];
      std::snprintf(day, sizeof day, "%04d%02d%02d", 2005 + i / 336, i / 28 % 12 + 1, i % 28 + 1);
      const std::string path =
          ProfilesFolder() + "user1/Archive/Messages/pal/" + day + "-user1.dat";
      WriteBytes(path, bench::SampleArchive(kMessagesPerFile, static_cast<unsigned>(i)));
      files_ << QString::fromStdString(path);
    }
  }

  // orvex-cli render of the same files, with the window's theme and formats.
  double CompanionMilliseconds() {
    QStringList args = {
        "render",        "--theme",  QString::fromStdString(program / "themes/default.th"),
        "--date-format", "%Y-%m-%d", "--time-format",
        "%H:%M:%S"};
    args << files_;
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    cli.start(ORVEX_CLI, args);
    EXPECT_TRUE(cli.waitForFinished(120000));
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    EXPECT_EQ(cli.exitCode(), 0);
    return ms;
  }

  QStringList files_;
  RegionalFormatter regional_;
};

TEST_F(WindowBench, SelectAllMessagesOnAThousandConversations) {
  const char* rounds_text = std::getenv("ORVEX_BENCH_ROUNDS");
  const int rounds = rounds_text ? std::max(1, std::atoi(rounds_text)) : 5;
  TfrmMain& w = Start();
  // Shown, as the user has it: a hidden view loads at background priority.
  w.resize(1280, 1024);
  w.show();
  SelectNode(w, "pal");
  ASSERT_EQ(w.list().model().rowCount(), kConversations);

  std::vector<double> written, loaded, companion;
  int ticks = 0;
  QTimer tick;
  tick.setInterval(0);
  QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
  for (int round = 0; round < rounds; ++round) {
    // Start from an empty view, its page loaded and the browser's work on the
    // big page before it done, so that it does not compete with this round.
    {
      QEventLoop settle;
      QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &settle,
                       [&] { QTimer::singleShot(1500, &settle, &QEventLoop::quit); });
      QTimer::singleShot(30000, &settle, &QEventLoop::quit);
      SelectRows(w, {});
      settle.exec();
    }
    companion.push_back(CompanionMilliseconds());
    QEventLoop loop;
    bool finished = false;
    QElapsedTimer clock;
    const auto connection =
        QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &loop, [&] {
          finished = true;
          loop.quit();
        });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    ticks = 0;
    tick.start();
    clock.start();
    Choose(Ui(w).popMessage,
           "Select all messages");  // renders, writes the page and hands it to the view
    written.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    tick.stop();
    const int ticks_during_view = ticks;
    if (!finished) loop.exec();
    loaded.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    QObject::disconnect(connection);

    EXPECT_TRUE(finished) << "round " << round;
    // One conversation header, body and footer per file, between the file
    // header's lines and the footer.
    EXPECT_EQ(w.view().html_buffer().size(),
              SplitIntoItems(w.view().theme().file_header).size() + 3 * kConversations + 1);
    EXPECT_GE(ticks_during_view, kConversations / 2) << "events were not processed between files";
    std::printf(
        "round %d: page written %.1f ms, loaded %.1f ms, orvex-cli render %.1f ms, "
        "%d timer ticks during the view\n",
        round + 1, written.back(), loaded.back(), companion.back(), ticks_during_view);
  }
  const double w_ms = Median(written), l_ms = Median(loaded), c_ms = Median(companion);
  std::printf(
      "median of %d rounds, %d conversations of %d messages:\n"
      "  page written      %8.1f ms  (%.2f x orvex-cli render)\n"
      "  page loaded       %8.1f ms  (%.2f x orvex-cli render)\n"
      "  orvex-cli render  %8.1f ms\n",
      rounds, kConversations, kMessagesPerFile, w_ms, w_ms / c_ms, l_ms, l_ms / c_ms, c_ms);
  RecordProperty("page_written_ms", static_cast<int>(w_ms));
  RecordProperty("page_loaded_ms", static_cast<int>(l_ms));
  RecordProperty("cli_render_ms", static_cast<int>(c_ms));
}

}  // namespace
}  // namespace orvex::testing
