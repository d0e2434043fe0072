// Reading the settings file at start-up and writing it at close.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QToolButton>

#include "qt_platform/qt_text.h"
#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/frmmain_settings_state.h"
#include "window/statistics/statistics_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/archive/theme.h"
#include "ylogs/program/finally.h"
#include "ylogs/program/settings.h"
#include "ylogs/program/settings_location.h"

namespace orvex {

// The file the settings are kept in: beside the program, or the user's own
// copy when the program folder cannot be written.
std::string TfrmMain::SettingsFilePath() const {
  return LocateSettingsFile(env_.program_folder).write_path;
}

void TfrmMain::LoadSettings() {
  const AppSettings s = ReadSettings(LocateSettingsFile(env_.program_folder).read_path);
  settings_->theme = s.theme;
  settings_->unreadable = s.unreadable;
  PanBottom->SetDateAndTime(s.date, s.time);
  PanBottom->SelectTheme(s.theme);
  // A theme that cannot be loaded is reported; the other keys still apply.
  const Finally other_keys([&] {
    PanBottom->SetStyles(s.bold, s.fonts, s.smileys);
    btnStats->setChecked(s.stats);
    btnFormat->setChecked(s.format);
    mnuStatistics->setChecked(btnStats->isChecked());
    panStats->setVisible(btnStats->isChecked());
    PanBottom->ShowFormatBar(btnFormat->isChecked());
    mnuFormatToolbar->setChecked(btnFormat->isChecked());
    for (const FavoriteEntry& f : s.favorites) contacts->LoadFavorite(f);
  });
  cbxThemeChange();
}

void TfrmMain::SaveSettings() {
  AppSettings s;
  const DisplayOptions shown = PanBottom->options();
  s.date = shown.date;
  s.time = shown.time;
  // With no entry selected, the name that was read is kept for the next start.
  s.theme = PanBottom->chosen_theme().value_or(settings_->theme);
  s.bold = shown.bold;
  s.fonts = shown.fonts;
  s.smileys = shown.smileys;
  s.stats = btnStats->isChecked();
  s.format = btnFormat->isChecked();
  s.favorites = contacts->favorites().entries();
  s.profiles_folder = discovery_->chosen_profiles;
  const SettingsLocation location = LocateSettingsFile(env_.program_folder);
  if (settings_->unreadable) throw UserError("Unable to write to " + location.write_path);
  PrepareSettingsFile(location);
  WriteSettings(location.write_path, s);
}

}  // namespace orvex
