// Start-up, the panels and their switches, the menus, and leaving.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "window_fixture.h"

namespace orvex::testing {
namespace {

QStringList Captions(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? QString("-") : a->text());
  return out;
}

using ShellWindowTest = WindowTest;

struct OwnPagesFolderTest : WindowTest {
  void Configure(FrmMainEnvironment& env) override {
    env.temp_folder = QString::fromStdString(temp / "pages/window-1/");
    env.own_temp_folder = true;
  }
};

TEST_F(OwnPagesFolderTest, EachWindowWritesItsPagesApartAndRemovesThemOnClose) {
  const QString first = FrmMainEnvironment::FromSystem().temp_folder;
  const QString second = FrmMainEnvironment::FromSystem().temp_folder;
  EXPECT_NE(first, second);
  for (const QString& folder : {first, second}) std::filesystem::remove_all(folder.toStdString());
  std::filesystem::create_directories(temp / "pages/window-1");
  AddArchive("bob", "alice", "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  SelectRows(w, {0});
  EXPECT_FALSE(std::filesystem::is_empty(temp / "pages/window-1"));
  w.close();
  EXPECT_FALSE(std::filesystem::exists(temp / "pages/window-1"));
}

TEST_F(ShellWindowTest, FirstStartShowsDefaultsAndClosingWritesExactlyTheKeys) {
  TfrmMain& w = Start();
  EXPECT_TRUE(Ui(w).ckDate->isChecked());
  EXPECT_TRUE(Ui(w).ckTime->isChecked());
  EXPECT_TRUE(Ui(w).ckBold->isChecked());
  EXPECT_TRUE(Ui(w).ckFonts->isChecked());
  EXPECT_FALSE(Ui(w).ckSmilies->isChecked());
  EXPECT_TRUE(Ui(w).panFormat->isVisibleTo(&w));
  EXPECT_FALSE(Ui(w).panStats->isVisibleTo(&w));
  EXPECT_TRUE(Ui(w).PanBottom->isVisibleTo(&w));
  EXPECT_EQ(Ui(w).cbxTheme->currentText(), "default");
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("|").toStdString();
  EXPECT_EQ(Ui(w).edtPath->text().toStdString(), ProfilesFolder());

  w.close();
  EXPECT_EQ(SettingsText(),
            "[Settings]\r\nDate=1\r\nTime=1\r\nTheme=default\r\nBold=1\r\nFonts=1\r\n"
            "Smileys=0\r\nStats=0\r\nFormat=1\r\nFavorites=0\r\n");
}

// What a killed run's writes left beside the settings file and the view pages
// is gone once the window has started; what a running one left stays.
TEST_F(ShellWindowTest, StartUpRemovesTheNewFilesOfKilledWrites) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  const std::string dead = ".tmp" + std::to_string(child) + "-0";
  // Each file, and whether it stays.
  const std::pair<std::string, bool> files[] = {
      {program / ("orvex.ini" + dead), false},
      {temp / ("pages/orvex3.html" + dead), false},
      {temp / ("pages/orvex4.html.tmp" + std::to_string(::getpid()) + "-0"), true}};
  for (const auto& [file, stays] : files) WriteBytes(file, "half");
  Start();
  for (const auto& [file, stays] : files) EXPECT_EQ(std::filesystem::exists(file), stays) << file;
}

TEST_F(ShellWindowTest, ExitSavesTheSettingsAndFavouritesAsClosingDoes) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  SelectRows(w, {0});
  Choose(Ui(w).popMessage, "Add to favorites");
  Ui(w).ckDate->setChecked(false);
  for (QAction* a : Ui(w).popFile->actions()) {
    if (a->text() == "Exit") a->trigger();
  }
  const std::string ini = SettingsText();
  EXPECT_NE(ini.find("Date=0\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Favorites=1\r\nPath0="), std::string::npos) << ini;
  EXPECT_NE(ini.find("Identity0=bob\r\nFriend0=alice\r\n"), std::string::npos) << ini;
}

