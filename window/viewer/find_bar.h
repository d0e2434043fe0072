// The find bar over the view: a box for the text, Previous and Next, a line
// that says when nothing holds the text, and Close. Enter finds the next
// place, Shift+Enter the one before, Escape closes the bar.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;
class QToolButton;

namespace orvex {

class FindBar : public QFrame {
  Q_OBJECT
 public:
  explicit FindBar(QWidget* parent);

  // Shows the bar with its text selected and the focus in it.
  void Open();
  QString text() const;
  // Says whether the last find found the text.
  void ShowFound(bool found);

 signals:
  void findRequested(const QString& text, bool forward);
  void closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Close();

  QLineEdit* edit_ = nullptr;
  QToolButton* previous_ = nullptr;
  QToolButton* next_ = nullptr;
  QLabel* status_ = nullptr;
  QToolButton* close_ = nullptr;
};

}  // namespace orvex
