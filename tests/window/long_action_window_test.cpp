// One long action at a time: while a view runs, the window takes no other
// command (a search, a theme, a tab), the wait panel and its "Cancel" stay
// usable, and a selection that changes meanwhile is shown after it.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window_fixture.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

QAction* Item(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions()) {
    if (a->text() == caption) return a;
  }
  ADD_FAILURE() << caption.toStdString();
  return nullptr;
}

class LongActionWindowTest : public WindowTest {
 protected:
  TfrmMain& StartWith(int conversations) {
    WriteBytes(program / "themes/other.th",
               "_FILEHEADER_\r\n<html><body class=other>\r\n_FILEFOOTER_\r\n</body></html>\r\n");
    for (int i = 0; i < conversations; ++i) {
      char day[16];
      std::snprintf(day, sizeof day, "2005%02d%02d", i / 28 + 1, i % 28 + 1);
      AddArchive("bob", "alice", day, {"flat " + std::to_string(i)});
    }
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);  // ascending by name
    return w;
  }
};

TEST_F(LongActionWindowTest, WhileAViewRunsASearchAThemeAndATabAreRefused) {
  for (int n : {3, 25}) {  // without and with the wait panel
    TfrmMain& w = StartWith(n);
    QTest::keyClicks(Ui(w).txtSearch, "flat");
    const int theme = Ui(w).cbxTheme->currentIndex();
    bool tried = false, panel = false, disabled = false, cancel_usable = false;
    QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int position) {
      if (position != 1 || tried) return;
      tried = true;
      panel = Ui(w).pnlWait->isVisibleTo(&w);
      disabled =
          !Ui(w).txtSearch->isEnabled() && !Ui(w).cbxTheme->isEnabled() && !Ui(w).msg->isEnabled();
      cancel_usable = Ui(w).btnCancel->isEnabled();
      // What a person might do in the meantime.
      QTest::mouseClick(Ui(w).btnSearchNext, Qt::LeftButton);
      QTest::keyClick(Ui(w).txtSearch, Qt::Key_Return);
      QTest::keyClick(Ui(w).cbxTheme, OtherThemeKey(w));
      QTest::keyClick(Ui(w).msg, Qt::Key_Down);
    });
    Item(Ui(w).popMessage, "Select all messages")->trigger();
    ASSERT_TRUE(tried) << n;
    EXPECT_EQ(panel, n > 20) << n;
    EXPECT_EQ(disabled, n > 20) << n;
    EXPECT_TRUE(cancel_usable) << n;
    EXPECT_FALSE(w.long_action_running());
    EXPECT_FALSE(Ui(w).pnlWait->isVisibleTo(&w));
    EXPECT_TRUE(Ui(w).txtSearch->isEnabled() && Ui(w).cbxTheme->isEnabled() &&
                Ui(w).msg->isEnabled());
    // Nothing else ran: no search tab, the same theme, every row still
    // selected, one page of one theme with every conversation.
    EXPECT_EQ(Ui(w).TabSet->count(), 1) << n;
    EXPECT_TRUE(w.list().search_list().empty()) << n;
    EXPECT_EQ(Ui(w).cbxTheme->currentIndex(), theme) << n;
    EXPECT_EQ(Ui(w).msg->selectionModel()->selectedRows().size(), n);
    EXPECT_EQ(w.view().text_buffer().size(), static_cast<std::size_t>(n));
    EXPECT_EQ(JoinItems(w.view().html_buffer()).find("class=other"), std::string::npos);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // Afterwards the same commands work.
    QTest::mouseClick(Ui(w).btnSearchNext, Qt::LeftButton);
    EXPECT_EQ(Ui(w).TabSet->count(), 2) << n;
    window.reset();
  }
}

TEST_F(LongActionWindowTest, CancelStillStopsTheViewWhileOtherInputIsRefused) {
  TfrmMain& w = StartWith(25);
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int position) {
    if (position == 3) QTest::mouseClick(Ui(w).btnCancel, Qt::LeftButton);
  });
  Item(Ui(w).popMessage, "Select all messages")->trigger();
  EXPECT_EQ(w.view().text_buffer().size(), 4u);
  EXPECT_EQ(Ui(w).lblProgress->text(), "3 files processed out of 25");
}

TEST_F(LongActionWindowTest, ASelectionChangedDuringAViewIsShownAfterIt) {
  TfrmMain& w = StartWith(25);
  bool changed = false;
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int position) {
    if (position != 2 || changed) return;
    changed = true;
    SelectRows(w, {7});
  });
  Item(Ui(w).popMessage, "Select all messages")->trigger();
  ASSERT_TRUE(changed);
  EXPECT_TRUE(WaitFor([&] { return w.view().text_buffer().size() == 1u; }));
  EXPECT_NE(JoinItems(w.view().text_buffer()).find("flat 7"), std::string::npos);
}

TEST_F(LongActionWindowTest, ASearchShowsItsPanelAndRefusesAView) {
  TfrmMain& w = StartWith(31);
  const std::int32_t views = w.view().view_page_counter();
  bool tried = false, view_inside = false;
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int position) {
    if (position != 1 || tried) return;
    tried = true;
    EXPECT_TRUE(w.long_action_running());
    EXPECT_TRUE(Ui(w).pnlWait->isVisibleTo(&w));
    // The selection changes meanwhile (the program's doing: a person's
    // click or key is refused).
    Item(Ui(w).popMessage, "Select all messages")->trigger();
    view_inside = w.view().view_page_counter() != views;
  });
  QTest::keyClicks(Ui(w).txtSearch, "flat");
  QTest::keyClick(Ui(w).txtSearch, Qt::Key_Return);
  ASSERT_TRUE(tried);
  EXPECT_FALSE(view_inside);
  EXPECT_EQ(w.list().search_list().size(), 1u);
  EXPECT_EQ(w.list().search_list()[0].second.size(), 31u);
  // The new selection is shown once the search is done, not inside it.
  EXPECT_TRUE(WaitFor([&] { return w.view().view_page_counter() == views + 1; }));
  EXPECT_EQ(w.view().text_buffer().size(), 31u);
}

// A whole history selected with Ctrl+A: the rows arrive in two column blocks
// (the rank column is hidden), which once made thousands of ranges and held
// the window for seconds before the panel showed. The panel is up when the
// first file is read, and the selection it starts from is a range or two.
TEST_F(LongActionWindowTest, CtrlAOnALongListShowsTheWaitPanelAtOnce) {
  constexpr int kRows = 4000;
  for (int i = 0; i < kRows; ++i) {
    char day[16];
    std::snprintf(day, sizeof day, "%04d%02d%02d", 2000 + i / 336, i / 28 % 12 + 1, i % 28 + 1);
    AddArchive("bob", "alice", day, {"flat"});
  }
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  bool shown = false;
  qsizetype ranges = -1;
  QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int files) {
    if (files > 0 && ranges < 0) {
      shown = Ui(w).pnlWait->isVisibleTo(&w);
      ranges = w.list().selection().selection().size();
    }
    Ui(w).btnCancel->click();  // the first files tell enough
  });
  QTest::keyClick(Ui(w).msg, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Ui(w).msg->selectionModel()->selectedRows().size(), kRows);
  EXPECT_TRUE(shown);
  EXPECT_GE(ranges, 1);
  EXPECT_LE(ranges, 2);  // whole rows: a range or two, not one a row
}

}  // namespace
}  // namespace orvex::testing
