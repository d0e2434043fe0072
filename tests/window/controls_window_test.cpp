// Every menu item, button, box and header of the window, used as a person
// uses it (the item triggered, a click, a key, a choice in a box), and the
// effect it has: a control wired to the wrong handler, or to none, fails here.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "platform_answers.h"
#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window_fixture.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

class ControlsTest;
struct ControlCase {
  const char* control;
  // Uses the control and gives what a person would now see.
  std::function<QString(ControlsTest&, TfrmMain&)> use;
  const char* seen;
};
void PrintTo(const ControlCase& c, std::ostream* os) {
  *os << c.control;
}

class ControlsTest : public PlatformWindowTest, public ::testing::WithParamInterface<ControlCase> {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }

 public:
  using WindowTest::AddArchive;

  // alice's three conversations listed by name, the first one shown; carol's one.
  TfrmMain& StartListed() {
    WriteBytes(program / "themes/other.th",
               "_FILEHEADER_\r\n<html><body class=other>\r\n_FILEFOOTER_\r\n</body></html>\r\n");
    AddArchive("bob", "alice", "20050101", {"one"});
    AddArchive("bob", "alice", "20050102", {"two two two"});
    AddArchive("bob", "alice", "20050103", {"three three"});
    AddArchive("bob", "carol", "20050104", {"four"});
    WriteBytes(program / "help/guide.html", "<html></html>");
    on_dialog = [this](QDialog& d) {
      dialog_titles << d.windowTitle();
      return static_cast<int>(QDialog::Rejected);
    };
    dialogs.answer_yes = false;
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);
    SelectRows(w, {0});
    views = w.view().view_page_counter();
    return w;
  }

  static QAction* Item(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions()) {
      if (a->text() == caption) return a;
    }
    return nullptr;
  }

  // Triggers a menu item; what the view, the dialogs and the desktop then show.
  QString Trigger(QMenu* menu, const QString& caption) {
    QAction* item = Item(menu, caption);
    if (!item) return "no item";
    item->trigger();
    return Outcome();
  }

  QString Outcome() {
    QStringList seen;
    if (window->view().view_page_counter() != views)
      seen << QString("views+%1").arg(window->view().view_page_counter() - views);
    if (!dialog_titles.isEmpty()) seen << "dialog " + dialog_titles.join(',');
    if (!save_dialogs.asked.isEmpty()) seen << "save " + save_dialogs.asked.join(',');
    if (save_dialogs.print_dialogs) seen << "print dialog";
    if (save_dialogs.page_setups) seen << "page setup";
    if (!shell.opened.isEmpty())
      seen << "open " + shell.opened.join(',').replace(QString::fromStdString(program.path()),
                                                       "PROGRAM/");
    if (!picker.asked.isEmpty()) seen << "folder picker";
    if (!dialogs.questions.isEmpty()) seen << "asked " + dialogs.questions.join(',');
    return seen.join("; ");
  }

  static QString Rows(TfrmMain& w) {
    QStringList rows;
    for (const ConversationEntry& e : w.list().model().entries())
      rows << QString::fromStdString(e.file_name).left(8);
    return rows.join(' ');
  }

  static QString Selected(TfrmMain& w) {
    return QString("%1 selected").arg(Ui(w).msg->selectionModel()->selectedRows().size());
  }

  static QString Panels(TfrmMain& w) {
    return QString("format %1 stats %2 viewer %3")
        .arg(int{Ui(w).panFormat->isVisibleTo(Ui(w).PanBottom)})
        .arg(int{Ui(w).panStats->isVisibleTo(&w)})
        .arg(int{Ui(w).PanBottom->isVisibleTo(&w)});
  }

  RecordingSaveDialogs save_dialogs;
  QStringList dialog_titles;
  std::int32_t views = 0;
};

TEST_P(ControlsTest, UsingTheControlHasItsEffect) {
  TfrmMain& w = StartListed();
  EXPECT_EQ(GetParam().use(*this, w), GetParam().seen);
}

QString Clipboard() {
  return QGuiApplication::clipboard()->text();
}

