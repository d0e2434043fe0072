// The viewer: the page and transcripts of the selection, the wait panel,
// cancelling, the rotating page files and the statistics.
#include <QCheckBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QFrame>
#include <QProgressBar>
#include <QSet>
#include <QTableView>
#include <QTcpServer>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>

#include "window/list/conversation_model.h"
#include "window/viewer/safe_web_page.h"
#include "window_fixture.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

class ViewerWindowTest : public WindowTest {
 protected:
  TfrmMain& StartWith(int conversations) {
    for (int i = 0; i < conversations; ++i) {
      char day[16];
      std::snprintf(day, sizeof day, "2005%02d%02d", i / 28 + 1, i % 28 + 1);
      AddArchive("bob", "alice", day, {"message " + std::to_string(i)});
    }
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);  // ascending by name
    return w;
  }

  std::vector<int> FirstRows(int n) {
    std::vector<int> rows;
    for (int i = 0; i < n; ++i) rows.push_back(i);
    return rows;
  }
};

TEST_F(ViewerWindowTest, NothingSelectedGivesHeaderAndFooterOnly) {
  TfrmMain& w = StartWith(2);
  ViewAgain(w);
  EXPECT_EQ(JoinItems(w.view().html_buffer()),
            "\r\n<html><body>\r\n\r\n<p>2026-12-07 12:00:00</p></body></html>\r\n");
  EXPECT_TRUE(w.view().text_buffer().empty());
  EXPECT_EQ(ReadFile(w.view().last_page_path().toStdString()), JoinItems(w.view().html_buffer()));
}

TEST_F(ViewerWindowTest, TwoConversationsGiveOnePageInListOrder) {
  TfrmMain& w = StartWith(2);
  SelectRows(w, {0, 1});
  EXPECT_EQ(JoinItems(w.view().html_buffer()),
            "\r\n<html><body>\r\n"
            "\r\n<div>\r\n\r\n\r\n<p>alice said message 0</p>\r\n\r\n</div>\r\n"
            "\r\n<div>\r\n\r\n\r\n<p>alice said message 1</p>\r\n\r\n</div>\r\n"
            "\r\n<p>2026-12-07 12:00:00</p></body></html>\r\n");
  EXPECT_EQ(JoinItems(w.view().text_buffer()),
            "\r\nalice (2006-01-01 03:00:00): message 0\r\n"
            "\r\nalice (2006-01-01 03:00:00): message 1\r\n");
}

TEST_F(ViewerWindowTest, WaitPanelShowsFromTwentyOneEntries) {
  TfrmMain& w = StartWith(21);
  for (int n : {20, 21}) {
    bool seen = false;
    QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w,
                     [&] { seen = seen || Ui(w).pnlWait->isVisibleTo(&w); });
    SelectRows(w, FirstRows(n));
    EXPECT_EQ(seen, n == 21) << n;
    EXPECT_FALSE(Ui(w).pnlWait->isVisibleTo(&w));
    EXPECT_EQ(Ui(w).WaitProgress->maximum(), n);
  }
}

TEST_F(ViewerWindowTest, CancelWhileTheFifthIsRenderedKeepsFiveConversations) {
  TfrmMain& w = StartWith(30);
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int position) {
    if (position == 4) Ui(w).btnCancel->click();  // the click arrives while entry 5 is rendered
  });
  SelectRows(w, FirstRows(30));
  EXPECT_EQ(w.view().text_buffer().size(), 5u);
  const std::string page = JoinItems(w.view().html_buffer());
  EXPECT_NE(page.find("message 4"), std::string::npos);
  EXPECT_EQ(page.find("message 5"), std::string::npos);
  EXPECT_NE(page.find("</body></html>"), std::string::npos);
  EXPECT_FALSE(w.cancel_request());
}

TEST_F(ViewerWindowTest, TenPageNamesAreUsedInTurn) {
  TfrmMain& w = StartWith(1);
  const std::int32_t start = w.view().view_page_counter();
  QStringList names;
  for (int i = 0; i < 11; ++i) {
    Ui(w).ckDate->click();
    names << QFileInfo(w.view().last_page_path()).fileName();
  }
  EXPECT_EQ(w.view().view_page_counter(), start + 11);
  EXPECT_EQ(names[0], QString("orvex%1.html").arg(start % 10));
  EXPECT_EQ(names[10], names[0]);
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 10);
}

TEST_F(ViewerWindowTest, SkippedWhenStatisticsAndViewerAreBothHidden) {
  TfrmMain& w = StartWith(2);
  SelectRows(w, {0});
  Choose(Ui(w).popView, "Message viewer");  // statistics hidden too by default
  SelectRows(w, {0, 1});
  EXPECT_EQ(w.view().text_buffer().size(), 1u);  // the last view's buffers stay
  Ui(w).btnStats->click();
  SelectRows(w, {1});
  ASSERT_EQ(w.view().text_buffer().size(), 1u);
  EXPECT_NE(w.view().text_buffer()[0].find("message 1"), std::string::npos);
}

