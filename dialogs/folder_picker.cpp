#include "folder_picker.h"

#include <QDir>
#include <QFileDialog>

namespace orvex {

std::optional<QString> QtFolderPicker::Pick(QWidget* parent, const QString& title,
                                            const QString& root, const QString& start) {
  // With nothing to show first, browsing starts at the home folder rather than
  // wherever the program happened to be started.
  QString first = start.isEmpty() ? root : start;
  if (first.isEmpty()) first = QDir::homePath();
  const QString chosen =
      QFileDialog::getExistingDirectory(parent, title, first, QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

}  // namespace orvex
