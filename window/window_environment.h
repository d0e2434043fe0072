// What the main window takes from the system: folders, the settings store,
// the dialogs, the shell and the clock. Tests supply their own.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "platform/system_code_page.h"
#include "ylogs/discovery/archive_places.h"

class QDialog;

namespace orvex {

class DatFileChooser;
class DateTimeFormatter;
class Dialogs;
class FolderPicker;
class Registry;
class SaveDialogs;
class Shell;

// What the window takes from the system; tests supply their own.
struct FrmMainEnvironment {
  std::string program_folder;                // ends in a separator
  std::optional<std::string> program_files;  // the "PROGRAMFILES" variable
  QString temp_folder;                       // where view pages are written
  bool own_temp_folder = false;              // made for this window: removed when it closes
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
  // The language the window speaks, as a catalogue suffix ("en": English);
  // a website saved from the window has its captions in it.
  std::string ui_language = "en";

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

}  // namespace orvex
