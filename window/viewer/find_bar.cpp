#include "window/viewer/find_bar.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace orvex {

FindBar::FindBar(QWidget* parent) : QFrame(parent) {
  setObjectName("panFind");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 2);
  row->setSpacing(6);
  auto* label = new QLabel(tr("Find in view"), this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("edFind");
  edit_->setClearButtonEnabled(true);
  edit_->setAccessibleName(tr("Find in view"));
  label->setBuddy(edit_);
  previous_ = new QToolButton(this);
  previous_->setText(tr("Previous"));
  previous_->setToolTip(tr("Previous") + QStringLiteral(" (Shift+F3)"));
  next_ = new QToolButton(this);
  next_->setText(tr("Next"));
  next_->setToolTip(tr("Next") + QStringLiteral(" (F3)"));
  status_ = new QLabel(this);
  status_->setObjectName("lblFindStatus");
  close_ = new QToolButton(this);
  close_->setText(QStringLiteral("\u00D7"));
  close_->setAccessibleName(tr("Close"));
  close_->setToolTip(tr("Close") + QStringLiteral(" (Esc)"));
  close_->setAutoRaise(true);
  row->addWidget(label);
  row->addWidget(edit_, 1);
  row->addWidget(previous_);
  row->addWidget(next_);
  row->addWidget(status_);
  row->addWidget(close_);

  connect(edit_, &QLineEdit::returnPressed, this, [this] {
    emit findRequested(edit_->text(), !(QApplication::keyboardModifiers() & Qt::ShiftModifier));
  });
  connect(edit_, &QLineEdit::textEdited, status_, &QLabel::clear);
  connect(previous_, &QToolButton::clicked, this,
          [this] { emit findRequested(edit_->text(), false); });
  connect(next_, &QToolButton::clicked, this, [this] { emit findRequested(edit_->text(), true); });
  connect(close_, &QToolButton::clicked, this, &FindBar::Close);
  hide();
}

void FindBar::Open() {
  show();
  edit_->setFocus(Qt::ShortcutFocusReason);
  edit_->selectAll();
}

QString FindBar::text() const {
  return edit_->text();
}

void FindBar::ShowFound(bool found) {
  status_->setText(found ? QString() : tr("Not found"));
}

void FindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Close();
    return;
  }
  QFrame::keyPressEvent(event);
}

void FindBar::Close() {
  hide();
  status_->clear();
  emit closed();
}

}  // namespace orvex
