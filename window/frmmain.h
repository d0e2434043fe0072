// The main window: the composition root. It builds the four area panels
// (window/tree, window/list, window/viewer, window/statistics) and the menus,
// connects one area to another, guards every handler, and runs what spans
// the areas; its own state is a few small structs (declared at the end). Its
// member functions live in one file per area, in this folder:
//   frmmain_layout.cpp             regions, controls and menus
//   frmmain_shell.cpp              start-up, panel switches, closing, the error guard
//   frmmain_settings.cpp           the settings file
//   frmmain_export.cpp             saving, the batch export, the clipboard
//   frmmain_keep.cpp               the website and JSON exports
//   frmmain_print.cpp              printing, preview and page setup
//   frmmain_help.cpp               the guide and the About box
//   frmmain_discovery.cpp          the contact tree's edges: scan, index, filter, favourites
//   frmmain_fileactions.cpp        deleting files, showing folders, loose files
//   frmmain_views.cpp              the view of a selection, the list's and viewer's edges
//   frmmain_search.cpp             the search
// docs/ARCHITECTURE.md maps every control to its handler and file.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/system_code_page.h"
#include "ylogs/archive/document.h"
#include "ylogs/archive/renderer.h"
#include "ylogs/archive/theme.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/views/conversation_list.h"

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolButton;
class QPageLayout;
class QPageRanges;
class QPrinter;

namespace orvex {

class DatFileChooser;
class Dialogs;
class FolderPicker;
class Registry;
class SaveDialogs;
class Shell;
class ContactTreePanel;
class ListPanel;
class StatisticsPanel;
class ViewerPanel;
struct DiscoveryState;
struct RunState;
struct SaveState;
struct SettingsState;

// What the window takes from the system; tests supply their own.
struct FrmMainEnvironment {
  std::string program_folder;                // ends in a separator
  std::optional<std::string> program_files;  // the "PROGRAMFILES" variable
  QString temp_folder;                       // where view pages are written
  Registry* registry = nullptr;
  Dialogs* dialogs = nullptr;
  Shell* shell = nullptr;                   // opens web pages and folders
  FolderPicker* folder_picker = nullptr;    // the folder browser
  DatFileChooser* dat_files = nullptr;      // the loose-file dialog's file dialog
  std::function<int(QDialog&)> show_modal;  // runs a dialog; empty: its own exec()
  SaveDialogs* save_dialogs = nullptr;
  const DateTimeFormatter* formatter = nullptr;
  std::function<double()> now;   // the current local date and time
  LanguageEnvironment language;  // decides the code page when the registry does not

  // A folder given on the command line, ending in a separator: the path box
  // starts with it instead of the default profiles folder.
  std::optional<std::string> profiles_folder;

  // Where else the messenger may have left its archives: looked at when the
  // default profiles folder holds none.
  PlacesEnvironment places;

  // The real system: the executable's folder, the environment, the user's
  // temporary folder and configuration, message boxes, regional formats, the
  // locale variables.
  static FrmMainEnvironment FromSystem();
};

// Names the application. No display name is set: the platform would add it
// to every dialog's title, which must be the dialog's caption alone.
void NameApplication();

// Where a window of this size opens centred on the desktop (its top left
// corner kept on the desktop when the window is larger).
QPoint CentredTopLeft(QSize window, const QRect& desktop);

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

  // The areas, for reading what they show.
  const ListPanel& list() const { return *conversations; }
  const ViewerPanel& viewer() const { return *PanBottom; }

  // Whether a view, a search, a batch export or printing is running.
  bool long_action_running() const;
  // "Cancel" on the wait panel, not yet taken by the running action.
  bool cancel_request() const;
  // The printer the print dialogs set up; made on first use.
  QPrinter* printer();
  // Prints the page the browser view holds; waits until it is done.
  bool PrintPage(QPrinter* printer);

  enum KeepScope { kAllListed = 0, kOnlySelected = 1, kSelectedContacts = 2 };

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The handlers: each runs behind its control or menu item, in the guard.
  // --- shell
  void btnFormatClick();
  void btnStatsClick();
  void mnuMsgviewClick();
  void Exit1Click();
  void FormClose();
  // Sets the system code page from the registry or the language, once, before
  // anything is shown; the browser view reads pages in it.
  void ApplySystemCodePage();

  // --- settings
  void LoadSettings();
  void SaveSettings();
  std::string SettingsFilePath() const;

