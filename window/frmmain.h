// The main window: the composition root. It builds the four area panels
// (window/tree, window/list, window/viewer, window/statistics), the menus and
// every area's actions (window/actions), connects one area to another in one
// place, guards every handler, and runs what spans the areas: start-up, the
// panel switches, the settings and closing. Its member functions live in:
//   frmmain_layout.cpp             regions, controls and menus
//   frmmain_shell.cpp              start-up, connections, settings, closing, the error guard
// docs/ARCHITECTURE.md maps every control to its handler and file.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/window_environment.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolButton;
class QPrinter;

namespace orvex {

class ContactTreePanel;
class ListPanel;
class StatisticsPanel;
class ViewerPanel;
class ViewSession;
struct DiscoveryState;
struct RunState;
struct SettingsState;
struct WindowActions;

// Names the application. No display name is set: the platform would add it
// to every dialog's title, which must be the dialog's caption alone.
void NameApplication();

// Where a window of this size opens centred on the desktop (its top left
// corner kept on the desktop when the window is larger).
QPoint CentredTopLeft(QSize window, const QRect& desktop);
// The window's place when it is not maximised: centred, and no larger than the
// desktop's available area.
QRect FittedWindowGeometry(QSize window, const QRect& desktop);

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(FrmMainEnvironment env, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Start-up, in the order the program has always followed.
  void FormCreate();

  // Runs an action; an error it raises is shown in the general error box and
  // goes no further. Whether the action ran to its end.
  bool Guard(const std::function<void()>& action);

  // The list, for reading what it shows, and the view's document.
  const ListPanel& list() const { return *conversations; }
  const ViewSession& view() const { return *session_; }

  // Whether a view, a search, a batch export or printing is running.
  bool long_action_running() const;
  // "Cancel" on the wait panel, not yet taken by the running action.
  bool cancel_request() const;
  // The printer the print dialogs set up; made on first use.
  QPrinter* printer();
  // Prints the page the browser view holds; waits until it is done.
  bool PrintPage(QPrinter* printer);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The window's own handlers: the panel switches, "Cancel" and leaving.
  void btnFormatClick();
  void btnStatsClick();
  void mnuMsgviewClick();
  void btnCancelClick();
  void Exit1Click();
  // Tells the view whether the viewer or the statistics show.
  void TellViewShown();
  void FormClose();
  // Sets the system code page from the registry or the language, once, before
  // anything is shown; the browser view reads pages in it.
  void ApplySystemCodePage();
  // The folder the path box starts with: the one given on the command line;
  // else the default when it holds profiles, the last one the user chose when
  // it still does, the first place that does, or else the default.
  std::string StartProfilesFolder() const;
  void LoadSettings();
  void SaveSettings();

  // A handler of the window, run in the guard.
  template <class... Args>
  auto Guarded(void (TfrmMain::*handler)(Args...)) {
    return [this, handler](Args... args) { Guard([&] { (this->*handler)(args...); }); };
  }
  // A handler of an area's actions, run in the guard; the actions are built
  // after the controls, so the handler is found when it runs.
  template <class Area, class... Args>
  auto Act(Area WindowActions::*area, void (Area::*handler)(Args...)) {
    return [this, area, handler](Args... args) {
      Guard([&] { (((*actions_).*area).*handler)(args...); });
    };
  }
  QAction* AddItem(QMenu* menu, const QString& caption, std::function<void()> handler);

  void CreateControls();
  void CreateMenus();
  QFrame* CreateTopStrip();
  QWidget* CreateLeftColumn();
  QWidget* CreateRightArea();
  QFrame* CreateWaitPanel();
  void ConnectHandlers();
  // Gives every control its historic name as its object name.
  void NameControls();
  void CreateWindowKeys();

  // Controls, named as the program has always named them. They are the
  // window's own; tests and tools find them by these names as object names
  // (NameControls).
  ContactTreePanel* contacts = nullptr;  // the path box, tree, filter, identity panel
  ListPanel* conversations = nullptr;    // the list, its search row and tabs
  StatisticsPanel* panStats = nullptr;
  ViewerPanel* PanBottom = nullptr;
  QToolButton* btnFormat = nullptr;
  QToolButton* btnStats = nullptr;
  QToolButton* btnHelp = nullptr;
  QToolButton* btnForum = nullptr;
  QFrame* pnlWait = nullptr;
  QLabel* lblProgress = nullptr;
  QProgressBar* WaitProgress = nullptr;
  QPushButton* btnCancel = nullptr;
  QSplitter* splitter_left = nullptr;
  QSplitter* splitter_bottom = nullptr;

  // Menus and the items other areas reach.
  QMenu* popFile = nullptr;
  QMenu* popView = nullptr;
  QMenu* popMessage = nullptr;
  QMenu* popHelp = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* mnuFormatToolbar = nullptr;
  QAction* mnuStatistics = nullptr;
  QAction* mnuMsgview = nullptr;
  QAction* find_in_view = nullptr;             // "Find in view...", Ctrl+F
  QAction* mnuListDelete = nullptr;            // the list menu's "Delete", with the Del key
  std::vector<QToolButton*> menu_bar_buttons;  // object name "menu_bar_button"

  FrmMainEnvironment env_;
  // What spans the areas: the loose files and the chosen profiles folder,
  // the running long action, what the settings file named.
  std::unique_ptr<DiscoveryState> discovery_;  // window/discovery_state.h
  std::unique_ptr<RunState> run_;              // window/run_state.h
  std::unique_ptr<SettingsState> settings_;    // window/frmmain_settings_state.h
  ViewSession* session_ = nullptr;             // the view's document, a child of the window
  // The areas' actions, built over the areas once they are.
  std::unique_ptr<WindowActions> actions_;
};

}  // namespace orvex
