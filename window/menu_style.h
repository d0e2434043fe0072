// Draws the window's pop-up menus and its menu bar's buttons in the program's
// own flat look (sizes and colours in menu_drawing.h).
#pragma once

#include <QObject>
#include <QProxyStyle>

#include <vector>

class QMenu;
class QToolButton;

namespace orvex {

class MenuStyle : public QProxyStyle {
 public:
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override;
};

// Paints a menu bar button in place of its own painting.
class MenuBarButtonPainter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Gives the menus the program's drawing, and the menu bar's buttons their
// painter (owned by `owner`).
void AttachMenuDrawing(const std::vector<QMenu*>& menus,
                       const std::vector<QToolButton*>& bar_buttons, QObject* owner);

}  // namespace orvex