const ControlCase kControls[] = {
    // The search bar, the list's header, the format bar.
    {"Search button",
     [](ControlsTest&, TfrmMain& w) {
       QTest::keyClicks(Ui(w).txtSearch, "two");
       QTest::mouseClick(Ui(w).btnSearchNext, Qt::LeftButton);
       return Ui(w).TabSet->tabText(Ui(w).TabSet->currentIndex()) + " | " +
              ShownFileNames(w).join(' ');
     },
     "Search: two | 20050102-bob.dat"},
    {"Enter in the search box",
     [](ControlsTest&, TfrmMain& w) {
       QTest::keyClicks(Ui(w).txtSearch, "three");
       QTest::keyClick(Ui(w).txtSearch, Qt::Key_Return);
       return Ui(w).TabSet->tabText(Ui(w).TabSet->currentIndex());
     },
     "Search: three"},
    {"header Size",
     [](ControlsTest&, TfrmMain& w) {
       ShowWindow(w);
       QHeaderView* h = Ui(w).msg->header();
       QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                         {h->sectionViewportPosition(kSizeColumn) + 5, h->height() / 2});
       return ControlsTest::Rows(w);
     },
     "20050102 20050103 20050101"},
    {"theme box",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::keyClick(Ui(w).cbxTheme, OtherThemeKey(w));
       const bool other =
           JoinItems(w.view().html_buffer()).find("class=other") != std::string::npos;
       return Ui(w).cbxTheme->currentText() + (other ? " page" : " no page") + "; " + t.Outcome();
     },
     "other page; views+1"},
    {"Date",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).ckDate, Qt::LeftButton);
       return t.Outcome();
     },
     "views+1"},
    {"Time",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).ckTime, Qt::LeftButton);
       return t.Outcome();
     },
     "views+1"},
    {"Bold",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).ckBold, Qt::LeftButton);
       return t.Outcome();
     },
     "views+1"},
    {"Fonts",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).ckFonts, Qt::LeftButton);
       return t.Outcome();
     },
     "views+1"},
    {"Smileys",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).ckSmilies, Qt::LeftButton);
       return t.Outcome();
     },
     "views+1"},
    {"Raw",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnRaw, Qt::LeftButton);
       return QString(w.view().options().format_codes ? "codes " : "raw ") + t.Outcome();
     },
     "raw views+1"},
    // A box clicked after "Raw" keeps the raw view.
    {"Raw, then Date",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnRaw, Qt::LeftButton);
       QTest::mouseClick(Ui(w).ckDate, Qt::LeftButton);
       return QString(w.view().options().format_codes ? "codes " : "raw ") + t.Outcome();
     },
     "raw views+2"},
    // The tool buttons and the menu bar's own buttons.
    {"Format button",
     [](ControlsTest&, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnFormat, Qt::LeftButton);
       return ControlsTest::Panels(w);
     },
     "format 0 stats 0 viewer 1"},
    {"Statistics button",
     [](ControlsTest&, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnStats, Qt::LeftButton);
       return ControlsTest::Panels(w);
     },
     "format 1 stats 1 viewer 1"},
    {"... button",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnSelDir, Qt::LeftButton);
       return t.Outcome();
     },
     "folder picker"},
    {"Help button",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnHelp, Qt::LeftButton);
       return t.Outcome();
     },
     "open file://PROGRAM/help/guide.html"},
    {"Forum button",
     [](ControlsTest& t, TfrmMain& w) {
       QTest::mouseClick(Ui(w).btnForum, Qt::LeftButton);
       return t.Outcome();
     },
     "open file://PROGRAM/help/guide.html#questions"},
    {"archiving switch",
     [](ControlsTest&, TfrmMain& w) {
       const QString before =
           Ui(w).spdArchiving->text() + QString::number(Ui(w).spdArchiving->isEnabled());
       QTest::mouseClick(Ui(w).spdArchiving, Qt::LeftButton);
       return before + Ui(w).spdArchiving->text();
     },
     "Disabled1Enabled"},
    // The boxes of the left column.
    {"filter box",
     [](ControlsTest&, TfrmMain& w) {
       QTest::keyClicks(Ui(w).edtFilter, "car");
       return ControlsTest::Rows(w);
     },
     "20050104"},
    {"path box",
     [](ControlsTest&, TfrmMain& w) {
       TempFolder other;
       std::filesystem::create_directories(other / "zed/Archive/Messages/yan");
       QGuiApplication::clipboard()->setText(QString::fromStdString(other.path()));
       Ui(w).edtPath->selectAll();
       QTest::keyClick(Ui(w).edtPath, Qt::Key_V, Qt::ControlModifier);
       return TreeTexts(w).join('|');
     },
     "Show all|Favorite conversations|zed|  yan"},
    // File menu.
    {"Open message archive folder...",
     [](ControlsTest& t, TfrmMain& w) {
       return t.Trigger(Ui(w).popFile, "Open message archive folder...");
     },
     "folder picker"},
    {"Open .dat file...",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popFile, "Open .dat file..."); },
     "dialog Open .dat files"},
    {"File: Save as HTML...",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popFile, "Save as HTML..."); },
     "save HTML file (*.html);;All files (*)|"},
    {"File: Save as text...",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popFile, "Save as text..."); },
     "save Text file (*.txt);;All files (*)|"},
    {"Save as individual HTML files...",
     [](ControlsTest& t, TfrmMain& w) {
       return t.Trigger(Ui(w).popFile, "Save as individual HTML files...");
     },
     "dialog Save conversations to HTML files"},
    {"Save as individual text files...",
     [](ControlsTest& t, TfrmMain& w) {
       return t.Trigger(Ui(w).popFile, "Save as individual text files...");
     },
     "dialog Save conversations to plain text files"},
    {"Print...", [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popFile, "Print..."); },
     "print dialog"},
    {"Page setup...",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popFile, "Page setup..."); },
     "page setup"},
    // View menu.
    {"Format toolbar",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popView, "Format toolbar");
       return ControlsTest::Panels(w);
     },
     "format 0 stats 0 viewer 1"},
    {"View: Statistics",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popView, "Statistics");
       return ControlsTest::Panels(w);
     },
     "format 1 stats 1 viewer 1"},
    {"Message viewer",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popView, "Message viewer");
       return ControlsTest::Panels(w);
     },
     "format 1 stats 0 viewer 0"},
    // Conversation menu.
    {"Conversation: Add to favorites",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popMessage, "Add to favorites");
       SelectNode(w, "Favorite conversations");
       return ControlsTest::Rows(w);
     },
     "20050101"},
    {"Conversation: Copy to clipboard",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popMessage, "Copy to clipboard");
       return Clipboard() == QString::fromStdString(JoinItems(w.view().text_buffer()))
                  ? "text"
                  : Clipboard();
     },
     "text"},
    {"Copy html code to clipboard",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popMessage, "Copy html code to clipboard");
       return Clipboard() == QString::fromStdString(JoinItems(w.view().html_buffer()))
                  ? "html"
                  : Clipboard();
     },
     "html"},
    {"Conversation: Delete",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popMessage, "Delete"); },
     "asked Confirmation|Are you sure you want to delete 1 files?\r\n"},
    {"Conversation: Show in Explorer",
     [](ControlsTest& t, TfrmMain& w) {
       return t.Trigger(Ui(w).popMessage, "Show in Explorer").section('/', -3);
     },
     "Messages/alice/"},
    {"Conversation: Select all messages",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).popMessage, "Select all messages");
       return ControlsTest::Selected(w) + "; " + t.Outcome();
     },
     "3 selected; views+1"},
    // The list's menu, and its Del key.
    {"list: Add to favorites",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).PopupMenu1, "Add to favorites");
       SelectNode(w, "Favorite conversations");
       return ControlsTest::Rows(w);
     },
     "20050101"},
    {"list: Refresh",
     [](ControlsTest& t, TfrmMain& w) {
       t.AddArchive("bob", "alice", "20050105", {"five"});
       t.Trigger(Ui(w).PopupMenu1, "Refresh");
       return ControlsTest::Rows(w);
     },
     "20050101 20050102 20050103 20050105"},
    {"list: Copy to clipboard",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).PopupMenu1, "Copy to clipboard");
       return Clipboard() == QString::fromStdString(JoinItems(w.view().text_buffer()))
                  ? "text"
                  : Clipboard();
     },
     "text"},
    {"list: Save as HTML...",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).PopupMenu1, "Save as HTML..."); },
     "save HTML file (*.html);;All files (*)|"},
    {"list: Save as text...",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).PopupMenu1, "Save as text..."); },
     "save Text file (*.txt);;All files (*)|"},
    {"list: Delete",
     [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).PopupMenu1, "Delete"); },
     "asked Confirmation|Are you sure you want to delete 1 files?\r\n"},
    {"list: Show in Explorer",
     [](ControlsTest& t, TfrmMain& w) {
       return t.Trigger(Ui(w).PopupMenu1, "Show in Explorer").section('/', -3);
     },
     "Messages/alice/"},
    {"list: Select all messages",
     [](ControlsTest& t, TfrmMain& w) {
       t.Trigger(Ui(w).PopupMenu1, "Select all messages");
       return ControlsTest::Selected(w);
     },
     "3 selected"},
    // Help menu.
    {"Help", [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popHelp, "Help"); },
     "open file://PROGRAM/help/guide.html"},
    {"Homepage", [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popHelp, "Homepage"); },
     "open file://PROGRAM/help/guide.html"},
    {"Help: Forum", [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popHelp, "Forum"); },
     "open file://PROGRAM/help/guide.html#questions"},
    {"About...", [](ControlsTest& t, TfrmMain& w) { return t.Trigger(Ui(w).popHelp, "About..."); },
     "dialog About"},
};

INSTANTIATE_TEST_SUITE_P(Window, ControlsTest, ::testing::ValuesIn(kControls));

}  // namespace
}  // namespace orvex::testing
