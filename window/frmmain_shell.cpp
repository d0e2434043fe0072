// Start-up, the panel switches, closing, and the guard every action runs in.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEngineSettings>

#include <cstdlib>

#include "common/folder_picker.h"
#include "opendat/dat_file_chooser.h"
#include "platform/file_system.h"
#include "platform/ini_registry.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/regional_formats.h"
#include "qt_platform/save_dialogs.h"
#include "qt_platform/shell.h"
#include "widgets/tab_strip.h"
#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/frmmain_run_state.h"
#include "window/frmmain_save_state.h"
#include "window/frmmain_settings_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/menu_style.h"
#include "window/statistics/statistics_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/archive/codepage.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/discovery/profiles_folder.h"
#include "ylogs/program/clock.h"
#include "ylogs/program/command_line.h"
#include "ylogs/program/error_text.h"
#include "ylogs/program/settings.h"
#include "ylogs/program/settings_location.h"
#include "ylogs/program/temp_folder.h"

namespace orvex {

void NameApplication() {
  QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
}

FrmMainEnvironment FrmMainEnvironment::FromSystem() {
  FrmMainEnvironment env;
  env.program_folder = ToFileName(QCoreApplication::applicationDirPath());
  if (env.program_folder.empty() || env.program_folder.back() != '/') env.program_folder += '/';
  if (const char* pf = std::getenv("PROGRAMFILES")) env.program_files = std::string(pf);
  env.places = PlacesEnvironment::FromSystem();
  env.temp_folder = FromFileName(PrivateTempFolder(ToFileName(QDir::tempPath())));
  static IniRegistry registry(IniRegistry::DefaultFile());
  static QtDialogs dialogs;
  static QtSaveDialogs save_dialogs;
  static RegionalFormatter formatter;
  env.registry = &registry;
  env.dialogs = &dialogs;
  env.save_dialogs = &save_dialogs;
  static QtShell shell;
  static QtFolderPicker folder_picker;
  static QtDatFileChooser dat_files;
  env.shell = &shell;
  env.folder_picker = &folder_picker;
  env.dat_files = &dat_files;
  env.formatter = &formatter;
  env.now = NowLocalDayCount;
  env.language = LanguageEnvironment::FromProcess();
  return env;
}

TfrmMain::TfrmMain(FrmMainEnvironment env, QWidget* parent)
    : QMainWindow(parent),
      env_(std::move(env)),
      discovery_(std::make_unique<DiscoveryState>()),
      run_(std::make_unique<RunState>()),
      save_(std::make_unique<SaveState>()),
      settings_(std::make_unique<SettingsState>()) {
  setObjectName("frmMain");
  if (!env_.now) env_.now = NowLocalDayCount;
  CreateControls();
  conversations->model()->SetDateText([this](double day) {
    return env_.formatter ? FromAnsi(env_.formatter->ShortDate(day)) : QString();
  });
  ConnectHandlers();
  run_->runner->set_on_ended([this] {
    // A view asked for while the action ran is built now that it has ended.
    if (!run_->view_again) return;
    run_->view_again = false;
    QMetaObject::invokeMethod(
        this, [this] { Guard([this] { msgChange(); }); }, Qt::QueuedConnection);
  });
}

bool TfrmMain::long_action_running() const {
  return run_->runner->busy();
}

bool TfrmMain::cancel_request() const {
  return run_->cancel_request;
}

TfrmMain::~TfrmMain() = default;

bool TfrmMain::Guard(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& e) {
    if (env_.dialogs) env_.dialogs->Error(this, FromFileNameOrAnsi(ErrorBoxText(e.what())));
  } catch (...) {
    if (env_.dialogs) env_.dialogs->Error(this, FromAnsi(ErrorBoxText("Unknown error")));
  }
  return false;
}

int TfrmMain::ShowModal(QDialog& dialog) {
  return env_.show_modal ? env_.show_modal(dialog) : dialog.exec();
}

void TfrmMain::ConnectHandlers() {
  auto guarded = [this](void (TfrmMain::*handler)()) {
    return [this, handler] { Guard([this, handler] { (this->*handler)(); }); };
  };
  connect(btnFormat, &QToolButton::clicked, this, guarded(&TfrmMain::btnFormatClick));
  connect(btnStats, &QToolButton::clicked, this, guarded(&TfrmMain::btnStatsClick));
  connect(contacts, &ContactTreePanel::pathChanged, this, guarded(&TfrmMain::edtPathChange));
  connect(contacts, &ContactTreePanel::selectionChanged, this, guarded(&TfrmMain::idsChange));
  connect(contacts, &ContactTreePanel::filterChanged, this, guarded(&TfrmMain::edtFilterChange));
  connect(conversations, &ListPanel::selectionChanged, this, guarded(&TfrmMain::msgChange));
  connect(conversations, &ListPanel::headerClicked, this,
          [this](int column) { Guard([this, column] { msgHeaderClick(column); }); });
  connect(conversations, &ListPanel::menuRequested, this,
          [this](const QPoint& global) { PopupMenu1->popup(global); });
  connect(PanBottom, &ViewerPanel::optionsClicked, this, guarded(&TfrmMain::RefreshBrowser));
  connect(PanBottom, &ViewerPanel::themeChosen, this, guarded(&TfrmMain::cbxThemeChange));
  connect(PanBottom, &ViewerPanel::rawClicked, this, guarded(&TfrmMain::btnRawClick));
  // The statistics show the counts of each view as it ends.
  connect(PanBottom, &ViewerPanel::countersChanged, this, [this] { vsStatRepaint(); });
  connect(conversations, &ListPanel::searchRequested, this, guarded(&TfrmMain::btnSearchNextClick));
  connect(btnCancel, &QPushButton::clicked, this, guarded(&TfrmMain::applyClick));
  connect(contacts, &ContactTreePanel::archivingClicked, this,
          guarded(&TfrmMain::spdArchivingClick));
  connect(contacts, &ContactTreePanel::browseClicked, this, guarded(&TfrmMain::btnSelDirClick));
  connect(btnHelp, &QToolButton::clicked, this, guarded(&TfrmMain::Onlinehelp1Click));
  connect(btnForum, &QToolButton::clicked, this, guarded(&TfrmMain::btnForumClick));
  connect(conversations, &ListPanel::tabChanged, this,
          [this](int tab) { Guard([this, tab] { TabSetChange(tab); }); });
  connect(conversations, &ListPanel::tabCloseClicked, this,
          guarded(&TfrmMain::CloseActiveSearchTab));
}

