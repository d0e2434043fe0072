// A main window on a profiles folder of our own making, with message boxes
// recorded instead of shown and the registry in a file of the test's.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ini_registry.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/save_dialogs.h"
#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/window/window_controls.h"
#include "window/frmmain.h"
#include "window/viewer/view_session.h"
#include "ylogs/base/day_time.h"

// QStrings in test failures as text.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace orvex::testing {

class RecordingDialogs : public Dialogs {
 public:
  void Error(QWidget*, const QString& text) override { errors << text; }
  void Message(QWidget*, const QString& text) override { messages << text; }
  bool AskYesNo(QWidget*, const QString& title, const QString& text) override {
    questions << title + "|" + text;
    if (answers.empty()) return answer_yes;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool AskToRemove(QWidget* parent, const QString& title, const QString& text,
                   const QString& detail) override {
    details << detail;
    return AskYesNoDefaultNo(parent, title, text);
  }
  QStringList errors, messages, questions, details;
  bool answer_yes = true;
  std::deque<bool> answers;  // taken first, one per question
};

// Save dialogs that answer from a queue (none left: the user cancels) and
// record what they were shown; the print dialog sends the page to a PDF file
// when one is named.
class RecordingSaveDialogs : public SaveDialogs {
 public:
  std::optional<QString> SaveFileName(QWidget*, const QString& filter,
                                      const QString& last_name) override;
  bool AskPrint(QWidget*, QPrinter* printer) override;
  bool AskPageSetup(QWidget*, QPrinter*) override {
    ++page_setups;
    return true;
  }
  std::deque<std::optional<QString>> answers;
  QStringList asked;  // filter "|" last name, per dialog shown
  QString pdf_file;   // empty: the print dialog is cancelled
  int print_dialogs = 0, page_setups = 0;
};

// Dates and times as YYYY-MM-DD and HH:MM:SS, whatever the machine's locale.
class IsoFormatter : public DateTimeFormatter {
 public:
  std::string ShortDate(double t) const override { return FormatIsoDate(DayCountToCivil(t)); }
  std::string LongTime(double t) const override {
    return FormatIsoMillis(DayCountToCivil(t)).substr(11, 8);
  }
};

// A theme whose sections are easy to find in a page.
inline constexpr const char* kTestTheme =
    "_FILEHEADER_\r\n<html><body>\r\n_CONVERSATIONHEADER_\r\n<div>\r\n_MESSAGE1_\r\n"
    "<p>%id: %text</p>\r\n_MESSAGE2_\r\n<p>%id said %text</p>\r\n_CONVERSATIONFOOTER_\r\n"
    "</div>\r\n_FILEFOOTER_\r\n<p>%today</p></body></html>\r\n";

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    std::filesystem::create_directories(program / "themes");
    WriteBytes(program / "themes/default.th", kTestTheme);
    WriteBytes(program / "themes/other.th", kTestTheme);
    std::filesystem::create_directories(temp / "pages");
    qputenv("XDG_DATA_HOME", data.path().c_str());
  }
  ~WindowTest() override { qputenv("XDG_DATA_HOME", data_home); }  // empty reads as unset

  // Writes an archive file of one identity and friend on a day, each message
  // text alternating between the two sides.
  std::string AddArchive(const std::string& identity, const std::string& friend_name,
                         const std::string& day, const std::vector<std::string>& texts,
                         std::uint8_t first_direction = 1) {
    std::vector<RecordToWrite> records;
    std::uint32_t t = 1136073600;  // 2006-01-01
    for (std::size_t i = 0; i < texts.size(); ++i) {
      RecordToWrite r;
      r.time_value = TimeValueFromUnixSeconds(t + 60 * static_cast<std::uint32_t>(i));
      r.direction = static_cast<std::uint8_t>((first_direction + i) % 2);
      r.text = texts[i];
      records.push_back(r);
    }
    const std::string path = ProfilesFolder() + identity + "/Archive/Messages/" + friend_name +
                             "/" + day + "-" + identity + ".dat";
    WriteBytes(path, EncodeArchive(records, identity));
    return path;
  }

  void AddFriendFolder(const std::string& identity, const std::string& friend_name) {
    std::filesystem::create_directories(ProfilesFolder() + identity + "/Archive/Messages/" +
                                        friend_name);
  }

  std::string ProfilesFolder() const { return programs.path() + "Yahoo!/Messenger/Profiles/"; }

  // Creates the window and runs its start-up.
  TfrmMain& Start(const std::string& registry_user = "") {
    registry = std::make_unique<IniRegistry>(config / "registry.ini");
    if (!registry_user.empty()) {
      WriteBytes(config / "registry.ini",
                 "[Software/Yahoo/Pager]\r\nYahoo! User ID=" + registry_user + "\r\n");
    }
    FrmMainEnvironment env;
    env.program_folder = program.path();
    env.program_files = programs.path();
    env.temp_folder = QString::fromStdString(temp / "pages");
    env.registry = registry.get();
    env.dialogs = &dialogs;
    env.formatter = &formatter;
    env.now = [] { return CivilDateToDayCount(2026, 12, 7) + 0.5; };
    Configure(env);
    window = std::make_unique<TfrmMain>(std::move(env));
    window->FormCreate();
    return *window;
  }

  std::string SettingsText() const;

  // Puts the program's smiley pictures (built beside the test program) into
  // the fixture's program folder, so that pages can show them.
  void CopySmileys() const;

  // Lets a fixture give the window more of its surroundings.
  virtual void Configure(FrmMainEnvironment& env) { (void)env; }

  TempFolder program, programs, temp, config;
  // $XDG_DATA_HOME, with the trash "Delete" moves files to, is the test's own.
  TempFolder data;
  const QByteArray data_home = qgetenv("XDG_DATA_HOME");
  RecordingDialogs dialogs;
  IsoFormatter formatter;
  std::unique_ptr<IniRegistry> registry;
  std::unique_ptr<TfrmMain> window;
};

