// Stand-ins for the desktop services the file actions, the loose-file dialog
// and the help links use: they record what the window asks and answer as the
// test says. Dialogs run through a function of the test instead of a modal
// loop.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

#include "dialogs/dat_file_chooser.h"
#include "dialogs/folder_picker.h"
#include "qt_platform/shell.h"
#include "window_fixture.h"

namespace orvex::testing {

class RecordingShell : public Shell {
 public:
  void Open(const QUrl& url) override { opened << url.toString(); }
  QStringList opened;
};

class AnsweringFolderPicker : public FolderPicker {
 public:
  std::optional<QString> Pick(QWidget*, const QString& title, const QString& root,
                              const QString& start) override {
    asked << title + "|" + root + "|" + start;
    return answer;
  }
  std::optional<QString> answer;  // none: the user cancels
  QStringList asked;
};

class AnsweringDatFiles : public DatFileChooser {
 public:
  QStringList Choose(QWidget*) override {
    ++asked;
    return answer;
  }
  QStringList answer;  // empty: the user cancels
  int asked = 0;
};

class PlatformWindowTest : public WindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    env.shell = &shell;
    env.folder_picker = &picker;
    env.dat_files = &dat_files;
    env.show_modal = [this](QDialog& dialog) {
      ++dialogs_shown;
      return on_dialog ? on_dialog(dialog) : static_cast<int>(QDialog::Rejected);
    };
  }

  RecordingShell shell;
  AnsweringFolderPicker picker;
  AnsweringDatFiles dat_files;
  std::function<int(QDialog&)> on_dialog;  // plays the user's part in a dialog
  int dialogs_shown = 0;
};

}  // namespace orvex::testing
