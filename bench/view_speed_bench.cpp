// How fast a selection shows in the browser view, offscreen: "Select all
// messages" on 10, 100 and 1,000 conversations of 25 messages, with each
// shipped theme, timed from the click to
//   written  the page written and handed to the view (the click returns),
//   loaded   the page in the view: its loadFinished, or for a long view
//            kept light, its script in (it can be scrolled anywhere),
//   scrollable  a scroll of a wheel's turn (one every 20 ms from the page
//            handed to the view, by a script of the bench's own) has moved
//            the live page, and the middle of the screen shows text,
//   first    the first paint of the view whose pixels show the new page: no
//            longer the empty page the selection started from, and not a
//            blank frame of one colour,
//   fcp      the page's own first-contentful-paint (performance timeline,
//            read in a script world of the bench's own after the load).
// Then, from the page as it stands,
//   end      End (the page scrolled to its bottom) until the last
//            conversation's last words are in the page, at its bottom,
//   find     Return in the find bar, for those words, with the page at its
//            top again, until they are marked on screen.
// During each view a 5 ms timer records the longest gap in the window's event
// handling, and the window's and its browser processes' peak resident memory
// is summed. Rounds alternate the order of the cases; medians are printed, one
// line per case, then summary lines: the largest size as a whole history,
// the window's "written" against orvex-cli render of the same files (run
// beside it in the same rounds), and the first screen per size.
//
// Environment (all optional):
//   ORVEX_VIEW_ROUNDS          rounds (default 3)
//   ORVEX_VIEW_SIZES           e.g. "10,1000" (default 10,100,1000)
//   ORVEX_VIEW_THEMES          e.g. "default,dark" (default: every theme beside
//                              the program)
//   ORVEX_VIEW_BASELINE_THEMES a folder of other theme files (another build's
//                              themes/), measured side by side as "before-<name>"
//                              at the largest size
//   ORVEX_VIEW_SHOTS           a folder: the first screen of each case is saved
//                              there as <theme>-<size>-first.png
//   ORVEX_VIEW_BUDGET_S        no new round once it would end past this many
//                              seconds
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <unistd.h>

#include "qt_platform/regional_formats.h"
#include "sample_archives.h"
#include "tests/window/window_fixture.h"
#include "window/list/conversation_model.h"
#include "window/viewer/live_page.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/still_while_loading.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/base/file_error.h"

namespace orvex::testing {
namespace {

constexpr int kMessagesPerFile = 25;

double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::vector<std::string> ListFromEnv(const char* name, const std::string& fallback) {
  const char* text = std::getenv(name);
  const QString list = QString::fromStdString(text && *text ? text : fallback);
  std::vector<std::string> items;
  for (const QString& item : list.split(',', Qt::SkipEmptyParts))
    items.push_back(item.trimmed().toStdString());
  return items;
}

// This process and every process started below it (the browser's).
std::vector<int> OurProcesses() {
  std::map<int, int> parent;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state;
    int ppid = 0;
    rest >> state >> ppid;
    parent[std::stoi(name)] = ppid;
  }
  std::set<int> ours{static_cast<int>(::getpid())};
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& [pid, ppid] : parent)
      if (ours.count(ppid) && ours.insert(pid).second) grew = true;
  }
  return {ours.begin(), ours.end()};
}

// Starts a new peak resident size for each of our processes.
void ResetPeakMemory() {
  for (int pid : OurProcesses())
    std::ofstream("/proc/" + std::to_string(pid) + "/clear_refs") << "5";
}

// The peak resident sizes since the reset, summed over our processes, in MB.
double PeakMemoryMb() {
  double kb = 0;
  for (int pid : OurProcesses()) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind("VmHWM:", 0) == 0) kb += std::atof(line.c_str() + 6);
  }
  return kb / 1024;
}

struct Sample {
  double written = 0, loaded = 0, first = -1, fcp = -1, gap = 0, memory = 0, scrollable = -1;
  double end = -1, find = -1;
};

