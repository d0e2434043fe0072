// The random-use driver: for each seed, a window on a generated profiles
// folder takes random actions on its real widgets, its dialogs answered at
// random, and after every action the invariants are checked. A failure
// prints the seed and the action log; the same seed replays the same actions.
//
//   ORVEX_MONKEY_SEEDS    seeds, comma-separated (default 1,2,3)
//   ORVEX_MONKEY_ACTIONS  actions per seed (default 100)
//   ORVEX_MONKEY_SECONDS  the bound one action must settle within (default 30)
//   ORVEX_MONKEY_VERBOSE  1: print every action as it ends
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include "widgets/tab_strip.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "action_catalogue.h"
#include "dialog_answerer.h"
#include "invariants.h"
#include "monkey_environment.h"
#include "platform/ini_registry.h"
#include "tests/support/archive_writer.h"
#include "tests/window/window_fixture.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint32_t> Seeds() {
  std::vector<std::uint32_t> seeds;
  const char* text = std::getenv("ORVEX_MONKEY_SEEDS");
  std::string list = text && *text ? text : "1,2,3";
  std::size_t at = 0;
  while (at < list.size()) {
    const std::size_t comma = list.find(',', at);
    seeds.push_back(static_cast<std::uint32_t>(
        std::stoul(list.substr(at, comma == std::string::npos ? std::string::npos : comma - at))));
    if (comma == std::string::npos) break;
    at = comma + 1;
  }
  return seeds;
}

int EnvNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::atoi(text) : fallback;
}

// The run under way, for the crash handler and the watchdog.
Monkey* g_running = nullptr;

