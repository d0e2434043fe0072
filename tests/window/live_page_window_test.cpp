// A long view's page holds only the conversations near the screen: End
// reaches the last, the find bar finds what is not in the page, saving and
// printing take the whole page, and another view stops it at once.
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QVariant>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "window/viewer/live_page.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/viewer_panel.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

constexpr int kConversations = 40;

std::string LastWords(int conversation) {
  return "café end of " + std::to_string(conversation) + ".";
}

class LivePageTest : public WindowTest {
 protected:
  void SetUp() override {
    for (int c = 1; c <= kConversations; ++c) {
      std::vector<std::string> texts(20, "a message of conversation " + std::to_string(c));
      // What a message holds runs nowhere, in a piece as in a page.
      texts.push_back(
          "<script>document.title='ran'</script>"
          "<img src=x onerror=\"document.title='ran'\">");
      texts.push_back(LastWords(c));
      char day[16];
      std::snprintf(day, sizeof day, "2005%02d%02d", (c - 1) / 28 + 1, (c - 1) % 28 + 1);
      AddArchive("bob", "alice", day, texts);
    }
    AddArchive("bob", "carol", "20060101", {"only carol"});
    // A message that opens a comment and never closes it takes in what
    // follows it, the first page's own comments too.
    for (int c = 1; c <= 8; ++c)
      AddArchive("bob", "dave", "200701" + std::to_string(10 + c),
                 {c == 1 ? "<!-- never closed" : std::string(600, 'd'), LastWords(100 + c)});
  }

  void Configure(FrmMainEnvironment& env) override { env.save_dialogs = &save_dialogs; }

  // The whole history of a contact, kept light from a few kilobytes on.
  TfrmMain& StartLongView(const char* contact = "alice") {
    TfrmMain& w = Start();
    w.resize(1000, 700);
    w.show();
    Panel(w)->SetPieceSizes({4096, 4096, 8192});
    QObject::connect(&w.view(), &ViewSession::pageGrowing, &w,
                     [&](const QString&, const PageSoFar& page) {
                       if (page.files_done < page.files_total)
                         shown_early = shown_early || Panel(w)->live_page()->growing();
                     });
    QObject::connect(Panel(w)->findChild<SafeWebPage*>(), &QWebEnginePage::loadStarted, &w,
                     [&] { ++loads; });
    SelectNode(w, contact);
    EXPECT_TRUE(LoadAndWait(w, [&] { Choose(Ui(w).popMessage, "Select all messages"); }));
    return w;
  }

  static ViewerPanel* Panel(const TfrmMain& w) { return w.findChild<ViewerPanel*>("PanBottom"); }
  static bool Live(const TfrmMain& w) { return Panel(w)->live_page()->live(); }

  RecordingSaveDialogs save_dialogs;
  bool shown_early = false;
  int loads = 0;
};

