// The dialog that saves one file per conversation into a chosen folder.
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvex {

// The dialog's caption and the captions of its three scopes.
struct SaveDirCaptions {
  QString title;
  QString scopes[3];
};

class TfrmSaveDir : public QDialog {
  Q_OBJECT
 public:
  enum Scope { kSelectedConversations = 0, kSelectedContacts = 1, kAllTheArchive = 2 };

  // `browse` picks a folder (none when cancelled); `run` exports and returns
  // whether the dialog may close (false after an error, which it reports).
  TfrmSaveDir(bool html, std::function<std::optional<QString>()> browse,
              std::function<bool(Scope, const QString&)> run, QWidget* parent = nullptr);
  // The same dialog for other exports: its scopes are numbered 0 to 2 as
  // `captions` lists them.
  TfrmSaveDir(const SaveDirCaptions& captions, std::function<std::optional<QString>()> browse,
              std::function<bool(Scope, const QString&)> run, QWidget* parent = nullptr);

  void Button1Click();  // "..."
  void Button2Click();  // "OK"
  void Button3Click();  // "Cancel"

  Scope scope() const;
  void set_scope(Scope scope);

  QLineEdit* edtDirector = nullptr;
  QRadioButton* scopes[3] = {};
  QPushButton* button_ok = nullptr;
  QPushButton* button_cancel = nullptr;

 private:
  std::function<std::optional<QString>()> browse_;
  std::function<bool(Scope, const QString&)> run_;
};

}  // namespace orvex
