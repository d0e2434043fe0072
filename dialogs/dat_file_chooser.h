// The file-open dialog of the loose-file dialog, behind an interface so that
// tests can answer it.
#pragma once

#include <QStringList>

class QWidget;

namespace orvex {

inline constexpr const char* kDatFilesFilter =
    QT_TRANSLATE_NOOP("Core", "Yahoo Messenger dat files (*.dat)");
inline constexpr const char* kAllFilesFilter = QT_TRANSLATE_NOOP("Core", "All files (*)");

class DatFileChooser {
 public:
  virtual ~DatFileChooser() = default;
  // Lets the user choose one or more existing files; gives their full paths
  // in the order the dialog returns them, or none when the user cancels.
  virtual QStringList Choose(QWidget* parent) = 0;
};

class QtDatFileChooser : public DatFileChooser {
 public:
  QStringList Choose(QWidget* parent) override;
};

}  // namespace orvex
