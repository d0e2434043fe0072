#include "dat_file_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace orvex {

QStringList QtDatFileChooser::Choose(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters({qtTrId(kDatFilesFilter), qtTrId(kAllFilesFilter)});
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace orvex
