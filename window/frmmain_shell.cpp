// Start-up, the connections from area to area, the panel switches, the
// settings file, closing, and the guard every action runs in.
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

#include <cerrno>
#include <cstdlib>

#include "dialogs/dat_file_chooser.h"
#include "dialogs/folder_picker.h"
#include "platform/file_system.h"
#include "platform/ini_registry.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/regional_formats.h"
#include "qt_platform/save_dialogs.h"
#include "qt_platform/shell.h"
#include "qt_platform/translations.h"
#include "widgets/tab_strip.h"
#include "window/actions/window_actions.h"
#include "window/discovery_state.h"
#include "window/frmmain.h"
#include "window/frmmain_settings_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/menu_style.h"
#include "window/run_state.h"
#include "window/statistics/statistics_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/view_session.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/base/file_error.h"
#include "ylogs/base/finally.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/discovery/profiles_folder.h"
#include "ylogs/program/clock.h"
#include "ylogs/program/command_line.h"
#include "ylogs/program/error_text.h"
#include "ylogs/program/settings.h"
#include "ylogs/program/settings_location.h"
#include "ylogs/program/temp_folder.h"
#include "ylogs/render/theme.h"
#include "ylogs/text/codepage.h"

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
  env.ui_language = UserInterfaceLanguage().toStdString();
  env.temp_folder = FromFileName(PrivateTempFolder(ToFileName(QDir::tempPath())));
  // Each running window writes its pages into a folder of its own, so that two
  // windows of one user do not overwrite each other's.
  if (!env.temp_folder.isEmpty()) {
    const std::string pid = std::to_string(QCoreApplication::applicationPid());
    for (int attempt = 0; attempt < 100; ++attempt) {
      // A folder left by a window that was killed keeps its name.
      const FileNameBytes own = ToFileName(env.temp_folder) + "window-" + pid +
                                (attempt ? "-" + std::to_string(attempt) : std::string());
      const int error = files::MakeNewFolder(own);
      if (error == 0) {
        env.temp_folder = FromFileName(own + '/');
        env.own_temp_folder = true;
      }
      if (error != EEXIST) break;
    }
  }
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
      settings_(std::make_unique<SettingsState>()) {
  setObjectName("frmMain");
  if (!env_.now) env_.now = NowLocalDayCount;
  session_ = new ViewSession(env_.program_folder, env_.temp_folder, this);
  CreateControls();
  const orvex::Guard guard = [this](const std::function<void()>& action) { return Guard(action); };
  actions_ = std::make_unique<WindowActions>(*contacts, *conversations, *PanBottom, *session_,
                                             *run_->runner, run_->wait_display.get(), *discovery_,
                                             ActionHost{this, &env_, guard});
  contacts->SetGuard(guard);
  conversations->SetGuard(guard);
  conversations->SetDateText([this](double day) {
    return env_.formatter ? FromAnsi(env_.formatter->ShortDate(day)) : QString();
  });
  ConnectHandlers();
  run_->runner->set_on_ended([this] {
    // A view asked for while the action ran is built now that it has ended.
    if (!session_->TakeViewLater()) return;
    QMetaObject::invokeMethod(this, Act(&WindowActions::views, &ViewActions::msgChange),
                              Qt::QueuedConnection);
  });
}

bool TfrmMain::long_action_running() const {
  return run_->runner->busy();
}

bool TfrmMain::cancel_request() const {
  return run_->cancel_request;
}

TfrmMain::~TfrmMain() = default;

// The error box's text: a fixed text of the program in the user's language,
// any other (a path, a system's message) as it came.
static QString ErrorText(const char* what) {
  const QString translated = UiText(what);
  if (translated.toUtf8() != what) return FromUtf8(ErrorBoxText(ToUtf8(translated)));
  return FromFileNameOrAnsi(ErrorBoxText(what));
}

