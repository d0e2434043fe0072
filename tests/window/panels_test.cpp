// The window's area panels driven alone, and the names of the window's
// controls as a whole.
#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTreeView>
#include <QWidget>

#include <map>

#include "tests/window/window_fixture.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/archive/document.h"

namespace orvex::testing {
namespace {

using PanelTest = WindowTest;

// Given paths, the viewer writes each view's page under the next name, keeps
// its buffers and counts, and tells the counts of every view that ends; a
// file that cannot be read is reported after the files before it are shown.
TEST_F(PanelTest, ViewerWritesEachViewsPageAndTellsItsCounts) {
  const std::string a = AddArchive("me", "pal", "20060101", {"one", "two", "three"});
  const std::string b = AddArchive("me", "pal", "20060102", {"four"});
  QWidget commands;
  LongActionRunner runner(&commands);
  ViewerPanel viewer(program.path(), QString::fromStdString(temp / "pages"), nullptr);
  viewer.ListThemes();
  viewer.SelectTheme("default");
  viewer.LoadTheme();
  QSignalSpy told(&viewer, &ViewerPanel::countersChanged);
  RenderSettings settings;
  settings.formatter = &formatter;

  struct Case {
    std::vector<std::string> paths;
    int messages;  // both sides together
    bool fails;
    QString page;  // the page it writes
  };
  const Case cases[] = {
      {{a, b}, 4, false, "orvex0.html"},
      {{b}, 1, false, "orvex1.html"},
      {{a, temp / "missing.dat"}, 3, true, "orvex2.html"},
  };
  int views = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.paths.size());
    bool failed = false;
    try {
      viewer.ShowConversations(c.paths, settings, runner, nullptr, [] { return "today"; });
    } catch (const std::exception&) {
      failed = true;
    }
    EXPECT_EQ(failed, c.fails);
    ASSERT_EQ(told.count(), ++views);
    const auto counts = told.last().at(0).value<MessageCounters>();
    EXPECT_EQ(counts, viewer.counters());
    EXPECT_EQ(counts.side[0].messages + counts.side[1].messages, c.messages);
    const QString page = QString::fromStdString(temp / "pages/") + c.page;
    EXPECT_EQ(viewer.last_page_path(), page);
    EXPECT_EQ(ReadFile(page.toStdString()), JoinItems(viewer.html_buffer()));
    EXPECT_NE(JoinItems(viewer.text_buffer()).find(c.messages == 1 ? "four" : "three"),
              std::string::npos);
  }
  EXPECT_EQ(viewer.view_page_counter(), 3);
}

// The list's selection belongs to its entries: after each sort the selected
// rows are the same files, in the order the list now shows them (each click
// flips the direction).
TEST(ListPanelAlone, KeepsTheSelectionsFilesInDisplayOrderAfterEachSort) {
  ListPanel list(nullptr);
  std::vector<ConversationEntry> entries;
  for (const auto& [name, size] : {std::pair{"a", 30}, {"b", 50}, {"c", 40}, {"d", 20}}) {
    ConversationEntry e;
    e.file_name = e.path = e.friend_name = name;
    e.size = size;
    entries.push_back(e);
  }
  list.FillList(entries);
  for (int row : {1, 2}) {  // b and c
    list.selection()->select(list.model()->index(row, 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  auto selected = [&] {
    std::string files;
    for (int row : list.SelectedRowsInOrder()) files += list.model()->EntryAt(row).path;
    return files;
  };
  const std::pair<int, std::string> sorts[] = {
      {kSizeColumn, "bc"}, {kSizeColumn, "cb"}, {kFriendColumn, "cb"}, {kFriendColumn, "bc"}};
  for (const auto& [column, expected] : sorts) {
    list.SortBy(column);
    EXPECT_EQ(selected(), expected) << column;
  }
}

// A search tab lists the entries its counts reach, in list order, and no
// entry beyond them; a tab without counts lists nothing.
TEST(ListPanelAlone, EntriesBeyondTheStoredCountsAreHidden) {
  ListPanel list(nullptr);
  std::vector<ConversationEntry> entries(10);
  std::vector<FileNameBytes> paths;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i].file_name = entries[i].path = "f" + std::to_string(i);
    paths.push_back(entries[i].path);
  }
  list.FillList(entries);
  // The window shows a tab when the strip says it changed.
  QObject::connect(&list, &ListPanel::tabChanged, &list, &ListPanel::ShowTab);
  const auto* shown = list.findChild<QTreeView*>("msg")->model();
  list.AddSearchTab("x", "x", {"1", "1", "1"}, paths);
  EXPECT_EQ(shown->rowCount(), 3);
  list.AddSearchTab("y", "y", {}, paths);
  EXPECT_EQ(shown->rowCount(), 0);
}

// Every control's name is given once in the whole window, by the main window
// or by the panel that builds it.
TEST_F(PanelTest, EveryControlNameIsGivenOnce) {
  TfrmMain& w = Start();
  std::map<QString, int> names;
  for (const QObject* o : w.findChildren<QObject*>()) {
    if (!o->objectName().isEmpty() && !o->objectName().startsWith("qt_")) ++names[o->objectName()];
  }
  const WindowControls ui = Ui(w);  // stops the test when a control is missing
  EXPECT_EQ(names["menu_bar_button"], 4);
  names.erase("menu_bar_button");
  for (const auto& [name, count] : names) EXPECT_EQ(count, 1) << name.toStdString();
}

}  // namespace
}  // namespace orvex::testing
