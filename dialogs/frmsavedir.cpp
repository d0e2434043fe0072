#include "frmsavedir.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvex {
namespace {

SaveDirCaptions BatchCaptions(bool html) {
  return {html ? TfrmSaveDir::tr("Save conversations to HTML files")
               : TfrmSaveDir::tr("Save conversations to plain text files"),
          {TfrmSaveDir::tr("Selected conversations"), TfrmSaveDir::tr("Selected contacts"),
           TfrmSaveDir::tr("All the archive")}};
}

}  // namespace

TfrmSaveDir::TfrmSaveDir(bool html, std::function<std::optional<QString>()> browse,
                         std::function<bool(Scope, const QString&)> run, QWidget* parent)
    : TfrmSaveDir(BatchCaptions(html), std::move(browse), std::move(run), parent) {}

TfrmSaveDir::TfrmSaveDir(const SaveDirCaptions& captions,
                         std::function<std::optional<QString>()> browse,
                         std::function<bool(Scope, const QString&)> run, QWidget* parent)
    : QDialog(parent), browse_(std::move(browse)), run_(std::move(run)) {
  setObjectName("frmSaveDir");
  setWindowTitle(captions.title);
  setFixedSize(414, 240);

  auto* label = new QLabel(tr("Output directory"), this);
  label->move(16, 14);
  edtDirector = new QLineEdit(this);
  edtDirector->setObjectName("edtDirector");
  edtDirector->setGeometry(16, 32, 226, 24);
  auto* dots = new QToolButton(this);
  dots->setText("...");
  dots->setGeometry(246, 32, 26, 24);
  connect(dots, &QToolButton::clicked, this, &TfrmSaveDir::Button1Click);

  auto* group = new QGroupBox(tr("Save"), this);
  group->setGeometry(16, 66, 256, 110);
  auto* col = new QVBoxLayout(group);
  for (int i = 0; i < 3; ++i) {
    scopes[i] = new QRadioButton(captions.scopes[i], group);
    col->addWidget(scopes[i]);
  }
  scopes[kSelectedConversations]->setChecked(true);

  button_ok = new QPushButton(tr("OK"), this);
  button_ok->setGeometry(300, 32, 90, 26);
  button_ok->setDefault(true);
  connect(button_ok, &QPushButton::clicked, this, &TfrmSaveDir::Button2Click);
  button_cancel = new QPushButton(tr("Cancel"), this);
  button_cancel->setGeometry(300, 66, 90, 26);
  connect(button_cancel, &QPushButton::clicked, this, &TfrmSaveDir::Button3Click);
}

TfrmSaveDir::Scope TfrmSaveDir::scope() const {
  for (int i = 0; i < 3; ++i) {
    if (scopes[i]->isChecked()) return static_cast<Scope>(i);
  }
  return kSelectedConversations;
}

void TfrmSaveDir::set_scope(Scope scope) {
  scopes[scope]->setChecked(true);
}

void TfrmSaveDir::Button1Click() {
  if (!browse_) return;
  if (std::optional<QString> folder = browse_()) edtDirector->setText(*folder);
}

void TfrmSaveDir::Button2Click() {
  if (run_ && !run_(scope(), edtDirector->text())) return;  // stays open after an error
  accept();
}

void TfrmSaveDir::Button3Click() {
  reject();
}

}  // namespace orvex