bool TfrmMain::Guard(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& e) {
    if (env_.dialogs) env_.dialogs->Error(this, ErrorText(e.what()));
  } catch (...) {
    if (env_.dialogs)
      env_.dialogs->Error(this, ErrorText(QT_TRANSLATE_NOOP("Core", "Unknown error")));
  }
  return false;
}

QPrinter* TfrmMain::printer() {
  return actions_->print.printer();
}

bool TfrmMain::PrintPage(QPrinter* target) {
  return actions_->print.PrintPage(target);
}

void TfrmMain::ConnectHandlers() {
  connect(btnFormat, &QToolButton::clicked, this, Guarded(&TfrmMain::btnFormatClick));
  connect(btnStats, &QToolButton::clicked, this, Guarded(&TfrmMain::btnStatsClick));
  connect(btnCancel, &QPushButton::clicked, this, Guarded(&TfrmMain::btnCancelClick));
  connect(btnHelp, &QToolButton::clicked, this,
          Act(&WindowActions::help, &HelpActions::Onlinehelp1Click));
  connect(btnForum, &QToolButton::clicked, this,
          Act(&WindowActions::help, &HelpActions::btnForumClick));
  // The tree's selection fills the list; the list's selection is viewed.
  connect(contacts, &ContactTreePanel::selectionChanged, this,
          Act(&WindowActions::discovery, &DiscoveryActions::idsChange));
  connect(contacts, &ContactTreePanel::browseClicked, this,
          Act(&WindowActions::files, &FileActions::btnSelDirClick));
  connect(conversations, &ListPanel::selectionChanged, this,
          Act(&WindowActions::views, &ViewActions::msgSelectionChange));
  connect(conversations, &ListPanel::searchRequested, this,
          Act(&WindowActions::search, &SearchActions::btnSearchNextClick));
  connect(conversations, &ListPanel::menuRequested, this,
          [this](const QPoint& global) { PopupMenu1->popup(global); });
  // The format bar's choices go to the view's session, and view again.
  connect(PanBottom, &ViewerPanel::optionsChanged, session_, &ViewSession::SetShownOptions);
  connect(PanBottom, &ViewerPanel::optionsClicked, this,
          Act(&WindowActions::views, &ViewActions::RefreshBrowser));
  connect(PanBottom, &ViewerPanel::themeChosen, this,
          Act(&WindowActions::views, &ViewActions::cbxThemeChange));
  connect(PanBottom, &ViewerPanel::rawClicked, this,
          Act(&WindowActions::views, &ViewActions::btnRawClick));
  // What a view produced: its page for the viewer, its counts for the
  // statistics as it ends.
  connect(session_, &ViewSession::started, PanBottom, &ViewerPanel::StopPage);
  connect(session_, &ViewSession::pageWritten, PanBottom, &ViewerPanel::ShowPage);
  connect(session_, &ViewSession::pageGrowing, PanBottom, &ViewerPanel::GrowPage);
  connect(session_, &ViewSession::pageNotWritten, PanBottom, &ViewerPanel::DropPage);
  connect(session_, &ViewSession::countersChanged, panStats, &StatisticsPanel::ShowCounters);
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
  session_->EnableFormatCodes();
  discovery_->loose_mode = false;
  // 2. The program folder comes with the environment.
  // 4. The profiles folder (the default, or where archives were found, or the
  // one given on the command line) goes into the path box, which scans it at
  // once.
  Guard([this] {
    std::string folder = StartProfilesFolder();
    // A folder named on the command line is taken as one chosen with "...":
    // a folder above the profiles folder stands for it, and it is remembered.
    if (env_.profiles_folder) {
      if (const std::optional<std::string> profiles = ProfilesFolderAtOrBelow(folder)) {
        folder = *profiles;
        discovery_->chosen_profiles = folder;
      }
    }
    // The archive folders added in earlier runs are read with it; one that
    // has gone is left out with a word under the path box.
    contacts->SetAddedFolders(
        ReadSettings(LocateSettingsFile(env_.program_folder).read_path).added_folders);
    contacts->SetPath(FromFileName(folder));
    // A folder asked for by name gets a word when there is nothing to show.
    if (!env_.profiles_folder || !env_.dialogs) return;
    const std::string problem =
        StartFolderProblem(folder, !contacts->data().identity_names.empty());
    if (!problem.empty()) env_.dialogs->Message(this, FromFileName(problem));
  });
  // 5. The theme list.
  Guard([this] { PanBottom->ShowThemes(session_->ListThemes()); });
  // 6. The settings, which load the theme and render a first view.
  Guard([this] { LoadSettings(); });
  // 7. The messenger's current user.
  Guard([this] { contacts->SelectRegistryUser(); });
  contacts->ShowArchivingUsable();
  // 8.
  session_->ResetPageCounter();
  // 9. The menus and the menu bar draw themselves.
  // The link buttons after them are drawn as the menu buttons are.
  std::vector<QToolButton*> bar = menu_bar_buttons;
  bar.push_back(btnHelp);
  bar.push_back(btnForum);
  AttachMenuDrawing({popFile, popView, popMessage, popHelp, PopupMenu1}, bar, this);
}

