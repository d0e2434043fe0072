// The message boxes and questions the window shows, behind an interface so
// that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace orvex {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The general error box: error icon, OK, the application's title.
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // A plain message box with the application's title and OK.
  virtual void Message(QWidget* parent, const QString& text) = 0;
  // A question with Yes and No and no icon; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
  // The same question with No as the default button, so that Enter answers
  // No: for a question whose Yes takes something away.
  virtual bool AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) {
    return AskYesNo(parent, title, text);
  }
  // That question with a line under it that says what Yes does, in smaller
  // type: where the files go, say.
  virtual bool AskToRemove(QWidget* parent, const QString& title, const QString& text,
                           const QString& detail) {
    (void)detail;
    return AskYesNoDefaultNo(parent, title, text);
  }
};

class QtDialogs : public Dialogs {
 public:
  void Error(QWidget* parent, const QString& text) override;
  void Message(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
  bool AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) override;
  bool AskToRemove(QWidget* parent, const QString& title, const QString& text,
                   const QString& detail) override;
};

}  // namespace orvex
