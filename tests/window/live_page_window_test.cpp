// A long view is shown in pieces: live from its first page, the single
// page's own once every piece is in, printed whole, and gone as soon as
// another view starts.
#include <QProcess>
#include <QTest>
#include <QVariant>

#include <cstdio>
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
  }

  void Configure(FrmMainEnvironment& env) override { env.save_dialogs = &save_dialogs; }

  // The whole history of alice, cut small: a first page of a few
  // conversations, then one conversation a piece.
  TfrmMain& StartLongView() {
    TfrmMain& w = Start();
    w.resize(1000, 700);
    w.show();
    w.findChild<ViewerPanel*>("PanBottom")->SetPieceSizes({4096, 4096, 1});
    SelectNode(w, "alice");
    EXPECT_TRUE(LoadAndWait(w, [&] { Choose(Ui(w).popMessage, "Select all messages"); }));
    return w;
  }

  static bool Adding(const TfrmMain& w) { return w.findChild<ViewerPanel*>("PanBottom")->live_page()->adding(); }

  RecordingSaveDialogs save_dialogs;
};

TEST_F(LivePageTest, ScrollsBeforeItIsWholeThenIsTheSinglePageAndPrintsWhole) {
  TfrmMain& w = StartLongView();
  ASSERT_TRUE(Adding(w));
  // The first page has loaded and no piece has gone in yet: it scrolls, and
  // holds the first conversations without the last.
  const QVariantList first =
      RunScript(w, "scrollBy(0, 300); [scrollY, document.body.innerText]").toList();
  ASSERT_EQ(first.size(), 2);
  EXPECT_GT(first[0].toInt(), 0);
  const std::string first_text = first[1].toString().toStdString();
  EXPECT_NE(first_text.find(LastWords(1)), std::string::npos);
  EXPECT_EQ(first_text.find(LastWords(kConversations)), std::string::npos);

  ASSERT_TRUE(WaitFor([&] { return !Adding(w); }, 20000));
  EXPECT_NE(RunScript(w, "document.title").toString(), "ran");
  const QString kWhole = "[document.documentElement.outerHTML, document.body.innerText]";
  const QVariant live = RunScript(w, kWhole);
  ASSERT_TRUE(LoadAndWait(w, [&] { Ui(w).web_page->LoadProgramPage(w.view().last_page_path()); }));
  const QVariant single = RunScript(w, kWhole);
  EXPECT_EQ(live.toList().value(0).toString(), single.toList().value(0).toString());
  EXPECT_EQ(live.toList().value(1).toString(), single.toList().value(1).toString());
  EXPECT_NE(live.toList().value(1).toString().toStdString().find(LastWords(kConversations)),
            std::string::npos);

  // Printed while pieces are still to go in (more than where pieces pay),
  // the page file loads whole and prints whole.
  ASSERT_TRUE(LoadAndWait(w, [&] { ViewAgain(w); }));
  ASSERT_TRUE(Adding(w));
  save_dialogs.pdf_file = QString::fromStdString(temp / "long.pdf");
  Choose(Ui(w).popFile, "Print...");
  EXPECT_FALSE(Adding(w));
  QProcess text;
  text.start("pdftotext", {save_dialogs.pdf_file, "-"});
  ASSERT_TRUE(text.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(printed.contains(QString::fromStdString(LastWords(kConversations))))
      << printed.toStdString();
}

TEST_F(LivePageTest, ANewSelectionStopsTheAddingAndShowsOnlyItself) {
  TfrmMain& w = StartLongView();
  ASSERT_TRUE(Adding(w));
  SelectNode(w, "carol");
  ASSERT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
  EXPECT_FALSE(Adding(w));
  for (int look = 0; look < 2; ++look) {
    const QString text = RunScript(w, "document.body.innerText").toString();
    EXPECT_TRUE(text.contains("only carol")) << text.toStdString();
    EXPECT_FALSE(text.contains("conversation")) << text.toStdString();
    QTest::qWait(300);  // no piece of the old view comes after
  }
}

}  // namespace
}  // namespace orvex::testing
