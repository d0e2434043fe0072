// The window's area panels driven alone, and the names of the window's
// controls as a whole.
#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTreeView>

#include <map>

#include "tests/window/window_fixture.h"
#include "window/long_action.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

using PanelTest = WindowTest;

// Given paths, the viewer writes each view's page under the next name as its
// buffer holds it, and tells the counts of every view that ends; a file that
// cannot be read is reported after the files before it are shown.
TEST_F(PanelTest, ViewerWritesEachViewsPageAndTellsItsCounts) {
  const std::string a = AddArchive("me", "pal", "20060101", {"one", "two", "three"});
  const std::string b = AddArchive("me", "pal", "20060102", {"four"});
  QWidget commands;
  LongActionRunner runner(&commands);
  ViewerPanel viewer(program.path(), QString::fromStdString(temp / "pages"), nullptr);
  QSignalSpy told(&viewer, &ViewerPanel::countersChanged);
  const std::pair<std::vector<std::string>, int> views[] = {
      {{a, b}, 4}, {{b}, 1}, {{a, temp / "missing.dat"}, 3}};  // paths, messages
  for (int view = 0; view < 3; ++view) {
    const auto& [paths, messages] = views[view];
    auto show = [&] { viewer.ShowConversations(paths, {}, runner, nullptr, [] { return ""; }); };
    if (view == 2) {
      EXPECT_ANY_THROW(show());
    } else {
      show();
    }
    ASSERT_EQ(told.count(), view + 1);
    const auto counts = told.last().at(0).value<MessageCounters>();
    EXPECT_EQ(counts, viewer.counters());
    EXPECT_EQ(counts.side[0].messages + counts.side[1].messages, messages);
    const QString page = QString::fromStdString(temp / "pages/orvex%1.html").arg(view);
    EXPECT_EQ(viewer.last_page_path(), page);
    EXPECT_EQ(ReadFile(page.toStdString()), JoinItems(viewer.html_buffer()));
  }
}

class ListPanelAlone : public ::testing::Test {
 protected:
  // Files named by the letters, sized as given; the window's wiring of a
  // changed tab to showing it.
  void Fill(const std::string& names, std::vector<int> sizes) {
    std::vector<ConversationEntry> entries(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
      entries[i].file_name = entries[i].path = entries[i].friend_name = names.substr(i, 1);
      entries[i].size = sizes[i];
      paths.push_back(entries[i].path);
    }
    list.FillList(entries);
    QObject::connect(&list, &ListPanel::tabChanged, &list, &ListPanel::ShowTab);
  }
  ListPanel list{nullptr};
  std::vector<FileNameBytes> paths;
};

// The selection belongs to the entries: after each sort (a click flips the
// direction) the selected rows are the same files, in the order now shown.
TEST_F(ListPanelAlone, KeepsTheSelectionsFilesInDisplayOrderAfterEachSort) {
  Fill("abcd", {30, 50, 40, 20});
  for (int row : {1, 2})
    list.selection()->select(list.model()->index(row, 0),
                             {QItemSelectionModel::Select | QItemSelectionModel::Rows});
  const std::pair<int, std::string> sorts[] = {
      {kSizeColumn, "bc"}, {kSizeColumn, "cb"}, {kFriendColumn, "cb"}, {kFriendColumn, "bc"}};
  for (const auto& [column, expected] : sorts) {
    list.SortBy(column);
    std::string files;
    for (int row : list.SelectedRowsInOrder()) files += list.model()->EntryAt(row).path;
    EXPECT_EQ(files, expected) << column;
  }
}

// A search tab lists the entries its counts reach and none beyond them; a
// tab without counts lists nothing.
TEST_F(ListPanelAlone, EntriesBeyondTheStoredCountsAreHidden) {
  Fill("abcdefghij", std::vector<int>(10));
  const auto* shown = list.findChild<QTreeView*>("msg")->model();
  list.AddSearchTab("x", "x", {"1", "1", "1"}, paths);
  EXPECT_EQ(shown->rowCount(), 3);
  list.AddSearchTab("y", "y", {}, paths);
  EXPECT_EQ(shown->rowCount(), 0);
}

// Every control (Ui stops at one missing) is named once in the whole window,
// by the main window or by the panel that builds it.
TEST_F(PanelTest, EveryControlNameIsGivenOnce) {
  TfrmMain& w = Start();
  Ui(w);
  std::map<QString, int> names;
  for (const QObject* o : w.findChildren<QObject*>()) ++names[o->objectName()];
  for (const auto& [name, count] : names) {
    if (name.isEmpty() || name.startsWith("qt_")) continue;
    EXPECT_EQ(count, name == "menu_bar_button" ? 4 : 1) << name.toStdString();
  }
}

}  // namespace
}  // namespace orvex::testing
