// A label that opens something when clicked, drawn like a link.
#pragma once

#include <QLabel>

namespace orvex {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace orvex
