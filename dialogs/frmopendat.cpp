#include "frmopendat.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dat_file_chooser.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "ylogs/discovery/conversation_entry.h"

namespace orvex {
namespace {

constexpr int kEditHeight = 21;

QLabel* LabelAt(const QString& text, int x, int y, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLineEdit* EditAt(int x, int y, int width, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(x, y, width, kEditHeight);
  return edit;
}

QPushButton* ButtonAt(const QString& caption, int x, int y, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, 75, 25);
  button->setAutoDefault(false);
  return button;
}

void SetTextColour(QLineEdit* edit, QColor colour) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, colour);
  edit->setPalette(palette);
}

}  // namespace

TfrmOpenDat::TfrmOpenDat(DatFileChooser* chooser, Dialogs* dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      chooser_(chooser),
      dialogs_(dialogs) {
  setObjectName("frmOpenDat");
  setWindowTitle(tr("Open .dat files"));
  setFixedSize(342, 249);

  LabelAt(tr("File (s):"), 19, 27, this);
  txtFiles = EditAt(19, 42, 221, this);
  txtFiles->setObjectName("txtFiles");
  btnSelect = ButtonAt(tr("Select files"), 241, 40, this);
  btnSelect->setObjectName("btnSelect");
  LabelAt(tr("Username (needed for decoding the archive file):"), 19, 80, this);
  txtUsername = EditAt(19, 95, 297, this);
  txtUsername->setObjectName("txtUsername");
  LabelAt(tr("Username of the friend:"), 19, 129, this);
  txtFriend = EditAt(19, 144, 298, this);
  txtFriend->setObjectName("txtFriend");
  txtFriend->setText("unknown");
  btnOK = ButtonAt(tr("OK"), 70, 194, this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel = ButtonAt(tr("Cancel"), 170, 194, this);
  btnCancel->setObjectName("btnCancel");

  setTabOrder(txtFiles, btnSelect);
  setTabOrder(btnSelect, btnOK);
  setTabOrder(btnOK, btnCancel);
  setTabOrder(btnCancel, txtUsername);
  setTabOrder(txtUsername, txtFriend);
  txtFiles->setFocus();

  connect(btnSelect, &QPushButton::clicked, this, &TfrmOpenDat::btnSelectClick);
  connect(btnOK, &QPushButton::clicked, this, &TfrmOpenDat::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmOpenDat::btnCancelClick);
}

void TfrmOpenDat::btnSelectClick() {
  if (!chooser_) return;
  const QStringList chosen = chooser_->Choose(this);
  if (chosen.isEmpty()) return;  // cancelled: the choice so far stays
  files_.clear();
  for (const QString& path : chosen) files_.push_back(ToFileName(path));
  ShowChoice();
  txtUsername->setText(FromFileName(IdentityFromFileName(FileNamePart(files_.front()))));
}

void TfrmOpenDat::ShowChoice() {
  if (files_.size() == 1) {
    txtFiles->setText(FromFileName(files_.front()));
    SetTextColour(txtFiles, QColor(0x00, 0x00, 0x00));
    txtFiles->setReadOnly(false);
  } else {
    txtFiles->setText(tr("(multiple files)"));
    SetTextColour(txtFiles, QColor(0x80, 0x80, 0x80));
    txtFiles->setReadOnly(true);
  }
}

void TfrmOpenDat::btnOKClick() {
  user_name_ = ToAnsi(txtUsername->text());
  friend_name_ = ToAnsi(txtFriend->text());
  if (txtFiles->text().isEmpty()) {
    if (dialogs_) dialogs_->Message(this, tr("Error: please select at least one file."));
    return;
  }
  accept();
}

void TfrmOpenDat::btnCancelClick() {
  reject();
}

void TfrmOpenDat::reject() {
  files_.clear();
  QDialog::reject();
}

}  // namespace orvex
