// The save-file dialogs and the print dialogs the window shows, behind an
// interface so that tests can answer them.
#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace orvex {

class SaveDialogs {
 public:
  virtual ~SaveDialogs() = default;
  // A save-file dialog with a filter ("HTML file (*.html);;All files (*)") and
  // the name chosen last time; none when cancelled. No overwrite question.
  virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& filter,
                                              const QString& last_name) = 0;
  // The system's print dialog; true when the user chose to print.
  virtual bool AskPrint(QWidget* parent, QPrinter* printer) = 0;
  // The page setup dialog; true when accepted.
  virtual bool AskPageSetup(QWidget* parent, QPrinter* printer) = 0;
};

class QtSaveDialogs : public SaveDialogs {
 public:
  std::optional<QString> SaveFileName(QWidget* parent, const QString& filter,
                                      const QString& last_name) override;
  bool AskPrint(QWidget* parent, QPrinter* printer) override;
  bool AskPageSetup(QWidget* parent, QPrinter* printer) override;
};

}  // namespace orvex