TEST_F(ViewerWindowTest, StatisticsCountTheShownConversations) {
  AddArchive("bob", "alice", "20050101", {"one two three", "four five", "six"}, 0);
  AddArchive("bob", "alice", "20050102", {"seven eight"}, 1);
  TfrmMain& w = Start();
  Ui(w).btnStats->click();
  SelectNode(w, "alice");
  Choose(Ui(w).popMessage, "Select all messages");
  auto cell = [&](int row, int column) {
    return Ui(w).vsStat->model()->index(row, column).data().toString().toStdString();
  };
  EXPECT_EQ(cell(0, 1), "2");  // messages: local user
  EXPECT_EQ(cell(0, 2), "2");
  EXPECT_EQ(cell(1, 1), "4");  // words
  EXPECT_EQ(cell(1, 2), "4");
  EXPECT_EQ(cell(6, 1), "1");  // conversations started
  EXPECT_EQ(cell(6, 2), "1");
  EXPECT_EQ(cell(6, 3), "2");
  Ui(w).ids->clearSelection();  // the list empties, and the view with it
  EXPECT_EQ(cell(0, 3), "0");
}

TEST_F(ViewerWindowTest, FormatOptionsRenderTheSelectionAgain) {
  AddArchive("bob", "alice", "20050101", {"\x1B[1mbold\x1B[x1m :)"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  SelectRows(w, {0});
  EXPECT_NE(JoinItems(w.view().html_buffer()).find("<b>bold</b> :)"), std::string::npos);
  Ui(w).ckBold->click();
  EXPECT_NE(JoinItems(w.view().html_buffer()).find("said bold :)"), std::string::npos);
  Ui(w).ckSmilies->click();
  EXPECT_NE(
      JoinItems(w.view().html_buffer()).find("<img src=\"" + program.path() + "Smileys/01.gif\">"),
      std::string::npos);
  Ui(w).btnRaw->click();
  EXPECT_NE(JoinItems(w.view().html_buffer()).find("\x1B[1mbold"), std::string::npos);
}

TEST_F(ViewerWindowTest, ErrorWhileRenderingShowsWhatWasRenderedAndReportsIt) {
  AddArchive("bob", "alice", "20050101", {"first"});
  const std::string broken = AddArchive("bob", "alice", "20050102", {"second"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  ClickHeader(w, kFileNameColumn);
  ClickHeader(w, kFileNameColumn);
  std::filesystem::remove(broken);
  SelectRows(w, {0, 1});
  EXPECT_EQ(dialogs.errors.join("|"), "File not found.");
  EXPECT_EQ(w.view().text_buffer().size(), 1u);
  EXPECT_NE(JoinItems(w.view().html_buffer()).find("</body></html>"), std::string::npos);
}

// Messages are shown as they were sent, so the page must run no script and
// load nothing from the network.
TEST_F(ViewerWindowTest, UntrustedMessagesRunNothingAndLoadNothing) {
  QTcpServer server;  // a remote host stand-in: nothing may connect to it
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  int connections = 0;
  QObject::connect(&server, &QTcpServer::newConnection, [&] { ++connections; });
  const std::string remote = "http://127.0.0.1:" + std::to_string(server.serverPort());
  AddArchive("bob", "alice", "20050101",
             {"<script>document.title='ran'</script>", "<img src=\"" + remote + "/remote.png\">",
              "<img src=x onerror=\"document.title='ran'\">",
              "<link rel=\"stylesheet\" href=\"" + remote + "/style.css\">",
              "<iframe src=\"" + remote + "/frame.html\"></iframe>",
              "<meta http-equiv=\"refresh\" content=\"0; url=" + remote + "/\">"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  QEventLoop loop;
  bool finished = false;
  QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &loop, [&] {
    finished = true;
    loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  const int refused_before = Ui(w).web_page->refused_navigations();
  SelectRows(w, {0});
  if (!finished) loop.exec();
  ASSERT_TRUE(finished);
  // The refresh to the remote host is tried, and refused, after the load.
  EXPECT_TRUE(WaitFor([&] { return Ui(w).web_page->refused_navigations() > refused_before; }));
  EXPECT_NE(Ui(w).web_page->title(), "ran");
  EXPECT_EQ(connections, 0);
  EXPECT_EQ(Ui(w).web_page->url(), Ui(w).web_page->program_page());
}

}  // namespace
}  // namespace orvex::testing