TEST_F(ShellWindowTest, EachPanelSwitchKeepsMenuAndButtonInStepAndReturnsAfterTwo) {
  TfrmMain& w = Start();
  struct Switch {
    QWidget* panel;
    QAction* item;
    QToolButton* button;
  };
  const Switch switches[] = {
      {Ui(w).panFormat, Ui(w).mnuFormatToolbar, Ui(w).btnFormat},
      {Ui(w).panStats, Ui(w).mnuStatistics, Ui(w).btnStats},
      {Ui(w).PanBottom, Ui(w).mnuMsgview, nullptr},
  };
  for (const Switch& s : switches) {
    const bool before = s.panel->isVisibleTo(&w);
    for (int click = 1; click <= 2; ++click) {
      s.item->trigger();
      const bool shown = s.panel->isVisibleTo(&w);
      EXPECT_EQ(shown, click == 1 ? !before : before);
      EXPECT_EQ(s.item->isChecked(), shown);
      if (s.button) {
        EXPECT_EQ(s.button->isChecked(), shown);
      }
    }
  }
}

TEST_F(ShellWindowTest, MenusHoldTheirItemsInOrder) {
  TfrmMain& w = Start();
  EXPECT_EQ(Captions(Ui(w).popFile).join("|"),
            "Open message archive folder...|Open .dat file...|Add archive folder...|"
            "Remove added archive folders|-|Save as HTML...|Save as text...|"
            "Save as individual HTML files...|Save as individual text files...|"
            "Save as website...|Save as JSON files...|-|Print...|Print preview...|Page setup...|-|"
            "Exit");
  EXPECT_EQ(Captions(Ui(w).popView).join("|"), "Format toolbar|Statistics|Message viewer");
  EXPECT_EQ(Captions(Ui(w).popMessage).join("|"),
            "Add to favorites|-|Copy to clipboard|Copy html code to clipboard|-|Delete|"
            "Show in Explorer|-|Select all messages|-|Find in view...");
  EXPECT_EQ(Captions(Ui(w).popHelp).join("|"),
            "Help|Homepage|Forum|Suggestions and bugs reports|-|About...");
  EXPECT_EQ(Captions(Ui(w).PopupMenu1).join("|"),
            "Add to favorites|Remove from favorites|Refresh|-|Copy to clipboard|Save as HTML...|"
            "Save as text...|Delete|-|Show in Explorer|Select all messages");
  QStringList bar;
  for (QToolButton* b : Ui(w).menu_bar_buttons) bar << b->text();
  EXPECT_EQ(bar.join("|"), "&File|&View|&Conversation|&Help");
  EXPECT_EQ(w.windowTitle(), "Orvex Messenger Archive");
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: ");
  EXPECT_EQ(Ui(w).spdArchiving->text(), "enabled");
}

// Alt+F and Alt+H open their menus, though the Forum and Help buttons of the
// top strip mark the same letters.
TEST_F(ShellWindowTest, AltAndTheMarkedLetterOpensEachMenu) {
  TfrmMain& w = Start();
  ShowWindow(w);
  const std::pair<Qt::Key, QMenu*> keys[] = {{Qt::Key_F, Ui(w).popFile},
                                             {Qt::Key_H, Ui(w).popHelp}};
  for (const auto& [key, menu] : keys) {
    QWidget* opened = nullptr;
    QTimer poll;  // the menu runs its own event loop once open
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        opened = popup;
        popup->close();
      }
    });
    poll.start(5);
    // The window's shortcuts need it active, also once the last menu closed;
    // a busy machine may take long to activate it. A key lost on the way is
    // pressed again, a few times: a key that opens no menu still fails.
    for (int tries = 0; tries < 5; ++tries) {
      w.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 60000));
      QTest::keyClick(&w, key, Qt::AltModifier);
      if (QTest::qWaitFor([&] { return opened != nullptr; }, 2000)) break;
    }
    EXPECT_EQ(opened, menu) << QKeySequence(key).toString().toStdString();
  }
}