void TfrmMain::LoadSettings() {
  const AppSettings s = ReadSettings(LocateSettingsFile(env_.program_folder).read_path);
  settings_->theme = s.theme;
  settings_->unreadable = s.unreadable;
  DisplayOptions shown = session_->options();
  shown.date = s.date;
  shown.time = s.time;
  PanBottom->ShowOptions(shown);
  PanBottom->SelectTheme(s.theme);
  // A theme that cannot be loaded is reported; the other keys still apply,
  // after the first view.
  const Finally other_keys([&] {
    shown.bold = s.bold;
    shown.fonts = s.fonts;
    shown.smileys = s.smileys;
    PanBottom->ShowOptions(shown);
    btnStats->setChecked(s.stats);
    btnFormat->setChecked(s.format);
    mnuStatistics->setChecked(btnStats->isChecked());
    panStats->setVisible(btnStats->isChecked());
    TellViewShown();
    PanBottom->ShowFormatBar(btnFormat->isChecked());
    mnuFormatToolbar->setChecked(btnFormat->isChecked());
    for (const FavoriteEntry& f : s.favorites) contacts->LoadFavorite(f);
  });
  session_->LoadTheme(PanBottom->chosen_theme());
  actions_->views.RefreshBrowser();
}

void TfrmMain::SaveSettings() {
  AppSettings s;
  const DisplayOptions shown = session_->options();
  s.date = shown.date;
  s.time = shown.time;
  // With no entry selected, the name that was read is kept for the next start.
  s.theme = session_->chosen_theme().value_or(settings_->theme);
  s.bold = shown.bold;
  s.fonts = shown.fonts;
  s.smileys = shown.smileys;
  s.stats = btnStats->isChecked();
  s.format = btnFormat->isChecked();
  s.favorites = contacts->favorites().entries();
  s.profiles_folder = discovery_->chosen_profiles;
  s.added_folders = contacts->added_folders();
  const SettingsLocation location = LocateSettingsFile(env_.program_folder);
  if (settings_->unreadable) throw UserError("Unable to write to " + location.write_path);
  PrepareSettingsFile(location);
  WriteSettings(location.write_path, s);
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
  TellViewShown();
}

void TfrmMain::mnuMsgviewClick() {
  PanBottom->setVisible(!PanBottom->isVisibleTo(this));
  mnuMsgview->setChecked(PanBottom->isVisibleTo(this));
  TellViewShown();
}

void TfrmMain::TellViewShown() {
  actions_->views.SetViewShown(panStats->isVisibleTo(this) || PanBottom->isVisibleTo(this));
}

void TfrmMain::btnCancelClick() {
  run_->cancel_request = true;
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
  if (env_.own_temp_folder) files::RemoveTree(ToFileName(env_.temp_folder));
  event->accept();
}

}  // namespace orvex
