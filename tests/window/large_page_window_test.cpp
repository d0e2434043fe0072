// A long page with each shipped theme. The themes lay a conversation out only
// near the screen; the whole page must still scroll to its end, show the
// search's highlighting there and print every conversation.
#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QVariant>
#include <QWebEngineView>

#include <string>

#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/still_while_loading.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

constexpr int kConversations = 80;
constexpr int kMessages = 25;

// The text of a conversation's last message; each holds the searched word.
std::string LastWords(int conversation) {
  return "last words of conversation " + std::to_string(conversation) + " needle";
}

class LargePageTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    const std::string shipped = QCoreApplication::applicationDirPath().toStdString() + "/themes/";
    WriteBytes(program / "themes/default.th", ReadFile(shipped + GetParam() + ".th"));
    for (int c = 1; c <= kConversations; ++c) {
      std::vector<std::string> texts;
      for (int m = 1; m < kMessages; ++m)
        texts.push_back("conversation " + std::to_string(c) + " message " + std::to_string(m));
      texts.push_back(LastWords(c));
      char day[16];
      std::snprintf(day, sizeof day, "2005%02d%02d", (c - 1) / 28 + 1, (c - 1) % 28 + 1);
      AddArchive("bob", "alice", day, texts);
    }
  }
};

TEST_P(LargePageTest, WholePageScrollsToItsEndHighlightsAndPrints) {
  TfrmMain& w = Start();
  w.resize(1000, 800);
  w.show();
  SelectNode(w, "alice");
  ClickHeader(w, kFileNameColumn);
  ClickHeader(w, kFileNameColumn);  // ascending: the last day comes last
  SearchFor(w, "needle");
  ASSERT_EQ(Ui(w).TabSet->currentIndex(), 1);
  ASSERT_TRUE(LoadAndWait(w, [&] { Choose(Ui(w).popMessage, "Select all messages"); }));
  ASSERT_EQ(w.list().model().rowCount(), kConversations);

  // To the end, as far as it goes once the conversations there are laid out
  // (their heights settle as they come near the screen): at the end, with the
  // last highlight, in the last conversation, on the screen.
  QVariantList seen;
  const bool at_end = WaitFor([&] {
    RunScript(w, "window.scrollTo(0, document.scrollingElement.scrollHeight)");
    seen = RunScript(w,
                     "(function(){var e=document.scrollingElement;"
                     "var s=document.querySelectorAll('span[style=\"background:yellow\"]');"
                     "var r=s[s.length-1].getBoundingClientRect();"
                     "return [s.length, e.scrollTop+innerHeight>=e.scrollHeight-1&&"
                     "r.top>=0&&r.bottom<=innerHeight, s[s.length-1].parentNode.textContent];})()")
               .toList();
    return seen.size() == 3 && seen[1].toBool();
  });
  EXPECT_TRUE(at_end) << "the end with the last highlight on the screen never came";
  ASSERT_EQ(seen.size(), 3);
  EXPECT_EQ(seen[0].toInt(), kConversations);
  EXPECT_NE(seen[2].toString().toStdString().find(LastWords(kConversations)), std::string::npos)
      << seen[2].toString().toStdString();
  // And it is painted there: yellow in the view's pixels.
  int yellow = 0;
  WaitFor([&] {
    const QImage shown = Ui(w).WebBrowser->focusProxy()->grab().toImage();
    yellow = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) yellow += shown.pixel(x, y) == qRgb(255, 255, 0);
    return yellow > 50;
  });
  EXPECT_GT(yellow, 50);

  // Printed, every conversation is in the document, the last one too.
  const QString pdf = QString::fromStdString(temp / "large.pdf");
  QEventLoop printing;
  bool printed = false;
  QObject::connect(Ui(w).web_page, &QWebEnginePage::pdfPrintingFinished, &printing,
                   [&](const QString&, bool ok) {
                     printed = ok;
                     printing.quit();
                   });
  QTimer::singleShot(120000, &printing, &QEventLoop::quit);
  Ui(w).web_page->printToPdf(pdf);
  printing.exec();
  ASSERT_TRUE(printed);
  QProcess text;
  text.start("pdftotext", {pdf, "-"});
  ASSERT_TRUE(text.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
  const std::string printed_text = text.readAllStandardOutput().toStdString();
  for (int c : {1, kConversations / 2, kConversations})
    EXPECT_NE(printed_text.find(LastWords(c)), std::string::npos) << c;
}

// A page that takes long to load shows its first screen as a picture, with
// the page not drawing, until it has loaded; a short page never does.
TEST_F(WindowTest, LongLoadHoldsItsFirstScreenStillUntilLoaded) {
  TfrmMain& w = Start();
  w.resize(1000, 800);
  w.show();
  SafeWebPage* page = Ui(w).web_page;
  for (const int lines : {20, 150000}) {
    std::string html = "<!DOCTYPE html><body>";
    for (int i = 0; i < lines; ++i) html += "<p>line " + std::to_string(i) + "</p>";
    const std::string path = temp / ("page" + std::to_string(lines) + ".html");
    WriteBytes(path, html);
    bool loaded = false, held = false, hidden_while_held = true, picture_shown = false;
    const auto c = QObject::connect(page, &QWebEnginePage::loadFinished, [&] { loaded = true; });
    page->LoadProgramPage(QString::fromStdString(path));
    WaitFor([&] {
      if (page->still_while_loading()->holding() && !loaded) {
        held = true;
        hidden_while_held = hidden_while_held && !page->isVisible();
        for (const QLabel* l : Ui(w).WebBrowser->findChildren<QLabel*>())
          picture_shown = picture_shown || (l->isVisible() && !l->pixmap().isNull());
      }
      return loaded;
    });
    QObject::disconnect(c);
    ASSERT_TRUE(loaded) << lines;
    EXPECT_EQ(held, lines > 20) << lines;
    EXPECT_TRUE(hidden_while_held);
    EXPECT_EQ(picture_shown, lines > 20);
    EXPECT_FALSE(page->still_while_loading()->holding());
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(Ui(w).WebBrowser->findChildren<QLabel*>().isEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedThemes, LargePageTest,
                         ::testing::Values("classic", "compact", "dark", "default", "print"));

}  // namespace
}  // namespace orvex::testing
