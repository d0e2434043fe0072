// The search in the window: a new tab per search showing the entries with
// hits, the wait panel from 31 entries, cancelling, failures and the
// highlighting of the next view.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "tests/support/archive_writer.h"
#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window_fixture.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

using Counts = std::vector<std::string>;

class SearchWindowTest : public WindowTest {
 protected:
  static std::string Day(int i) {
    char day[32];
    std::snprintf(day, sizeof day, "2005%02d%02d", i / 28 + 1, i % 28 + 1);
    return day;
  }
  static QString FileName(int i) { return QString::fromStdString(Day(i) + "-bob.dat"); }

  // bob's conversations with a friend, one message each, on consecutive days.
  std::vector<std::string> AddConversations(const std::string& friend_name,
                                            const std::vector<std::string>& texts) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      paths.push_back(AddArchive("bob", friend_name, Day(static_cast<int>(i)), {texts[i]}));
    }
    return paths;
  }

  // Shows the friend's conversations, listed by file name.
  void List(TfrmMain& w, const QString& friend_name) {
    SelectNode(w, friend_name);
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);  // ascending
  }

  TfrmMain& StartWith(const std::vector<std::string>& texts) {
    AddConversations("alice", texts);
    TfrmMain& w = Start();
    List(w, "alice");
    return w;
  }

  static QStringList Captions(const TfrmMain& w) {
    QStringList captions;
    for (int i = 0; i < Ui(w).TabSet->count(); ++i) captions << Ui(w).TabSet->tabText(i);
    return captions;
  }
};

TEST_F(SearchWindowTest, NewTabShowsTheEntriesWithHitsAndKeepsThePage) {
  TfrmMain& w = StartWith({"the flat", "nothing", "FLAT and Flat", "a flatmate"});
  SelectRows(w, {1});
  const std::string page = JoinItems(w.view().html_buffer());
  const std::int32_t views = w.view().view_page_counter();

  SearchFor(w, "flat");
  EXPECT_TRUE(Ui(w).TabSet->isVisibleTo(&w));
  EXPECT_EQ(Captions(w), QStringList({"Conversations", "Search: flat"}));
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
  ASSERT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].first, "flat");
  EXPECT_EQ(w.list().search_list()[0].second, (Counts{"1", "0", "2", "1"}));
  EXPECT_EQ(ShownFileNames(w), QStringList({FileName(0), FileName(2), FileName(3)}));
  EXPECT_FALSE(Ui(w).msg->isColumnHidden(kRankColumn));
  EXPECT_EQ(w.list().model().highest_rank(), 2);
  EXPECT_EQ(w.list().model().EntryAt(2).rank, 2);
  // Nothing is rendered again until the next view.
  EXPECT_EQ(JoinItems(w.view().html_buffer()), page);
  EXPECT_EQ(w.view().view_page_counter(), views);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

// A tab's counts stay with the conversations they were counted for, whatever
// order the list takes later.
TEST_F(SearchWindowTest, ATabShowsItsConversationsAfterTheListIsSorted) {
  TfrmMain& w = StartWith({"pizza", "nothing", "pizza pizza", "none", "none"});
  ShowWindow(w);
  SearchFor(w, "pizza");
  QHeaderView* header = Ui(w).msg->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(kDateColumn) + 5, header->height() / 2));
  ASSERT_EQ(w.list().model().EntryAt(0).file_name, FileName(4).toStdString());
  ClickTab(w, 0);
  ClickTab(w, 1);
  EXPECT_EQ(ShownFileNames(w), QStringList({FileName(2), FileName(0)}));
  EXPECT_EQ(w.list().model().EntryAt(2).rank, 2);  // the file of day 2, now third
}

TEST_F(SearchWindowTest, EnterSearchesAndAnEmptyBoxDoesNothing) {
  TfrmMain& w = StartWith({"flat", "none"});
  Ui(w).txtSearch->setText("FLAT");
  QTest::keyClick(Ui(w).txtSearch, Qt::Key_Return);
  EXPECT_EQ(Captions(w), QStringList({"Conversations", "Search: FLAT"}));
  EXPECT_EQ(ShownFileNames(w), QStringList({FileName(0)}));

  Ui(w).txtSearch->clear();
  QTest::keyClick(Ui(w).txtSearch, Qt::Key_Enter);
  QTest::mouseClick(Ui(w).btnSearchNext, Qt::LeftButton);
  EXPECT_EQ(Ui(w).TabSet->count(), 2);
  EXPECT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
}

TEST_F(SearchWindowTest, TwoSearchesForOneTextGiveTwoTabsWithTheirOwnCounts) {
  TfrmMain& w = StartWith({"flat", "none"});
  SearchFor(w, "flat");
  AddArchive("bob", "alice", Day(1), {"flat flat"});  // the file changes in between
  SearchFor(w, "flat");
  EXPECT_EQ(Captions(w), QStringList({"Conversations", "Search: flat", "Search: flat"}));
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 2);
  ASSERT_EQ(w.list().search_list().size(), 2u);
  EXPECT_EQ(w.list().search_list()[0].second, (Counts{"1", "0"}));
  EXPECT_EQ(w.list().search_list()[1].second, (Counts{"1", "2"}));
  ClickTab(w, 1);
  EXPECT_EQ(ShownFileNames(w), QStringList({FileName(0)}));
}