void TfrmMain::ApplySystemCodePage() {
  const CodePageChoice choice = ChooseSystemCodePage(env_.registry, env_.language);
  SetSystemCodePage(choice.code_page);
  // The page itself names no charset: the view is told the code page instead,
  // with the page as it loads and as the default for anything else.
  const std::string charset = CodePageCharset(choice.code_page);
  PanBottom->SetPageCharset(charset);
  if (!choice.unsupported_value.empty() && env_.dialogs) {
    env_.dialogs->Message(this, FromFileNameOrAnsi(UnsupportedCodePageText(choice)));
  }
}

std::string TfrmMain::StartProfilesFolder() const {
  if (env_.profiles_folder) return *env_.profiles_folder;
  const std::string standard = DefaultProfilesFolder(env_.program_files.value_or(""));
  if (HoldsProfiles(standard)) return standard;
  // Only this key is read here; the other settings apply at step 6.
  const std::string chosen = WithFinalSeparator(
      ReadChosenProfilesFolder(LocateSettingsFile(env_.program_folder).read_path));
  if (!chosen.empty() && HoldsProfiles(chosen)) return chosen;
  return FindArchives(ArchivePlaces(env_.places)).value_or(standard);
}

void TfrmMain::FormCreate() {
  // The system's code page comes first: every text below is in it.
  Guard([this] { ApplySystemCodePage(); });
  // What killed writes of earlier runs left in the folders the window writes
  // goes first; the rest is cleaned the first time a folder is written.
  const std::string settings_file = LocateSettingsFile(env_.program_folder).write_path;
  for (const std::string& folder :
       {settings_file.substr(0, settings_file.size() - FileNamePart(settings_file).size()),
        ToFileName(env_.temp_folder)}) {
    if (!folder.empty()) files::RemoveStaleTemporaries(folder);
  }
  // 1. The lists start empty; nothing is pending.
  run_->cancel_request = false;
  PanBottom->EnableFormatCodes();
  discovery_->loose_mode = false;
  // 2. The program folder comes with the environment.
  // 4. The profiles folder (the default, or where archives were found, or the
  // one given on the command line) goes into the path box, which scans it at
  // once.
  Guard([this] {
    const std::string folder = StartProfilesFolder();
    contacts->SetPath(FromFileName(folder));
    // A folder asked for by name gets a word when there is nothing to show.
    if (!env_.profiles_folder || !env_.dialogs) return;
    const std::string problem =
        StartFolderProblem(folder, !contacts->data().identity_names.empty());
    if (!problem.empty()) env_.dialogs->Message(this, FromFileName(problem));
  });
  // 5. The theme list.
  Guard([this] { PanBottom->ListThemes(); });
  // 6. The settings, which load the theme and render a first view.
  Guard([this] { LoadSettings(); });
  // 7. The messenger's current user.
  Guard([this] { contacts->SelectRegistryUser(); });
  contacts->ShowArchivingUsable();
  // 8.
  PanBottom->ResetPageCounter();
  // 9. The menus and the menu bar draw themselves.
  // The link buttons after them are drawn as the menu buttons are.
  std::vector<QToolButton*> bar = menu_bar_buttons;
  bar.push_back(btnHelp);
  bar.push_back(btnForum);
  AttachMenuDrawing({popFile, popView, popMessage, popHelp, PopupMenu1}, bar, this);
}

void TfrmMain::btnFormatClick() {
  const bool shown = PanBottom->ToggleFormatBar(this);
  mnuFormatToolbar->setChecked(shown);
  btnFormat->setChecked(shown);
}

void TfrmMain::btnStatsClick() {
  panStats->setVisible(!panStats->isVisibleTo(this));
  const bool shown = panStats->isVisibleTo(this);
  btnStats->setChecked(shown);
  mnuStatistics->setChecked(shown);
}

void TfrmMain::mnuMsgviewClick() {
  PanBottom->setVisible(!PanBottom->isVisibleTo(this));
  mnuMsgview->setChecked(PanBottom->isVisibleTo(this));
}

void TfrmMain::Exit1Click() {
  // Leaves as the close box does: the settings (favourites too) are saved.
  close();
}

void TfrmMain::FormClose() {
  SaveSettings();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  Guard([this] { FormClose(); });
  event->accept();
}

}  // namespace orvex
