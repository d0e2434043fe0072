// The conversation list: sorting, search tabs applied by position, closing them.
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

class ListWindowTest : public WindowTest {
 protected:
  TfrmMain& StartWithTenConversations() {
    for (int day = 1; day <= 10; ++day) {
      std::vector<std::string> texts(static_cast<std::size_t>(day % 4 + 1), "message text");
      AddArchive("bob", "alice", "200501" + std::string(day < 10 ? "0" : "") + std::to_string(day),
                 texts);
    }
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    return w;
  }

  std::vector<int> Sizes(const TfrmMain& w) {
    std::vector<int> sizes;
    for (const auto& e : w.list().model().entries()) sizes.push_back(e.size);
    return sizes;
  }

  // A search for the text once each listed conversation holds it as often
  // as its count says (in list order): their files are written anew.
  void SearchWithHits(TfrmMain& w, const std::string& text,
                      const std::vector<std::string>& counts) {
    const std::vector<ConversationEntry> entries = w.list().model().entries();
    ASSERT_EQ(counts.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      RecordToWrite r;
      r.text = "no hits";
      for (int n = std::stoi(counts[i]); n > 0; --n) r.text += " " + text;
      WriteBytes(entries[i].path, EncodeArchive({r}, "bob"));
    }
    SearchFor(w, QString::fromStdString(text));
  }
};

TEST_F(ListWindowTest, ThreeClicksOnSizeSortDescendingAscendingDescending) {
  TfrmMain& w = StartWithTenConversations();
  for (int click = 1; click <= 3; ++click) {
    ClickHeader(w, kSizeColumn);
    std::vector<int> sizes = Sizes(w);
    std::vector<int> expected = sizes;
    std::sort(expected.begin(), expected.end());
    if (click != 2) std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(sizes, expected) << "click " << click;
  }
}

TEST_F(ListWindowTest, RefillingKeepsTheChosenSortOrder) {
  TfrmMain& w = StartWithTenConversations();
  ClickHeader(w, kFileNameColumn);  // descending
  Choose(Ui(w).PopupMenu1, "Refresh");
  EXPECT_EQ(w.list().model().EntryAt(0).file_name, "20050110-bob.dat");
}

TEST_F(ListWindowTest, SearchTabShowsOnlyEntriesWithHitsAndConversationsShowsAll) {
  TfrmMain& w = StartWithTenConversations();
  SearchWithHits(w, "x", {"0", "2", "0", "0", "5", "0", "0", "1", "0", "0"});
  const auto& entries = w.list().model().entries();
  EXPECT_EQ(ShownFileNames(w).size(), 3);
  EXPECT_EQ(w.list().model().highest_rank(), 5);
  EXPECT_FALSE(Ui(w).msg->isColumnHidden(kRankColumn));
  EXPECT_EQ(entries[4].rank, 5);

  ClickTab(w, 0);
  EXPECT_EQ(ShownFileNames(w).size(), 10);
  EXPECT_TRUE(Ui(w).msg->isColumnHidden(kRankColumn));
}

TEST_F(ListWindowTest, ClosingTabsActivatesTheLeftOneAndTheLastHidesTheStrip) {
  TfrmMain& w = StartWithTenConversations();
  SearchWithHits(w, "x", {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  SearchWithHits(w, "y", {"1", "1", "0", "0", "0", "0", "0", "0", "0", "0"});
  EXPECT_EQ(ShownFileNames(w).size(), 2);
  QTest::mouseClick(TabCloseButton(w, Ui(w).TabSet->currentIndex()), Qt::LeftButton);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
  EXPECT_EQ(ShownFileNames(w).size(), 1);
  EXPECT_TRUE(Ui(w).TabSet->isVisibleTo(&w));
  ASSERT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].first, "x");
  QTest::mouseClick(TabCloseButton(w, Ui(w).TabSet->currentIndex()), Qt::LeftButton);
  EXPECT_FALSE(Ui(w).TabSet->isVisibleTo(&w));
  EXPECT_TRUE(Ui(w).msg->isColumnHidden(kRankColumn));
  EXPECT_EQ(ShownFileNames(w).size(), 10);
  EXPECT_TRUE(w.list().search_list().empty());
}

TEST_F(ListWindowTest, ATreeBuildClosesSearchTabsButTheFavouritesKeepThem) {
  TfrmMain& w = StartWithTenConversations();
  SearchFor(w, "message");
  SelectNode(w, "Favorite conversations");
  EXPECT_EQ(Ui(w).TabSet->count(), 2);
  SelectNode(w, "alice");
  EXPECT_EQ(Ui(w).TabSet->count(), 1);
  EXPECT_TRUE(w.list().search_list().empty());
  EXPECT_EQ(ShownFileNames(w).size(), 10);
}

