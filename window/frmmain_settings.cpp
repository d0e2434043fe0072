// Reading the settings file at start-up and writing it at close.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QToolButton>

#include "qt_platform/qt_text.h"
#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/frmmain_page_state.h"
#include "window/frmmain_settings_state.h"
#include "window/statistics/statistics_panel.h"
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
  ckDate->setChecked(s.date);
  ckTime->setChecked(s.time);
  cbxTheme->setCurrentIndex(FindTheme(page_->theme_names, s.theme));
  // A theme that cannot be loaded is reported; the other keys still apply.
  const Finally other_keys([&] {
    ckBold->setChecked(s.bold);
    ckFonts->setChecked(s.fonts);
    ckSmilies->setChecked(s.smileys);
    btnStats->setChecked(s.stats);
    btnFormat->setChecked(s.format);
    mnuStatistics->setChecked(btnStats->isChecked());
    panStats->setVisible(btnStats->isChecked());
    panFormat->setVisible(btnFormat->isChecked());
    mnuFormatToolbar->setChecked(btnFormat->isChecked());
    for (const FavoriteEntry& f : s.favorites) discovery_->favorites.AddLoaded(f);
  });
  cbxThemeChange();
}

void TfrmMain::SaveSettings() {
  AppSettings s;
  s.date = ckDate->isChecked();
  s.time = ckTime->isChecked();
  // With no entry selected, the name that was read is kept for the next start.
  s.theme = cbxTheme->currentIndex() >= 0 ? ToFileName(cbxTheme->currentText()) : settings_->theme;
  s.bold = ckBold->isChecked();
  s.fonts = ckFonts->isChecked();
  s.smileys = ckSmilies->isChecked();
  s.stats = btnStats->isChecked();
  s.format = btnFormat->isChecked();
  s.favorites = discovery_->favorites.entries();
  s.profiles_folder = discovery_->chosen_profiles;
  const SettingsLocation location = LocateSettingsFile(env_.program_folder);
  if (settings_->unreadable) throw UserError("Unable to write to " + location.write_path);
  PrepareSettingsFile(location);
  WriteSettings(location.write_path, s);
}

}  // namespace orvex