TEST_F(LivePageTest, HoldsWhatIsNearReachesTheEndFindsAndSavesAndPrintsWhole) {
  TfrmMain& w = StartLongView();
  ASSERT_TRUE(WaitFor([&] { return Live(w) && Panel(w)->live_page()->ready(); }));
  // The first screens showed while the files were read, and stayed.
  EXPECT_TRUE(shown_early);
  EXPECT_EQ(loads, 1);
  const auto text = [&] {
    return RunScript(w, "document.body.innerText").toString().toStdString();
  };
  const auto holds = [&](int conversation) {
    return text().find(LastWords(conversation)) != std::string::npos;
  };
  EXPECT_TRUE(holds(1));
  EXPECT_FALSE(holds(kConversations));

  // End: the last conversation comes in at the bottom, and the first goes.
  RunScript(w, "scrollTo(0, document.documentElement.scrollHeight)");
  ASSERT_TRUE(WaitFor([&] {
    return holds(kConversations) &&
           RunScript(w, "scrollY + innerHeight >= document.documentElement.scrollHeight - 2")
               .toBool();
  }));
  EXPECT_FALSE(holds(1));
  EXPECT_NE(RunScript(w, "document.title").toString(), "ran");

  // From the top again, the find bar finds the last conversation's words
  // (letters of another case count) and marks them on screen.
  RunScript(w, "scrollTo(0, 0)");
  ASSERT_TRUE(WaitFor([&] { return holds(1) && !holds(kConversations); }));
  Choose(Ui(w).popMessage, "Find in view...");
  auto* find = w.findChild<QLineEdit*>("edFind");
  auto* status = w.findChild<QLabel*>("lblFindStatus");
  ASSERT_TRUE(find && find->isVisible() && find->hasFocus());
  const std::string words = "end of " + std::to_string(kConversations) + ".";
  const QString marked =
      "(function(){var r=getSelection().rangeCount?getSelection().getRangeAt(0):null;"
      "if(!r)return '';var b=r.getBoundingClientRect();"
      "return b.top>=0&&b.bottom<=innerHeight?r.toString():'off screen';})()";
  for (const auto& [asked, expected] : std::vector<std::pair<std::string, std::string>>{
           {"END OF 40.", words}, {"never said", ""}}) {
    RunScript(w, "getSelection().removeAllRanges()");
    find->setText(QString::fromStdString(asked));
    QTest::keyClick(find, Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] {
      return expected.empty() ? status->text() == "Not found"
                              : RunScript(w, marked).toString().toStdString() == expected;
    })) << asked
        << ": " << RunScript(w, marked).toString().toStdString();
  }

  // Saved, the page is the page file, byte for byte, with every conversation.
  const std::string page = ReadFile(w.view().last_page_path().toStdString());
  EXPECT_EQ(page, JoinItems(w.view().html_buffer()));
  save_dialogs.answers = {QString::fromStdString(temp / "saved.html")};
  Choose(Ui(w).popFile, "Save as HTML...");
  EXPECT_EQ(ReadFile(temp / "saved.html"), page);

  // Printed, the whole page is in the file, in parts joined in order; the
  // view stays light.
  save_dialogs.pdf_file = QString::fromStdString(temp / "long.pdf");
  Choose(Ui(w).popFile, "Print...");
  EXPECT_TRUE(Live(w));
  QProcess pdf;
  pdf.start("pdftotext", {save_dialogs.pdf_file, "-"});
  ASSERT_TRUE(pdf.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
  const QString printed = QString::fromUtf8(pdf.readAllStandardOutput());
  qsizetype at = 0;
  for (int conversation = 1; conversation <= kConversations; ++conversation) {
    at = printed.indexOf(QString::fromStdString(LastWords(conversation)), at);
    ASSERT_GE(at, 0) << conversation << printed.toStdString();
  }

  // Cancelled once its first parts are in, a print writes no file and says
  // nothing of it.
  const QMetaObject::Connection cancel =
      QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int printed) {
        if (printed > 0) Ui(w).btnCancel->click();
      });
  save_dialogs.pdf_file = QString::fromStdString(temp / "cancelled.pdf");
  Choose(Ui(w).popFile, "Print...");
  QObject::disconnect(cancel);
  EXPECT_TRUE(Ui(w).lblProgress->text().endsWith(" conversations printed out of 40"));
  EXPECT_FALSE(std::filesystem::exists(temp / "cancelled.pdf"));
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("|").toStdString();

  // Should the renderer die (printing a whole history can), the view comes
  // back, light again.
  ::kill(static_cast<pid_t>(Panel(w)->findChild<SafeWebPage*>()->renderProcessPid()), SIGKILL);
  EXPECT_TRUE(WaitFor([&] { return Live(w) && Panel(w)->live_page()->ready() && holds(1); }));
}

TEST_F(LivePageTest, ANewSelectionStopsThePageAndShowsOnlyItself) {
  TfrmMain& w = StartLongView();
  ASSERT_TRUE(Live(w));
  SelectNode(w, "carol");
  ASSERT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
  EXPECT_FALSE(Live(w));
  for (int look = 0; look < 2; ++look) {
    const QString text = RunScript(w, "document.body.innerText").toString();
    EXPECT_TRUE(text.contains("only carol")) << text.toStdString();
    EXPECT_FALSE(text.contains("conversation")) << text.toStdString();
    QTest::qWait(300);  // no piece of the old view comes after
  }
}

TEST_F(LivePageTest, APageWhoseMessageOpensACommentLoadsWhole) {
  // Its first page's comments are taken in, so the script cannot find its
  // conversations: the page file loads whole, as a short view's does.
  TfrmMain& w = StartLongView("dave");
  const QString last = QString::fromStdString(LastWords(108));
  ASSERT_TRUE(WaitFor([&] {
    return !Live(w) && loads == 2 &&
           RunScript(w, "document.documentElement.outerHTML").toString().contains(last);
  }));
}

}  // namespace
}  // namespace orvex::testing