TEST_F(ListWindowTest, SelectAllMessagesSelectsHiddenEntriesTooAndRendersThem) {
  TfrmMain& w = StartWithTenConversations();
  SearchWithHits(w, "x", {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  Choose(Ui(w).popMessage, "Select all messages");
  EXPECT_EQ(w.list().selection().selectedRows().size(), 10);
  EXPECT_EQ(w.view().text_buffer().size(), 10u);
}

// Hiding an entry does not deselect it, and switching tabs renders nothing;
// a plain click on a listed row chooses anew, the left-out entries included.
TEST_F(ListWindowTest, EntriesATabLeavesOutStaySelectedUntilAClickChoosesAgain) {
  TfrmMain& w = StartWithTenConversations();
  ShowWindow(w);
  SelectRows(w, {0, 1, 2});
  const std::int32_t views = w.view().view_page_counter();
  SearchWithHits(w, "x", {"1", "0", "1", "0", "0", "0", "0", "0", "0", "0"});
  EXPECT_EQ(Ui(w).msg->selectionModel()->selectedRows().size(), 2);
  EXPECT_EQ(w.list().selection().selectedRows().size(), 3);
  ClickTab(w, 0);
  EXPECT_EQ(Ui(w).msg->selectionModel()->selectedRows().size(), 3);
  EXPECT_EQ(w.view().view_page_counter(), views);

  ClickTab(w, 1);
  const QPoint second = Ui(w).msg->visualRect(Ui(w).msg->model()->index(1, 1)).center();
  QTest::mouseClick(Ui(w).msg->viewport(), Qt::LeftButton, {}, second);
  const QModelIndexList chosen = w.list().selection().selectedRows();
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen.front().row(), 2);
  EXPECT_EQ(w.view().view_page_counter(), views + 1);
  ClickTab(w, 0);
  EXPECT_EQ(Ui(w).msg->selectionModel()->selectedRows().size(), 1);
}

TEST_F(ListWindowTest, ARightClickKeepsTheSelectionTheMenuActsOn) {
  TfrmMain& w = StartWithTenConversations();
  ShowWindow(w);
  SelectRows(w, {1});
  const std::int32_t views = w.view().view_page_counter();
  const QPoint row3 = Ui(w).msg->visualRect(Ui(w).msg->model()->index(3, 1)).center();
  QTest::mouseClick(Ui(w).msg->viewport(), Qt::RightButton, {}, row3);
  EXPECT_EQ(Ui(w).msg->selectionModel()->selectedRows().size(), 1);
  EXPECT_TRUE(Ui(w).msg->selectionModel()->isRowSelected(1, {}));
  EXPECT_EQ(w.view().view_page_counter(), views);
  QTest::mouseClick(Ui(w).msg->viewport(), Qt::LeftButton, {}, row3);  // a left click selects
  EXPECT_TRUE(Ui(w).msg->selectionModel()->isRowSelected(3, {}));
  EXPECT_EQ(w.view().view_page_counter(), views + 1);
}

// Each column sorts by its own key, first click descending: text columns by
// the locale's collation (case-sensitive, never byte order, also when the
// environment names no locale), dates with the undated first, ranks best first.
struct SortCase {
  int column;
  int clicks;
  const char* order;  // of the friends' names, top to bottom
};

class SortColumns : public WindowTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortColumns, SortsByTheColumnsKey) {
  const SortCase& c = GetParam();
  const QLocale before;
  QLocale::setDefault(QLocale::c());  // as under LANG=C
  // friend, day (an undated name for "Bert"), size by text length, hits of "x".
  AddArchive("bob", "Anna", "20050103", {"x x x"});
  AddArchive("bob", "bert", "20050101", {"xx"});
  AddArchive("bob", "anna", "20050102", {"a longer message body"});
  const std::string undated = ProfilesFolder() + "bob/Archive/Messages/Bert/notes-bob.dat";
  WriteBytes(undated, ReadFile(AddArchive("bob", "Bert", "20050104", {"x"})));
  std::filesystem::remove(ProfilesFolder() + "bob/Archive/Messages/Bert/20050104-bob.dat");
  TfrmMain& w = Start();
  ShowWindow(w);
  SelectNode(w, "Show all");
  QTest::keyClicks(Ui(w).txtSearch, "x");
  QTest::mouseClick(Ui(w).btnSearchNext, Qt::LeftButton);
  QHeaderView* header = Ui(w).msg->header();  // on the search tab, "Rank" shows
  const QPoint at(header->sectionViewportPosition(c.column) + 5, header->height() / 2);
  for (int i = 0; i < c.clicks; ++i) QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  QStringList order;
  for (const ConversationEntry& e : w.list().model().entries())
    order << QString::fromStdString(e.friend_name);
  EXPECT_EQ(order.join(' '), c.order);
  QLocale::setDefault(before);
}

INSTANTIATE_TEST_SUITE_P(Columns, SortColumns,
                         ::testing::Values(SortCase{kFriendColumn, 2, "anna Anna bert Bert"},
                                           SortCase{kFriendColumn, 1, "Bert bert Anna anna"},
                                           SortCase{kDateColumn, 2, "Bert bert anna Anna"},
                                           SortCase{kSizeColumn, 1, "anna Anna bert Bert"},
                                           SortCase{kFileNameColumn, 2, "bert anna Anna Bert"},
                                           SortCase{kRankColumn, 1, "Anna bert Bert anna"}));

TEST(RankBar, WidthIsProportionalWithHalvesToEven) {
  EXPECT_EQ(RankBarWidth(5, 46, 5), 46);
  EXPECT_EQ(RankBarWidth(1, 5, 2), 2);    // 2.5 -> 2
  EXPECT_EQ(RankBarWidth(3, 5, 2), 8);    // 7.5 -> 8
  EXPECT_EQ(RankBarWidth(1, 46, 3), 15);  // 15.33
  EXPECT_EQ(RankBarWidth(0, 46, 0), 0);
}

}  // namespace
}  // namespace orvex::testing