// A word that only the last message of the last conversation of each size
// says, for the find.
std::string LastWord(int n) {
  return "zyxlast" + std::to_string(n);
}

class ViewSpeed : public WindowTest {
 protected:
  // The dates and times in the user's regional formats, as the window writes
  // them for the user, not the tests' fixed ones.
  void Configure(FrmMainEnvironment& env) override { env.formatter = &regional_; }

  void SetUp() override {
    const QDir shipped(QCoreApplication::applicationDirPath() + "/themes");
    for (const QString& name : shipped.entryList({"*.th"}, QDir::Files, QDir::Name)) {
      WriteBytes(program / ("themes/" + name.toStdString()).c_str(),
                 ReadWholeFile(shipped.filePath(name).toStdString()));
      themes_.push_back(name.chopped(3).toStdString());
    }
    std::filesystem::remove(program / "themes/other.th");
    const std::vector<std::string> wanted = ListFromEnv("ORVEX_VIEW_THEMES", "");
    if (!wanted.empty()) themes_ = wanted;
    if (const char* base = std::getenv("ORVEX_VIEW_BASELINE_THEMES"); base && *base) {
      const std::vector<std::string> mine = themes_;
      for (const std::string& theme : mine) {
        WriteBytes(program / ("themes/before-" + theme + ".th").c_str(),
                   ReadWholeFile(std::string(base) + "/" + theme + ".th"));
        themes_.push_back("before-" + theme);
      }
    }
    for (const std::string& size : ListFromEnv("ORVEX_VIEW_SIZES", "10,100,1000")) {
      const int n = std::stoi(size);
      sizes_.push_back(n);
      for (int i = 0; i < n; ++i) {
        char day[16];
        std::snprintf(day, sizeof day, "%04d%02d%02d", 2005 + i / 336, i / 28 % 12 + 1, i % 28 + 1);
        std::vector<testing::RecordToWrite> records =
            bench::SampleRecords(kMessagesPerFile, static_cast<unsigned>(i));
        if (i == n - 1) records.back().text = "the end, " + LastWord(n);
        WriteBytes(
            ProfilesFolder() + "user1/Archive/Messages/pal" + size + "/" + day + "-user1.dat",
            testing::EncodeArchive(records, bench::kSampleKey));
      }
    }
  }

