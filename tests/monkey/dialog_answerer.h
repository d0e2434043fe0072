// Plays the user's part in every dialog and message box the window opens,
// at random: yes or no, a file in the scratch folder or Cancel, a folder or
// Cancel, files for the loose-file dialog, a scope for the batch export.
// Nothing here writes outside the scratch folder.
#pragma once

#include <QDialog>
#include <QObject>
#include <QTimer>

#include "dialogs/dat_file_chooser.h"
#include "dialogs/folder_picker.h"
#include "monkey.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/save_dialogs.h"
#include "qt_platform/shell.h"

namespace orvex::testing {

class DialogAnswerer : public Dialogs,
                       public SaveDialogs,
                       public FolderPicker,
                       public DatFileChooser,
                       public Shell {
 public:
  explicit DialogAnswerer(Monkey& monkey);

  void Error(QWidget*, const QString& text) override;
  void Message(QWidget*, const QString& text) override;
  bool AskYesNo(QWidget*, const QString& title, const QString& text) override;
  std::optional<QString> SaveFileName(QWidget*, const QString& filter,
                                      const QString& last_name) override;
  bool AskPrint(QWidget*, QPrinter* printer) override;
  bool AskPageSetup(QWidget*, QPrinter*) override;
  std::optional<QString> Pick(QWidget*, const QString& title, const QString& root,
                              const QString& start) override;
  QStringList Choose(QWidget*) override;
  void Open(const QUrl& url) override;

  // The window's modal dialogs: the loose-file dialog, the batch export
  // dialogs and the About box; their result.
  int ShowModal(QDialog& dialog);

 private:
  int AnswerSaveDir(QDialog& dialog);
  int AnswerOpenDat(QDialog& dialog);

  Monkey& monkey_;
};

// Closes the dialogs that run their own modal loop (the print preview, a
// progress dialog that came up) while an action runs; armed for the run.
class ModalCloser : public QObject {
 public:
  explicit ModalCloser(Monkey& monkey);

 private:
  void Look();
  Monkey& monkey_;
  QTimer timer_;
};

}  // namespace orvex::testing
