#include "folder_picker.h"

#include <QFileDialog>

namespace orvex {

std::optional<QString> QtFolderPicker::Pick(QWidget* parent, const QString& title,
                                            const QString& root, const QString& start) {
  const QString chosen = QFileDialog::getExistingDirectory(
      parent, title, start.isEmpty() ? root : start, QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

}  // namespace orvex