  // Waits for the view's load and then for the browser to settle.
  static void LoadAndSettle(TfrmMain& w, const std::function<void()>& action) {
    QEventLoop settle;
    const auto c = QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &settle,
                                    [&] { QTimer::singleShot(1000, &settle, &QEventLoop::quit); });
    QTimer::singleShot(20000, &settle, &QEventLoop::quit);
    action();
    settle.exec();
    QObject::disconnect(c);
  }

  // Picks the theme from the theme box's list: the list drops down, the
  // pointer rests on the theme and Enter chooses it (a view, even when it is
  // the theme shown).
  static void ChooseTheme(TfrmMain& w, const std::string& theme) {
    QComboBox* box = Ui(w).cbxTheme;
    const int index = box->findText(QString::fromStdString(theme));
    ASSERT_GE(index, 0) << theme;
    box->showPopup();
    QAbstractItemView* list = box->view();
    list->setCurrentIndex(list->model()->index(index, box->modelColumn()));
    QTest::keyClick(list, Qt::Key_Return);
  }

  // The view's own widget, where Chromium's frames are drawn.
  static QWidget* Surface(TfrmMain& w) {
    QWidget* proxy = Ui(w).WebBrowser->focusProxy();
    return proxy ? proxy : Ui(w).WebBrowser;
  }

  Sample Measure(TfrmMain& w, const std::string& theme, int n) {
    // Start from the empty page: a new list clears the selection, or the
    // selection is cleared; each gives one view.
    const QString node = QString("pal%1").arg(n);
    if (!Ui(w).ids->currentItem() || Ui(w).ids->currentItem()->text(0) != node) {
      LoadAndSettle(w, [&] { SelectNode(w, node); });
    } else if (Ui(w).msg->selectionModel()->hasSelection()) {
      LoadAndSettle(w, [&] { SelectRows(w, {}); });
    }
    LoadAndSettle(w, [&] { ChooseTheme(w, theme); });
    EXPECT_EQ(Ui(w).cbxTheme->currentText().toStdString(), theme);
    EXPECT_EQ(w.list().model().rowCount(), n);
    Sample s = TimeView(
        w, [&] { Choose(Ui(w).popMessage, "Select all messages"); },
        theme + "-" + std::to_string(n));
    TimeEndAndFind(w, LastWord(n), s);
    return s;
  }

  // Asks `script` of the page every 20 ms until it answers true; the time
  // from the start in ms (-1: not within 60 s).
  static double Until(TfrmMain& w, const QElapsedTimer& clock, const QString& script) {
    for (;;) {
      QEventLoop answer;
      bool yes = false;
      Ui(w).web_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                    [&](const QVariant& v) {
                                      yes = v.toBool();
                                      answer.quit();
                                    });
      QTimer::singleShot(5000, &answer, &QEventLoop::quit);
      answer.exec();
      const double at = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      if (yes) return at;
      if (at > 60000) return -1;
      QTest::qWait(20);
    }
  }

  // end: from End (a script scrolls to the page's bottom, as the key does)
  // until the last conversation's last words are in the page at its bottom;
  // find: from Return in the find bar, with the page at its top again, until
  // those words are marked on screen.
  static void TimeEndAndFind(TfrmMain& w, const std::string& word, Sample& s) {
    const QString said = QString::fromStdString(word);
    QElapsedTimer clock;
    clock.start();
    Ui(w).web_page->runJavaScript("scrollTo(0, document.documentElement.scrollHeight)",
                                  QWebEngineScript::ApplicationWorld);
    s.end = Until(w, clock,
                  "document.body.innerText.includes('" + said +
                      "')&&scrollY+innerHeight>=document.documentElement.scrollHeight-2");
    Ui(w).web_page->runJavaScript("scrollTo(0, 0)", QWebEngineScript::ApplicationWorld);
    QTest::qWait(500);
    Choose(Ui(w).popMessage, "Find in view...");
    auto* find = w.findChild<QLineEdit*>("edFind");
    find->setText(said);
    clock.restart();
    QTest::keyClick(find, Qt::Key_Return);
    s.find = Until(w, clock,
                   "(function(){var g=getSelection();if(!g.rangeCount)return false;"
                   "var r=g.getRangeAt(0),b=r.getBoundingClientRect();return r.toString()==='" +
                       said + "'&&b.top>=0&&b.bottom<=innerHeight;})()");
    Ui(w).web_page->runJavaScript("getSelection().removeAllRanges()",
                                  QWebEngineScript::ApplicationWorld);
  }

  // Times `action`, which hands a new page to the view, against the page the
  // view shows now.
  static Sample TimeView(TfrmMain& w, const std::function<void()>& action,
                         const std::string& name = "page") {
    // The view may replace its surface widget when a page loads: paints are
    // watched application-wide and the surface is looked up each time.
    const QImage empty = Surface(w)->grab().toImage().convertToFormat(QImage::Format_RGB32);

    Sample s;
    QElapsedTimer clock;
    QEventLoop loop;
    bool loaded = false;
    // The answers about scrolling may come after this view's measure has
    // ended: they reach it through a state they share.
    struct Scroll {
      bool asking = false, ended = false;
      qint64 asked_at = 0;
      double scrollable = -1;
    };
    const auto scroll = std::make_shared<Scroll>();
    const auto done = [&] {
      if (loaded && s.first >= 0 && scroll->scrollable >= 0) loop.quit();
    };
    // A paint of the view's surface: look at its pixels once the paint is
    // over (grabbing inside the paint would paint again).
    qint64 last_paint = -1;
    bool check_queued = false;
    bool grabbing = false;  // a grab paints the surface: not a paint of the page
    auto check = [&] {
      check_queued = false;
      if (s.first >= 0) return;
      grabbing = true;
      const QImage now = Surface(w)->grab().toImage().convertToFormat(QImage::Format_RGB32);
      grabbing = false;
      if (now != empty && !IsOneColour(now)) {
        s.first = static_cast<double>(last_paint) / 1e6;
        if (const char* shots = std::getenv("ORVEX_VIEW_SHOTS"); shots && *shots)
          now.save(QString::fromStdString(std::string(shots) + "/" + name + "-first.png"));
        done();
      }
    };
    struct PaintWatch : QObject {
      std::function<void()> on_paint;
      QWebEngineView* view;
      bool eventFilter(QObject* o, QEvent* e) override {
        if ((e->type() == QEvent::Paint || e->type() == QEvent::UpdateRequest) &&
            (o == view || o == view->focusProxy()))
          on_paint();
        return false;
      }
    } watch;
    watch.view = Ui(w).WebBrowser;
    watch.on_paint = [&] {
      if (!clock.isValid() || s.first >= 0 || grabbing) return;
      last_paint = clock.nsecsElapsed();
      if (!check_queued) {
        check_queued = true;
        QTimer::singleShot(0, &loop, check);
      }
    };
    qApp->installEventFilter(&watch);
    // Longest time the window did not handle its events.
    qint64 last_tick = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      longest = std::max(longest, now - last_tick);
      last_tick = now;
    });
    // A long view is whole once its last piece is in; a page that loads
    // whole, at its loadFinished.
    bool pieces = false;
    const auto whole = [&] {
      if (!loaded) s.loaded = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      loaded = true;
      done();
    };
    const LivePage* live = w.findChild<ViewerPanel*>("PanBottom")->live_page();
    // A long view's first page may load while the files are still read.
    const auto c = QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &loop, [&] {
      if (!pieces && !live->growing() && !live->live()) whole();
    });
    const auto c2 = QObject::connect(live, &LivePage::completed, &loop, whole);
    // Every 20 ms a script of the bench's own scrolls the page as a wheel's
    // turn does (120 px) and tells whether it moved and the middle of the
    // screen shows text. (Wheel events sent to the view's widget offscreen
    // reached the page in some runs only.)
    // A question sent while the old page is still replaced may go unanswered:
    // after 500 ms the next turn asks again.
    QTimer wheel;
    wheel.setInterval(20);
    QObject::connect(&wheel, &QTimer::timeout, [&] {
      if (scroll->scrollable >= 0 ||
          (scroll->asking && clock.nsecsElapsed() - scroll->asked_at < 500000000))
        return;
      // Not before the first screen: a page not shown is not scrolled, and
      // a question to the browser then would slow what is timed.
      if (s.first < 0) return;
      // A page held still while it loads shows a picture, which takes the
      // wheel: the page itself cannot be scrolled yet.
      if (Ui(w).web_page->still_while_loading()->holding()) return;
      scroll->asking = true;
      const qint64 asked = scroll->asked_at = clock.nsecsElapsed();
      // The page handed to the view, not the one it showed before.
      const QString page = Ui(w).web_page->program_page().path();
      Ui(w).web_page->runJavaScript(
          "(function(){if(location.pathname!=='" + page +
              "')return false;"
              "var h=document.documentElement;if(h&&h.scrollHeight<=innerHeight)"
              "return document.readyState==='complete';scrollBy(0,120);"
              "if(window.scrollY<=0)return false;"
              "var e=document.elementFromPoint(innerWidth/2,innerHeight/2);"
              "return !!e&&(e.innerText||'').trim().length>0;})()",
          QWebEngineScript::ApplicationWorld, [scroll, asked, done](const QVariant& v) {
            if (scroll->ended) return;
            scroll->asking = false;
            if (scroll->scrollable < 0 && v.toBool()) {
              scroll->scrollable = static_cast<double>(asked) / 1e6;
              done();
            }
          });
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);

    ResetPeakMemory();
    const double epoch_start = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    clock.start();
    tick.start();
    action();
    s.written = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    pieces = w.findChild<ViewerPanel*>("PanBottom")->live_page()->live();
    wheel.start();
    loop.exec();
    wheel.stop();
    scroll->ended = true;
    s.scrollable = scroll->scrollable;
    tick.stop();
    longest = std::max(longest, clock.nsecsElapsed() - last_tick);
    s.gap = static_cast<double>(longest) / 1e6;
    s.memory = PeakMemoryMb();
    qApp->removeEventFilter(&watch);
    QObject::disconnect(c);
    QObject::disconnect(c2);
    EXPECT_TRUE(loaded);
    EXPECT_GE(s.scrollable, 0) << "the page never scrolled";
    EXPECT_GE(s.first, 0) << "no paint of the new page";

    // The page's own paint timing, in epoch milliseconds as the clock above;
    // a small page may report it a moment after its load.
    for (int attempt = 0; attempt < 20 && s.fcp < 0; ++attempt) {
      QEventLoop script;
      bool answered = false;
      Ui(w).web_page->runJavaScript(
          "(function(){var p=performance.getEntriesByName('first-contentful-paint');"
          "return p.length?performance.timeOrigin+p[0].startTime:-1;})()",
          QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
            const double at = v.toDouble();
            if (at > 0) s.fcp = at - epoch_start;
            answered = true;
            script.quit();
          });
      QTimer::singleShot(5000, &script, &QEventLoop::quit);
      if (!answered) script.exec();
      if (s.fcp < 0) QTest::qWait(50);
    }
    return s;
  }

  // orvex-cli render of the files the window shows for `n` conversations,
  // with the same theme, in ms (the whole process, its output discarded).
  double TimeCompanion(const std::string& theme, int n) {
    const QString profiles = QString::fromStdString(ProfilesFolder());
    const QString folder = QString("user1/Archive/Messages/pal%1/").arg(n);
    QStringList args{"render", "--theme",
                     QString::fromStdString(program / ("themes/" + theme + ".th"))};
    // Named from the profiles folder: the companion takes the identity and
    // the friend from the path, as the window does, and 30,000 such names
    // still fit a command line.
    for (const QString& name :
         QDir(profiles + folder).entryList({"*.dat"}, QDir::Files, QDir::Name))
      args << folder + name;
    QProcess cli;
    cli.setWorkingDirectory(profiles);
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    cli.start(QCoreApplication::applicationDirPath() + "/orvex-cli", args);
    EXPECT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitCode(), 0);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
  }

  std::vector<std::string> themes_;
  std::vector<int> sizes_;
  RegionalFormatter regional_;
};

