// The search tabs driven as a person drives them: typing and clicking
// "Search", the close button of the active tab, clicks, the mouse wheel and
// the arrow keys on the strip. Whatever activates a tab, the list follows it.
#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QWheelEvent>

#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

class TabsWindowTest : public WindowTest {
 protected:
  // alice's four conversations: "red" in the first two, "blue" in the last.
  TfrmMain& StartWithSearches() {
    AddArchive("bob", "alice", "20050101", {"red"});
    AddArchive("bob", "alice", "20050102", {"red red"});
    AddArchive("bob", "alice", "20050103", {"green"});
    AddArchive("bob", "alice", "20050104", {"blue"});
    TfrmMain& w = Start();
    ShowWindow(w);
    SelectNode(w, "alice");
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);  // ascending by name
    SearchFor(w, "red");
    SearchFor(w, "blue");
    return w;
  }

  // What the list shows: the file names, and whether the "Rank" column is.
  static QString Shown(TfrmMain& w) {
    return ShownFileNames(w).join(' ') + (Ui(w).msg->isColumnHidden(kRankColumn) ? "" : " +rank");
  }

  static void Wheel(TfrmMain& w, int steps) {
    const QPointF at = Ui(w).TabSet->rect().center();
    QWheelEvent wheel(at, Ui(w).TabSet->mapToGlobal(at), {}, {0, 120 * steps}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Ui(w).TabSet, &wheel);
  }
};

constexpr const char* kAll = "20050101-bob.dat 20050102-bob.dat 20050103-bob.dat 20050104-bob.dat";
constexpr const char* kRed = "20050101-bob.dat 20050102-bob.dat +rank";
constexpr const char* kBlue = "20050104-bob.dat +rank";

TEST_F(TabsWindowTest, OnlyTheActiveSearchTabHasACloseButtonAndItClosesThatTab) {
  TfrmMain& w = StartWithSearches();
  ASSERT_EQ(Ui(w).TabSet->count(), 3);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 2);
  EXPECT_EQ(TabCloseButton(w, 0), nullptr);
  EXPECT_EQ(TabCloseButton(w, 1), nullptr);
  ASSERT_NE(TabCloseButton(w, 2), nullptr);

  QTest::mouseClick(TabCloseButton(w, 2), Qt::LeftButton);
  ASSERT_EQ(Ui(w).TabSet->count(), 2);
  EXPECT_EQ(Ui(w).TabSet->tabText(1), "Search: red");
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
  EXPECT_EQ(Shown(w), kRed);
  ASSERT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].first, "red");

  // The one search tab left closes with its own button.
  ASSERT_NE(TabCloseButton(w, 1), nullptr);
  QTest::mouseClick(TabCloseButton(w, 1), Qt::LeftButton);
  EXPECT_EQ(Ui(w).TabSet->count(), 1);
  EXPECT_FALSE(Ui(w).TabSet->isVisibleTo(&w));
  EXPECT_EQ(Shown(w), kAll);
  EXPECT_TRUE(w.list().search_list().empty());
}

TEST_F(TabsWindowTest, ClicksWheelAndArrowKeysSwitchTabsAndTheListFollows) {
  TfrmMain& w = StartWithSearches();
  EXPECT_EQ(Shown(w), kBlue);

  ClickTab(w, 1);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
  EXPECT_EQ(Shown(w), kRed);
  EXPECT_EQ(w.list().model().highest_rank(), 2);
  EXPECT_NE(TabCloseButton(w, 1), nullptr);
  EXPECT_EQ(TabCloseButton(w, 2), nullptr);

  Wheel(w, 1);  // towards the first tab
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 0);
  EXPECT_EQ(Shown(w), kAll);
  Wheel(w, -1);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 1);
  EXPECT_EQ(Shown(w), kRed);

  QTest::keyClick(Ui(w).TabSet, Qt::Key_Right);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 2);
  EXPECT_EQ(Shown(w), kBlue);
  QTest::keyClick(Ui(w).TabSet, Qt::Key_Left);
  QTest::keyClick(Ui(w).TabSet, Qt::Key_Left);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 0);
  EXPECT_EQ(Shown(w), kAll);

  // A right click opens no tab.
  QTest::mouseClick(Ui(w).TabSet, Qt::RightButton, {}, Ui(w).TabSet->tabRect(2).center());
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 0);
  EXPECT_EQ(Shown(w), kAll);
}

}  // namespace
}  // namespace orvex::testing
