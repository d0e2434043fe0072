#include "dat_file_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace orvex {

QStringList QtDatFileChooser::Choose(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters({QCoreApplication::translate("Core", kDatFilesFilter),
                         QCoreApplication::translate("Core", kAllFilesFilter)});
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace orvex