TEST_F(ViewSpeed, FirstScreenLoadAndResponsiveness) {
  const char* rounds_text = std::getenv("ORVEX_VIEW_ROUNDS");
  const int rounds = rounds_text ? std::max(1, std::atoi(rounds_text)) : 3;
  TfrmMain& w = Start();
  w.resize(1280, 1024);
  w.show();

  std::vector<std::pair<std::string, int>> cases;
  const int largest = *std::max_element(sizes_.begin(), sizes_.end());
  for (int n : sizes_)
    for (const std::string& theme : themes_)
      if (theme.rfind("before-", 0) != 0 || n == largest) cases.emplace_back(theme, n);
  std::map<std::pair<std::string, int>, std::vector<Sample>> samples;
  std::map<std::string, std::vector<double>> companion;  // orvex-cli render, largest size
  // Rounds stop once the time budget is spent (at least one round).
  const char* budget_text = std::getenv("ORVEX_VIEW_BUDGET_S");
  const double budget_ms = (budget_text ? std::atof(budget_text) : 1e9) * 1000;
  QElapsedTimer spent;
  spent.start();
  int rounds_done = 0;
  for (int round = 0; round < rounds; ++round) {
    if (round > 0 && static_cast<double>(spent.elapsed()) * (round + 1) / round > budget_ms) break;
    ++rounds_done;
    // Alternate: every other round walks the cases backwards.
    std::vector<std::pair<std::string, int>> order = cases;
    if (round % 2) std::reverse(order.begin(), order.end());
    for (const auto& [theme, n] : order) {
      const Sample s = Measure(w, theme, n);
      samples[{theme, n}].push_back(s);
      std::printf(
          "round %d %-16s %5d: written %7.1f  first %7.1f  fcp %7.1f  loaded %7.1f  "
          "gap %6.1f ms  memory %6.0f MB  scrollable %7.1f  end %7.1f  find %7.1f\n",
          round + 1, theme.c_str(), n, s.written, s.first, s.fcp, s.loaded, s.gap, s.memory,
          s.scrollable, s.end, s.find);
      if (n == largest && theme.rfind("before-", 0) != 0)
        companion[theme].push_back(TimeCompanion(theme, n));
      std::fflush(stdout);
    }
  }
  std::printf("medians of %d rounds (ms), %d messages per conversation:\n", rounds_done,
              kMessagesPerFile);
  // Per size, over this build's themes (not the "before-" ones).
  std::map<int, std::vector<double>> first_by_size, browser_by_size, loaded_by_size,
      before_loaded_by_size, written_by_size, memory_by_size, pause_by_size, scrollable_by_size,
      end_by_size, find_by_size;
  double longest_pause = 0;
  for (const auto& [key, list] : samples) {
    std::vector<double> written, first, fcp, loaded, gap, memory, scrollable;
    const bool before = key.first.rfind("before-", 0) == 0;
    for (const Sample& s : list) {
      memory.push_back(s.memory);
      written.push_back(s.written);
      first.push_back(s.first);
      fcp.push_back(s.fcp);
      loaded.push_back(s.loaded);
      gap.push_back(s.gap);
      scrollable.push_back(s.scrollable);
      (before ? before_loaded_by_size : loaded_by_size)[key.second].push_back(s.loaded);
      if (!before) {
        written_by_size[key.second].push_back(s.written);
        memory_by_size[key.second].push_back(s.memory);
        pause_by_size[key.second].push_back(s.gap);
        first_by_size[key.second].push_back(s.first);
        scrollable_by_size[key.second].push_back(s.scrollable);
        end_by_size[key.second].push_back(s.end);
        find_by_size[key.second].push_back(s.find);
        browser_by_size[key.second].push_back(s.first - s.written);
        longest_pause = std::max(longest_pause, s.gap);
      }
    }
    std::printf(
        "  %-16s %5d  written %7.1f  first %7.1f  fcp %7.1f  loaded %7.1f  pause %5.1f "
        "(longest %5.1f)  memory %6.0f MB  scrollable %7.1f\n",
        key.first.c_str(), key.second, Median(written), Median(first), Median(fcp), Median(loaded),
        Median(gap), *std::max_element(gap.begin(), gap.end()), Median(memory), Median(scrollable));
  }
  std::printf("longest pause in the window's event handling: %.1f ms\n", longest_pause);
  for (const auto& [n, before] : before_loaded_by_size) {
    const double now = Median(loaded_by_size[n]), was = Median(before);
    std::printf("loaded, %d conversations: %.1f ms, before %.1f ms, %.2f x faster\n", n, now, was,
                was / now);
  }
  if (!first_by_size.empty()) {
    // The largest size, as a person opening a whole history meets it.
    const int n = first_by_size.rbegin()->first;
    const std::vector<double>& pauses = pause_by_size[n];
    std::printf(
        "whole history: %d conversations written %.0f ms, first screen %.0f ms, scrollable %.0f "
        "ms, loaded %.0f ms, longest pause %.0f ms, peak memory %.0f MB, end %.0f ms, find %.0f "
        "ms\n",
        n, Median(written_by_size[n]), Median(first_by_size[n]), Median(scrollable_by_size[n]),
        Median(loaded_by_size[n]), *std::max_element(pauses.begin(), pauses.end()),
        Median(memory_by_size[n]), Median(end_by_size[n]), Median(find_by_size[n]));
    std::vector<double> cli;
    for (const auto& [theme, times] : companion) cli.insert(cli.end(), times.begin(), times.end());
    std::printf(
        "written, %d conversations: window %.0f ms, orvex-cli render of the same files %.0f ms, "
        "ratio %.2f\n",
        n, Median(written_by_size[n]), Median(cli), Median(written_by_size[n]) / Median(cli));
    // The browser's own part: from the page handed to the view.
    const double ba = Median(browser_by_size.rbegin()->second);
    const double bb = Median(browser_by_size.begin()->second);
    std::printf(
        "first screen after the page was handed to the view: %d conversations %.0f ms, "
        "%d conversations %.0f ms, ratio %.2f\n",
        browser_by_size.rbegin()->first, ba, browser_by_size.begin()->first, bb, ba / bb);
    const double a = Median(first_by_size.rbegin()->second);
    const double b = Median(first_by_size.begin()->second);
    std::printf(
        "view: %d conversations first screen %.0f ms, %d conversations %.0f ms, ratio %.2f\n",
        first_by_size.rbegin()->first, a, first_by_size.begin()->first, b, a / b);
  }
}

