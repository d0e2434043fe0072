// A row of widgets that wraps onto further lines when the width runs out,
// each line's widgets centred on it: a bar that stays whole in a narrow
// window instead of widening it.
#pragma once

#include <QLayout>
#include <QList>

namespace orvex {

class WrappingRow : public QLayout {
 public:
  explicit WrappingRow(QWidget* parent, int spacing);
  ~WrappingRow() override;

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize minimumSize() const override;
  QSize sizeHint() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // Lays the items out in `rect` (or only measures); the height used.
  int Arrange(const QRect& rect, bool place) const;

  QList<QLayoutItem*> items_;
  int spacing_;
};

}  // namespace orvex