  // --- discovery
  void edtPathChange();
  void idsChange();
  void edtFilterChange();
  void spdSelectAllClick();
  void Addtofavorite1Click();
  void Removefromfavorites1Click();
  void Refresh1Click();
  void spdArchivingClick();

  // --- file actions, loose archive files
  void Delete2Click();
  void Showinexplorer1Click();
  void btnSelDirClick();
  void Opendatfile1Click();

  // --- the guide, the About box
  void Onlinehelp1Click();
  void Orvexhomepage1Click();
  void btnForumClick();
  void Suggestionsandbugsreports1Click();
  void About1Click();

  // --- views
  void msgChange();
  void RefreshBrowser();
  void btnRawClick();
  void applyClick();
  void cbxThemeChange();
  void LoadTheme();
  void msgHeaderClick(int column);
  void TabSetChange(int tab);
  void TabSetTabClose(int tab);
  void CloseActiveSearchTab();
  void Selectallmessages2Click();
  void vsStatRepaint();

  // --- search
  void btnSearchNextClick();

  // --- export, clipboard, printing
  void Save1Click();
  void Saveastext2Click();
  void Saveasindividualfiles1Click();
  void SaveasindividualHTMLfiles1Click();
  // The batch export of the dialog: scope as the dialog numbers it. Throws on
  // failure; files written before it stay.
  void ExportIndividualFiles(int scope, const QString& folder, bool html);
  // The dialogs that ask for the folder and scope of an export, then run it.
  void AskBatchExport(bool html);
  void AskKeepingExport(bool site);
  // The exports made for keeping ("Save as website...", "Save as JSON
  // files..."); their dialog numbers the scopes as KeepScope does.
  void Saveaswebsite1Click();
  void SaveasJSONfiles1Click();
  void ExportForKeeping(int scope, const QString& folder, bool site);
  // When a website is done: says so and offers to open its index.html.
  void OfferToOpenWebsite(const QString& folder);
  // Writes the sources through the long-action runner with the export's
  // progress dialog and its "Cancel"; true when the export was finished.
  bool WriteExport(const std::vector<ExportSource>& sources, ExportFormat format,
                   const ExportContext& context);
  std::function<std::string()> TodayText() const;  // the "%today" text of pages and exports
  // The archive files no save or export may write over: those of the
  // profiles folder shown, the favourites, the loose files and the list.
  ArchiveFileGuard ArchiveGuard() const;
  void Copytoclipboard1Click();
  void Copyhtmlcodetoclipboard1Click();
  void Print1Click();
  void Printpreview1Click();
  void Printersetup1Click();
  // Writes the page as the browser's own PDF, its text kept, into a file;
  // waits until it is done.
  bool PrintPageToPdf(const QString& file, const QPageLayout& layout, const QPageRanges& pages);

  // The settings a rendering reads, as the window holds them now.
  RenderSettings CurrentRenderSettings() const;

  void CreateControls();
  void CreateMenus();
  QFrame* CreateTopStrip();
  QWidget* CreateLeftColumn();
  QWidget* CreateRightArea();
  QFrame* CreateWaitPanel();
  void ConnectHandlers();
  // Gives every control its historic name as its object name.
  void NameControls();
  // Shows a dialog modally; its result.
  int ShowModal(QDialog& dialog);
  QAction* AddItem(QMenu* menu, const QString& caption, void (TfrmMain::*handler)() = nullptr,
                   bool enabled = true);

  // discovery helpers
  // The folder the path box starts with: the one given on the command line;
  // else the default when it holds profiles, the last one the user chose when
  // it still does, the first place that does, or else the default.
  std::string StartProfilesFolder() const;

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
  QAction* mnuListDelete = nullptr;            // the list menu's "Delete", with the Del key
  std::vector<QToolButton*> menu_bar_buttons;  // object name "menu_bar_button"

  FrmMainEnvironment env_;
  // The window's state, one small struct per area, each declared in its
  // area's header so that a file reaches only the state it includes.
  std::unique_ptr<DiscoveryState> discovery_;  // discovery/frmmain_discovery_state.h
  std::unique_ptr<RunState> run_;              // shell/frmmain_run_state.h
  std::unique_ptr<SaveState> save_;            // shell/frmmain_save_state.h
  std::unique_ptr<SettingsState> settings_;    // shell/frmmain_settings_state.h
};

}  // namespace orvex