void PrintCrash(int signal) {
  if (g_running) {
    const std::string tail = g_running->Tail(40);
    std::fprintf(stderr, "\nmonkey: signal %d\n%s", signal, tail.c_str());
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Ends the process when one action does not come back: a hang.
class Watchdog {
 public:
  explicit Watchdog(int seconds) : seconds_(seconds), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  void Arm() { started_ = Now(); }
  void Disarm() { started_ = 0; }

 private:
  static std::int64_t Now() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  void Watch() {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      const std::int64_t started = started_;
      if (started && Now() - started > seconds_ && g_running) {
        const std::string tail = g_running->Tail(40);
        std::fprintf(stderr, "\nmonkey: an action did not come back in %d s (hang)\n%s", seconds_,
                     tail.c_str());
        std::abort();
      }
    }
  }
  int seconds_;
  std::atomic<std::int64_t> started_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

class MonkeyRun {
 public:
  MonkeyRun(std::uint32_t seed, const fs::path& root)
      : world_(root, seed),
        monkey_(seed, world_),
        answers_(monkey_),
        closer_(monkey_),
        invariants_(monkey_, WatchedOutsideFolders()) {
    monkey_.answers = &answers_;
    if (seed % 2) {
      WriteBytes((world_.config / "registry.ini").string(),
                 "[Software/Yahoo/Pager]\r\nYahoo! User ID=" + world_.identities.front() + "\r\n");
    }
    registry_ = std::make_unique<IniRegistry>((world_.config / "registry.ini").string());
  }

  // Runs `actions` actions; the failures, with the log to replay them.
  std::string Run(int actions, int bound_seconds, bool verbose) {
    Open();
    invariants_.TakeBaseline();
    Watchdog watchdog(bound_seconds * 3);
    g_running = &monkey_;
    std::string failure;
    for (int i = 0; i < actions && failure.empty(); ++i) {
      const MonkeyAction& action = PickAction(monkey_);
      monkey_.Begin(i, action.name);
      watchdog.Arm();
      QElapsedTimer clock;
      clock.start();
      action.run(monkey_);
      if (!window_->isVisible()) {  // closed: the program is started again
        monkey_.Note("window closed, started again");
        Reopen();
      }
      const bool settled =
          WaitFor([&] { return !window_->long_action_running(); }, bound_seconds * 1000);
      QCoreApplication::processEvents();
      watchdog.Disarm();
      if (!settled || clock.elapsed() > bound_seconds * 1000)
        failure += "action took " + std::to_string(clock.elapsed()) + " ms\n";
      for (const std::string& f : invariants_.Check(*window_)) failure += f + "\n";
      if (const int restocked = invariants_.RestockIfThin())
        monkey_.Note(std::to_string(restocked) + " deleted archive files restored");
      if (verbose) std::fprintf(stderr, "%s\n", monkey_.log.back().c_str());
    }
    g_running = nullptr;
    if (failure.empty()) {
      // Leaving through the close box writes the settings; nothing else may change.
      window_->close();
      for (const std::string& f : invariants_.Check(*window_)) failure += f + "\n";
    }
    window_.reset();
    if (failure.empty()) return {};
    return "invariant failed after the last action:\n" + failure + monkey_.Report();
  }

 private:
  void Open() {
    FrmMainEnvironment env;
    env.program_folder = world_.program.string() + "/";
    env.program_files = (world_.root / "profiles").string() + "/";
    env.temp_folder = QString::fromStdString(world_.pages.string());
    env.registry = registry_.get();
    env.dialogs = &answers_;
    env.shell = &answers_;
    env.folder_picker = &answers_;
    env.dat_files = &answers_;
    env.save_dialogs = &answers_;
    env.show_modal = [this](QDialog& d) { return answers_.ShowModal(d); };
    env.formatter = &formatter_;
    env.now = [] { return CivilDateToDayCount(2026, 12, 7) + 0.5; };
    window_ = std::make_unique<TfrmMain>(std::move(env));
    window_->FormCreate();
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) monkey_.Note("window not exposed");
    monkey_.window = window_.get();
    TfrmMain* w = window_.get();
    monkey_.list_refilled_under_search = false;
    QObject::connect(Ui(*w).msg->model(), &QAbstractItemModel::modelReset, w, [this, w] {
      if (Ui(*w).TabSet->currentIndex() > 0) monkey_.list_refilled_under_search = true;
    });
    QObject::connect(Ui(*w).TabSet, &QTabBar::currentChanged, w,
                     [this] { monkey_.list_refilled_under_search = false; });
    // "Cancel" on the wait panel now and then, and input that must be refused.
    QObject::connect(Ui(*w).WaitProgress, &QProgressBar::valueChanged, w, [this, w](int position) {
      if (position < 1) return;
      if (monkey_.SideChance(15)) {
        monkey_.Note("wait panel: Cancel at " + std::to_string(position));
        QTest::mouseClick(Ui(*w).btnCancel, Qt::LeftButton);
      } else if (monkey_.SideChance(5)) {
        monkey_.Note("Search clicked while busy");
        QTest::mouseClick(Ui(*w).btnSearchNext, Qt::LeftButton);
      }
    });
  }

  void Reopen() {
    window_.reset();
    monkey_.window = nullptr;
    Open();
  }

  ScratchWorld world_;
  Monkey monkey_;
  DialogAnswerer answers_;
  ModalCloser closer_;
  Invariants invariants_;
  IsoFormatter formatter_;
  std::unique_ptr<IniRegistry> registry_;
  std::unique_ptr<TfrmMain> window_;
};

TEST(Monkey, RandomUseKeepsTheInvariants) {
  for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(s, PrintCrash);
  const int actions = EnvNumber("ORVEX_MONKEY_ACTIONS", 100);
  const int bound = EnvNumber("ORVEX_MONKEY_SECONDS", 30);
  const bool verbose = EnvNumber("ORVEX_MONKEY_VERBOSE", 0) != 0;
  for (std::uint32_t seed : Seeds()) {
    QElapsedTimer clock;
    clock.start();
    std::string failure;
    {
      MonkeyRun run(seed, ScratchRoot() / ("seed-" + std::to_string(seed)));
      failure = run.Run(actions, bound, verbose);
    }
    std::fprintf(stderr, "monkey: seed %u, %d actions, %lld ms%s\n", seed, actions,
                 static_cast<long long>(clock.elapsed()), failure.empty() ? "" : ", FAILED");
    ASSERT_TRUE(failure.empty()) << failure;
  }
}

}  // namespace
}  // namespace orvex::testing