TEST_F(SearchWindowTest, AnEmptyListAddsItsTabAtOnce) {
  AddFriendFolder("bob", "alice");
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  bool panel_seen = false;
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w,
                   [&] { panel_seen = panel_seen || Ui(w).pnlWait->isVisibleTo(&w); });
  SearchFor(w, "flat");
  EXPECT_EQ(Captions(w), QStringList({"Conversations", "Search: flat"}));
  EXPECT_EQ(w.list().search_list()[0].second, Counts{});
  EXPECT_EQ(w.list().model().rowCount(), 0);
  EXPECT_FALSE(panel_seen);
  EXPECT_EQ(Ui(w).lblProgress->text(), "");
}

TEST_F(SearchWindowTest, WaitPanelFromThirtyOneEntriesWithCancelUsable) {
  AddConversations("alice", std::vector<std::string>(30, "flat"));
  AddConversations("carol", std::vector<std::string>(31, "flat"));
  TfrmMain& w = Start();
  for (const auto& [friend_name, n] : {std::pair{"alice", 30}, std::pair{"carol", 31}}) {
    List(w, friend_name);
    bool panel_seen = false, cancel_usable = true, window_disabled = true;
    auto probe = QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&] {
      if (!Ui(w).pnlWait->isVisibleTo(&w)) return;
      panel_seen = true;
      cancel_usable = cancel_usable && Ui(w).btnCancel->isEnabled();
      window_disabled = window_disabled && !Ui(w).txtSearch->isEnabled();
    });
    SearchFor(w, "flat");
    QObject::disconnect(probe);
    EXPECT_EQ(panel_seen, n == 31) << n;
    EXPECT_TRUE(cancel_usable) << n;
    EXPECT_TRUE(window_disabled) << n;
    EXPECT_FALSE(Ui(w).pnlWait->isVisibleTo(&w)) << n;
    EXPECT_TRUE(Ui(w).txtSearch->isEnabled()) << n;
    EXPECT_EQ(Ui(w).WaitProgress->maximum(), n);
    EXPECT_EQ(Ui(w).lblProgress->text(), QString("%1 files searched out of %1").arg(n));
    ASSERT_FALSE(w.list().search_list().empty());
    EXPECT_EQ(w.list().search_list().back().second.size(), static_cast<std::size_t>(n));
  }
}

TEST_F(SearchWindowTest, CancelKeepsTheCountsOfTheEntriesSearched) {
  TfrmMain& w = StartWith(std::vector<std::string>(31, "flat"));
  QStringList labels;
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int n) {
    labels << Ui(w).lblProgress->text();
    // The click is handled while the window yields after the second file, so
    // the third is still searched.
    if (n == 2)
      QMetaObject::invokeMethod(Ui(w).btnCancel, &QPushButton::click, Qt::QueuedConnection);
  });
  SearchFor(w, "flat");
  ASSERT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].second, (Counts{"1", "1", "1"}));
  EXPECT_EQ(ShownFileNames(w), QStringList({FileName(0), FileName(1), FileName(2)}));
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
  EXPECT_FALSE(w.cancel_request());
  EXPECT_FALSE(Ui(w).pnlWait->isVisibleTo(&w));
  EXPECT_EQ(Ui(w).lblProgress->text(), "3 files searched out of 31");
}

TEST_F(SearchWindowTest, AStaleCancelDoesNotStopTheNextSearch) {
  TfrmMain& w = StartWith({"flat", "flat", "flat"});
  Ui(w).btnCancel->click();  // a click that no walk saw
  SearchFor(w, "flat");
  ASSERT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].second, (Counts{"1", "1", "1"}));
}

TEST_F(SearchWindowTest, AFailingFileKeepsTheTabWithTheCountsSoFar) {
  const std::vector<std::string> paths = AddConversations("alice", {"flat", "flat", "flat"});
  RecordToWrite r;
  r.text = "flat";
  const std::size_t cut = EncodeRecord(r, "bob").size() + 7;  // inside the second header
  WriteBytes(paths[1], EncodeArchive({r, r}, "bob").substr(0, cut));
  TfrmMain& w = Start();
  List(w, "alice");
  SearchFor(w, "flat");
  EXPECT_EQ(dialogs.errors, QStringList({"Read beyond end of file."}));
  EXPECT_EQ(Captions(w), QStringList({"Conversations", "Search: flat"}));
  ASSERT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].second, Counts{"1"});
  EXPECT_EQ(ShownFileNames(w), QStringList({FileName(0)}));
}

TEST_F(SearchWindowTest, TheNextViewHighlightsTheTextInItsOwnCase) {
  TfrmMain& w = StartWith({"the flat, FLAT"});
  SelectRows(w, {0});
  const std::string plain = "<p>alice said the flat, FLAT</p>";
  EXPECT_NE(JoinItems(w.view().html_buffer()).find(plain), std::string::npos);
  SearchFor(w, "flat");
  ViewAgain(w);
  EXPECT_NE(JoinItems(w.view().html_buffer())
                .find("<p>alice said the <span style=\"background:yellow\">flat</span>, FLAT</p>"),
            std::string::npos);
  EXPECT_EQ(JoinItems(w.view().text_buffer()),
            "\r\nalice (2006-01-01 03:00:00): the flat, FLAT\r\n");
  ClickTab(w, 0);
  ViewAgain(w);
  EXPECT_NE(JoinItems(w.view().html_buffer()).find(plain), std::string::npos);
}

}  // namespace
}  // namespace orvex::testing