// The texts of the tree's nodes in tree order, children indented by two blanks.
QStringList TreeTexts(const TfrmMain& w);
// Selects the tree node with this text (exactly), alone.
void SelectNode(TfrmMain& w, const QString& text);
// Ctrl+A in the contact tree: every node shown is selected, in one
// selection change.
void SelectAllNodes(TfrmMain& w);
// Selects rows of the conversation list, alone.
void SelectRows(TfrmMain& w, const std::vector<int>& rows);
// Shows the window, as the mouse and the keys need it laid out on a screen.
void ShowWindow(TfrmMain& w);
// The arrow key that chooses the other of two themes in the theme box.
Qt::Key OtherThemeKey(const TfrmMain& w);
// A left click on a tab of the strip under the list.
void ClickTab(TfrmMain& w, int tab);
// The view built again with the options as they are: "Date" clicked twice,
// each click a view of its own.
void ViewAgain(TfrmMain& w);
// Chooses the item of a menu with this caption (exactly), as a click on it
// does; fails the test when the menu has no such item or it is disabled.
void Choose(QMenu* menu, const QString& caption);
// A left click in the middle of a column's section of the list's header (on
// a window not shown, the header's signal for the click).
void ClickHeader(TfrmMain& w, int column);
// Types the text into the search box, in place of what it held, and clicks
// "Search".
void SearchFor(TfrmMain& w, const QString& text);
// The close button of a tab under the list; none on a tab without one.
QToolButton* TabCloseButton(const TfrmMain& w, int tab);
// Runs the event loop until `done` holds, at most `ms` milliseconds; whether
// it held.
bool WaitFor(const std::function<bool()>& done, int ms = 20000);
// Runs a script of the test's own, in a world of its own, on the view's page;
// what it returned (nothing after 10 s).
QVariant RunScript(TfrmMain& w, const QString& script);
// The file names of the list's rows in display order, hidden rows left out.
QStringList ShownFileNames(const TfrmMain& w);
std::string ReadFile(const std::string& path);
// Runs `action` and waits, at most 20 s, until the browser view has finished
// loading a page; whether it did.
bool LoadAndWait(TfrmMain& w, const std::function<void()>& action);

}  // namespace orvex::testing