TEST_F(ShellWindowTest, AnErrorInAnActionIsShownWithAFullStopAndTheWindowGoesOn) {
  TfrmMain& w = Start();
  w.Guard([] { throw std::runtime_error("File not found"); });
  w.Guard([] { throw std::runtime_error("Done."); });
  w.Guard([] { throw std::runtime_error("Oops!"); });
  EXPECT_EQ(dialogs.errors.join("|"), "File not found.|Done.|Oops!");
}

TEST_F(ShellWindowTest, AMissingThemeIsReportedAndTheOtherSettingsStillApply) {
  WriteBytes(program / "orvex.ini", "[Settings]\r\nTheme=nosuch\r\nSmileys=1\r\nStats=1\r\n");
  TfrmMain& w = Start();
  EXPECT_EQ(dialogs.errors.join("|"), "File not found.");
  EXPECT_TRUE(Ui(w).ckSmilies->isChecked());
  EXPECT_TRUE(Ui(w).panStats->isVisibleTo(&w));
  EXPECT_EQ(Ui(w).cbxTheme->currentIndex(), -1);
  w.close();
  EXPECT_NE(SettingsText().find("Theme=nosuch\r\n"), std::string::npos);
}

// No display name is set: the platform would append it to every dialog's
// title, which is to be the dialog's caption alone.
TEST(ApplicationNames, NoDisplayNameIsAddedToDialogTitles) {
  const QString name = QCoreApplication::applicationName();
  NameApplication();
  EXPECT_EQ(QCoreApplication::applicationName(), "Orvex Messenger Archive");
  QCoreApplication::setApplicationName("probe");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");  // follows the name: unset
  QCoreApplication::setApplicationName(name);
}

struct CentreCase {
  QSize window;
  QRect desktop;
  QPoint top_left;
};

TEST(CentredWindow, CentredOnTheDesktopWithTheTopLeftCornerOnIt) {
  const CentreCase cases[] = {
      {{1022, 738}, {0, 0, 1920, 1080}, {449, 171}},
      {{1022, 738}, {100, 30, 1280, 1024}, {229, 173}},
      {{1022, 738}, {0, 0, 800, 600}, {0, 0}},
  };
  for (const CentreCase& c : cases) EXPECT_EQ(CentredTopLeft(c.window, c.desktop), c.top_left);
}

TEST(FittedWindow, AWindowLargerThanTheScreenIsFittedToItsAvailableArea) {
  const std::pair<QRect, QRect> cases[] = {
      {{0, 0, 1920, 1080}, {449, 171, 1022, 738}},
      {{0, 30, 800, 570}, {0, 30, 800, 570}},
      {{10, 0, 1024, 600}, {11, 0, 1022, 600}},
  };
  for (const auto& [desktop, fitted] : cases)
    EXPECT_EQ(FittedWindowGeometry({1022, 738}, desktop), fitted);
}

TEST_F(ShellWindowTest, TheWindowOpensCentredAndTheGridDrawsVerticalLinesOnly) {
  TfrmMain& w = Start();
  EXPECT_EQ(w.pos(), CentredTopLeft(w.size(), w.screen()->availableGeometry()));

  Ui(w).btnStats->click();
  Ui(w).vsStat->resize(288, 200);
  const QImage grid = Ui(w).vsStat->viewport()->grab().toImage();
  const int between_columns = Ui(w).vsStat->columnViewportPosition(1) - 1;
  const int between_rows = Ui(w).vsStat->rowViewportPosition(1) - 1;
  const int above_text = Ui(w).vsStat->rowViewportPosition(0) + 1;
  const int in_column = Ui(w).vsStat->columnViewportPosition(1) + 30;
  const QColor cell = grid.pixelColor(in_column, above_text);
  EXPECT_NE(grid.pixelColor(between_columns, above_text), cell);  // a vertical line
  EXPECT_EQ(grid.pixelColor(in_column, between_rows), cell);      // no horizontal one
}

}  // namespace
}  // namespace orvex::testing
