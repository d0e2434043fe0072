#include "dialogs.h"

#include <QMessageBox>

#include "ylogs/program/error_text.h"

namespace orvex {

void QtDialogs::Error(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                  QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::Message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                  QMessageBox::Ok, parent);
  box.exec();
}

namespace {

bool Ask(QWidget* parent, const QString& title, const QString& text,
         QMessageBox::StandardButton default_button, const QString& detail = QString()) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(default_button);
  box.setInformativeText(detail);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

bool QtDialogs::AskYesNo(QWidget* parent, const QString& title, const QString& text) {
  return Ask(parent, title, text, QMessageBox::Yes);
}

bool QtDialogs::AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) {
  return Ask(parent, title, text, QMessageBox::No);
}

bool QtDialogs::AskToRemove(QWidget* parent, const QString& title, const QString& text,
                            const QString& detail) {
  return Ask(parent, title, text, QMessageBox::No, detail);
}

}  // namespace orvex
