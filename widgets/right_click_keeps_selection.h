// A right click on a list opens its context menu and nothing else: the
// selection the menu acts on stays as it was (item views select the row under
// a right click by default, which would also rebuild the view).
#pragma once

#include <QObject>

class QAbstractItemView;

namespace orvex {

class RightClickKeepsSelection : public QObject {
 public:
  // Watches the view's viewport; owned by the view.
  static void Install(QAbstractItemView* view);

 protected:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orvex
