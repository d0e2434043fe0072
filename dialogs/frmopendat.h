// The dialog for archive files kept outside the messenger's folders: the
// files, the user name that decodes them and the friend's name.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvex {

class DatFileChooser;
class Dialogs;

class TfrmOpenDat : public QDialog {
  Q_OBJECT

 public:
  TfrmOpenDat(DatFileChooser* chooser, Dialogs* dialogs, QWidget* parent = nullptr);

  void btnSelectClick();
  void btnOKClick();
  void btnCancelClick();

  // What the dialog leaves for the window. Files: only those chosen through
  // "Select files", in the file dialog's order; none after Cancel.
  const std::vector<std::string>& files() const { return files_; }
  // The names as they stood at the last OK (code-page text).
  const std::string& user_name() const { return user_name_; }
  const std::string& friend_name() const { return friend_name_; }

  QLineEdit* txtFiles = nullptr;
  QPushButton* btnSelect = nullptr;
  QLineEdit* txtUsername = nullptr;
  QLineEdit* txtFriend = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

 public slots:
  // Escape and the window manager's close end the dialog as Cancel does.
  void reject() override;

 private:
  void ShowChoice();

  DatFileChooser* chooser_;
  Dialogs* dialogs_;
  std::vector<std::string> files_;
  std::string user_name_;
  std::string friend_name_;
};

}  // namespace orvex
