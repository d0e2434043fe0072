// The view's session and the window's area panels driven alone, and the
// names of the window's controls as a whole.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTreeView>

#include <map>

#include "tests/window/window_fixture.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/viewer/view_session.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

using PanelTest = WindowTest;

// Given paths, the session alone (no window, no browser) writes each view's
// page under the next name as its buffer holds it, tells where, and tells the
// counts of every view that ends; a file that cannot be read is reported
// after the files before it are shown.
TEST_F(PanelTest, SessionWritesEachViewsPageAndTellsItsCounts) {
  const std::string a = AddArchive("me", "pal", "20060101", {"one", "two", "three"});
  const std::string b = AddArchive("me", "pal", "20060102", {"four"});
  QWidget commands;
  LongActionRunner runner(&commands);
  ViewSession viewer(program.path(), QString::fromStdString(temp / "pages"));
  QSignalSpy told(&viewer, &ViewSession::countersChanged);
  QString written;
  QObject::connect(&viewer, &ViewSession::pageWritten, &viewer,
                   [&](const QString& path, const TextItems* items, std::size_t) {
                     EXPECT_EQ(items, &viewer.html_buffer());
                     written = path;
                   });
  const std::pair<std::vector<std::string>, int> views[] = {
      {{a, b}, 4}, {{b}, 1}, {{a, temp / "missing.dat"}, 3}};  // paths, messages
  for (int view = 0; view < 3; ++view) {
    const auto& [paths, messages] = views[view];
    auto show = [&] { viewer.Show(paths, {}, runner, nullptr, [] { return ""; }); };
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
    EXPECT_EQ(written, page);
    EXPECT_EQ(ReadFile(page.toStdString()), JoinItems(viewer.html_buffer()));
  }
}

class ListPanelAlone : public ::testing::Test {
 protected:
  // Files named by the letters, sized as given.
  void Fill(const std::string& names, std::vector<int> sizes) {
    std::vector<ConversationEntry> entries(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
      entries[i].file_name = entries[i].path = entries[i].friend_name = names.substr(i, 1);
      entries[i].size = sizes[i];
      paths.push_back(entries[i].path);
    }
    list.FillList(entries);
  }
  QTreeView& shown() { return *list.findChild<QTreeView*>("msg"); }
  ListPanel list{nullptr};
  std::vector<FileNameBytes> paths;
};

// The selection belongs to the entries: after each sort (a click flips the
// direction) the selected rows are the same files, in the order now shown,
// and the panel tells them as they change.
TEST_F(ListPanelAlone, KeepsTheSelectionsFilesInDisplayOrderAfterEachSort) {
  Fill("abcd", {30, 50, 40, 20});
  QSignalSpy told(&list, &ListPanel::selectionChanged);
  for (int row : {1, 2})
    shown().selectionModel()->select(shown().model()->index(row, 0),
                                     {QItemSelectionModel::Select | QItemSelectionModel::Rows});
  ASSERT_EQ(told.count(), 2);
  EXPECT_EQ(told.last().at(0).value<std::vector<ConversationEntry>>().size(), 2u);
  const std::pair<int, std::string> sorts[] = {
      {kSizeColumn, "bc"}, {kSizeColumn, "cb"}, {kFriendColumn, "cb"}, {kFriendColumn, "bc"}};
  for (const auto& [column, expected] : sorts) {
    emit shown().header()->sectionClicked(column);
    std::string files;
    for (const ConversationEntry& e : list.SelectedEntries()) files += e.path;
    EXPECT_EQ(files, expected) << column;
  }
}

// A search tab lists the entries its counts reach and none beyond them; a
// tab without counts lists nothing.
TEST_F(ListPanelAlone, EntriesBeyondTheStoredCountsAreHidden) {
  Fill("abcdefghij", std::vector<int>(10));
  list.AddSearchTab("x", "x", {"1", "1", "1"}, paths);
  EXPECT_EQ(shown().model()->rowCount(), 3);
  list.AddSearchTab("y", "y", {}, paths);
  EXPECT_EQ(shown().model()->rowCount(), 0);
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
