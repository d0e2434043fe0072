#include "save_dialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace orvex {

std::optional<QString> QtSaveDialogs::SaveFileName(QWidget* parent, const QString& filter,
                                                   const QString& last_name) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(filter);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!last_name.isEmpty()) dialog.selectFile(last_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

bool QtSaveDialogs::AskPrint(QWidget* parent, QPrinter* printer) {
  QPrintDialog dialog(printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool QtSaveDialogs::AskPageSetup(QWidget* parent, QPrinter* printer) {
  QPageSetupDialog dialog(printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace orvex
