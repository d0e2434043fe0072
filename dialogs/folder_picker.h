// The system's folder browser, behind an interface so that tests can answer it.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace orvex {

class FolderPicker {
 public:
  virtual ~FolderPicker() = default;
  // Lets the user choose an existing folder. `root` (may be empty) is where
  // browsing starts when `start` (may be empty) names no folder to show
  // first. Gives the chosen folder, or nothing when the user cancels.
  virtual std::optional<QString> Pick(QWidget* parent, const QString& title, const QString& root,
                                      const QString& start) = 0;
};

class QtFolderPicker : public FolderPicker {
 public:
  std::optional<QString> Pick(QWidget* parent, const QString& title, const QString& root,
                              const QString& start) override;
};

}  // namespace orvex
