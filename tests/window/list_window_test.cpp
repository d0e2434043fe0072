// The conversation list: sorting, search tabs applied by position, closing them.
#include <QTreeView>

#include "widgets/tab_strip.h"
#include "window_fixture.h"
#include "ylogs/views/conversation_model.h"

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
    for (const auto& e : w.conversation_model()->entries()) sizes.push_back(e.size);
    return sizes;
  }

  // What a search stores: one count per entry, in list order.
  void AddSearchTab(TfrmMain& w, const std::string& text, std::vector<std::string> counts) {
    w.search_list().push_back({text, std::move(counts)});
    w.TabSet->setVisible(true);
    w.ShowRankColumn(true);
    const int tab = w.TabSet->AddTab(QString::fromStdString("Search: " + text), true);
    const QSignalBlocker block(w.TabSet);
    w.TabSet->setCurrentIndex(tab);
    w.TabSetChange(tab);
  }
};

TEST_F(ListWindowTest, ThreeClicksOnSizeSortDescendingAscendingDescending) {
  TfrmMain& w = StartWithTenConversations();
  for (int click = 1; click <= 3; ++click) {
    w.msgHeaderClick(kSizeColumn);
    std::vector<int> sizes = Sizes(w);
    std::vector<int> expected = sizes;
    std::sort(expected.begin(), expected.end());
    if (click != 2) std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(sizes, expected) << "click " << click;
  }
}

TEST_F(ListWindowTest, RefillingKeepsTheChosenSortOrder) {
  TfrmMain& w = StartWithTenConversations();
  w.msgHeaderClick(kFileNameColumn);  // descending
  w.Refresh1Click();
  EXPECT_EQ(w.conversation_model()->EntryAt(0).file_name, "20050110-bob.dat");
}

TEST_F(ListWindowTest, SearchTabShowsOnlyEntriesWithHitsAndConversationsShowsAll) {
  TfrmMain& w = StartWithTenConversations();
  AddSearchTab(w, "x", {"0", "2", "0", "0", "5", "0", "0", "1", "0", "0"});
  const auto& entries = w.conversation_model()->entries();
  EXPECT_EQ(ShownFileNames(w).size(), 3);
  EXPECT_EQ(w.conversation_model()->highest_rank(), 5);
  EXPECT_FALSE(w.msg->isColumnHidden(kRankColumn));
  EXPECT_EQ(entries[4].rank, 5);

  const QSignalBlocker block(w.TabSet);
  w.TabSet->setCurrentIndex(0);
  w.TabSetChange(0);
  EXPECT_EQ(ShownFileNames(w).size(), 10);
  EXPECT_TRUE(w.msg->isColumnHidden(kRankColumn));
}

TEST_F(ListWindowTest, EntriesBeyondTheStoredCountsAreHidden) {
  TfrmMain& w = StartWithTenConversations();
  AddSearchTab(w, "x", {"1", "1", "1"});
  EXPECT_EQ(ShownFileNames(w).size(), 3);
  AddSearchTab(w, "y", {});
  EXPECT_EQ(ShownFileNames(w).size(), 0);
}

TEST_F(ListWindowTest, ClosingTabsActivatesTheLeftOneAndTheLastHidesTheStrip) {
  TfrmMain& w = StartWithTenConversations();
  AddSearchTab(w, "x", {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  AddSearchTab(w, "y", {"1", "1", "0", "0", "0", "0", "0", "0", "0", "0"});
  EXPECT_EQ(ShownFileNames(w).size(), 2);
  w.CloseActiveSearchTab();
  EXPECT_EQ(w.TabSet->currentIndex(), 1);
  EXPECT_EQ(ShownFileNames(w).size(), 1);
  EXPECT_TRUE(w.TabSet->isVisibleTo(&w));
  ASSERT_EQ(w.search_list().size(), 1u);
  EXPECT_EQ(w.search_list()[0].first, "x");
  w.CloseActiveSearchTab();
  EXPECT_FALSE(w.TabSet->isVisibleTo(&w));
  EXPECT_TRUE(w.msg->isColumnHidden(kRankColumn));
  EXPECT_EQ(ShownFileNames(w).size(), 10);
  EXPECT_TRUE(w.search_list().empty());
}

TEST_F(ListWindowTest, ATreeBuildClosesSearchTabsButTheFavouritesKeepThem) {
  TfrmMain& w = StartWithTenConversations();
  AddSearchTab(w, "x", {"1"});
  SelectNode(w, "Favorite conversations");
  EXPECT_EQ(w.TabSet->count(), 2);
  SelectNode(w, "alice");
  EXPECT_EQ(w.TabSet->count(), 1);
  EXPECT_TRUE(w.search_list().empty());
  EXPECT_EQ(ShownFileNames(w).size(), 10);
}

TEST_F(ListWindowTest, SelectAllMessagesSelectsHiddenEntriesTooAndRendersThem) {
  TfrmMain& w = StartWithTenConversations();
  AddSearchTab(w, "x", {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  w.Selectallmessages2Click();
  EXPECT_EQ(w.msg->selectionModel()->selectedRows().size(), 10);
  EXPECT_EQ(w.text_buffer().size(), 10u);
}

TEST(RankBar, WidthIsProportionalWithHalvesToEven) {
  EXPECT_EQ(RankBarWidth(5, 46, 5), 46);
  EXPECT_EQ(RankBarWidth(1, 5, 2), 2);    // 2.5 -> 2
  EXPECT_EQ(RankBarWidth(3, 5, 2), 8);    // 7.5 -> 8
  EXPECT_EQ(RankBarWidth(1, 46, 3), 15);  // 15.33
  EXPECT_EQ(RankBarWidth(0, 46, 0), 0);
}

}  // namespace
}  // namespace orvex::testing