// Page files given in ORVEX_VIEW_PAGES (comma-separated), each loaded into the
// view straight after the empty page, in alternating rounds: for finding out
// by elimination what a page's time is spent on.
TEST_F(ViewSpeed, PageFiles) {
  const std::vector<std::string> pages = ListFromEnv("ORVEX_VIEW_PAGES", "");
  if (pages.empty()) GTEST_SKIP() << "no ORVEX_VIEW_PAGES";
  const char* rounds_text = std::getenv("ORVEX_VIEW_ROUNDS");
  const int rounds = rounds_text ? std::max(1, std::atoi(rounds_text)) : 3;
  TfrmMain& w = Start();
  w.resize(1280, 1024);
  w.show();
  std::map<std::string, std::vector<Sample>> samples;
  for (int round = 0; round < rounds; ++round) {
    std::vector<std::string> order = pages;
    if (round % 2) std::reverse(order.begin(), order.end());
    for (const std::string& page : order) {
      LoadAndSettle(w, [&] {
        SelectRows(w, {});
        ViewAgain(w);
      });
      const Sample s =
          TimeView(w, [&] { Ui(w).web_page->LoadProgramPage(QString::fromStdString(page)); });
      samples[page].push_back(s);
      std::printf(
          "round %d %s: first %7.1f  fcp %7.1f  loaded %7.1f  gap %6.1f ms  memory %6.0f MB\n",
          round + 1, page.c_str(), s.first, s.fcp, s.loaded, s.gap, s.memory);
      std::fflush(stdout);
    }
  }
  for (const auto& [page, list] : samples) {
    std::vector<double> first, fcp, loaded, memory;
    for (const Sample& s : list) {
      first.push_back(s.first);
      fcp.push_back(s.fcp);
      loaded.push_back(s.loaded);
      memory.push_back(s.memory);
    }
    std::printf("page %s first %.1f fcp %.1f loaded %.1f memory %.0f MB\n", page.c_str(),
                Median(first), Median(fcp), Median(loaded), Median(memory));
  }
}

}  // namespace
}  // namespace orvex::testing
