#include "dat_file_chooser.h"

#include <QFileDialog>

namespace orvex {

QStringList QtDatFileChooser::Choose(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(
      {QString::fromLatin1(kDatFilesFilter), QString::fromLatin1(kAllFilesFilter)});
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace orvex
