#include "menu_style.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QToolButton>

#include "qt_platform/qt_text.h"
#include "window/menu_drawing.h"
#include "window/menu_mnemonics.h"

namespace orvex {
namespace {

QColor Colour(std::uint32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb));
}

MenuRect ToMenuRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// An item's text is its caption, with the shortcut after a tab when Qt shows it.
QString CaptionOf(const QString& text) {
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  return tab < 0 ? text : text.left(tab);
}

// The shortcut's name ("Del"), from the item's text or from its action.
QString ShortcutOf(const QString& text, const QAction* action) {
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  if (tab >= 0) return text.mid(tab + 1);
  if (action && !action->shortcut().isEmpty())
    return action->shortcut().toString(QKeySequence::NativeText);
  return {};
}

// The style is not told which action it measures: a menu's captions tell
// them apart.
const QAction* ActionByCaption(const QWidget* widget, const QString& caption) {
  const auto* menu = qobject_cast<const QMenu*>(widget);
  if (!menu) return nullptr;
  for (const QAction* a : menu->actions()) {
    if (!a->isSeparator() && a->text() == caption) return a;
  }
  return nullptr;
}

const QAction* ActionAt(const QWidget* widget, const QRect& rect) {
  const auto* menu = qobject_cast<const QMenu*>(widget);
  return menu ? menu->actionAt(rect.center()) : nullptr;
}

// The caption as drawn: its access key marked as "&" marks one.
QString WithAccessKey(QString caption, const QAction* item) {
  const int at = AccessKeyPosition(item);
  if (at < 0 || at >= caption.size() || caption.contains(QLatin1Char('&'))) return caption;
  return caption.insert(at, QLatin1Char('&'));
}

void DrawLine(QPainter* painter, const MenuLine& line, int width) {
  painter->setPen(QPen(Colour(line.rgb), width));
  painter->drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
}

void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter* painter, const QWidget* widget) {
  const MenuRect r = ToMenuRect(item.rect);
  const bool separator = item.menuItemType == QStyleOptionMenuItem::Separator;
  const bool selected = !separator && (item.state & QStyle::State_Selected);
  const bool disabled = !(item.state & QStyle::State_Enabled);
  const MenuItemColours colours = MenuItemColoursFor(selected, disabled);

  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->fillRect(item.rect, Colour(colours.background));
  if (separator) {
    for (const MenuLine& line : MenuSeparatorLines(r)) DrawLine(painter, line, 1);
    painter->restore();
    return;
  }
  if (!item.icon.isNull()) {
    const MenuPoint at = MenuIconAt(r);
    painter->drawPixmap(
        at.x, at.y, item.icon.pixmap(QSize(16, 16), disabled ? QIcon::Disabled : QIcon::Normal));
  }

  painter->setPen(Colour(colours.text));
  painter->setFont(item.font);
  const MenuPoint caption = MenuCaptionAt(r);
  painter->drawText(QRect(caption.x, caption.y, r.right - caption.x, r.bottom - caption.y),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine,
                    WithAccessKey(CaptionOf(item.text), ActionAt(widget, item.rect)));

  const QString shortcut = ShortcutOf(item.text, ActionAt(widget, item.rect));
  if (!shortcut.isEmpty()) {
    QFont small = item.font;
    small.setPointSize(kMenuShortcutPointSize);
    painter->setFont(small);
    const MenuPoint end = MenuShortcutEndAt(r);
    painter->drawText(QRect(r.left, end.y, end.x - r.left, r.bottom - end.y),
                      Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, shortcut);
  }

  if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
    for (const MenuLine& line : MenuCheckStrokes(r, selected))
      DrawLine(painter, line, kMenuCheckPenWidth);
  }
  painter->restore();
}

}  // namespace

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || !item)
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
  const QString caption = CaptionOf(item->text);
  const bool has_shortcut =
      !separator && !ShortcutOf(item->text, ActionByCaption(widget, caption)).isEmpty();
  const QString shown = FromUtf8(StripAccelerator(ToUtf8(caption)));
  const QFontMetrics& fm = item->fontMetrics;
  // The text height of "Wp": the font's full height, ascent and descent.
  const MenuItemSize s =
      MeasureMenuItem(separator, fm.horizontalAdvance(shown), has_shortcut, fm.height());
  return {s.width + kMenuCheckColumnAllowance, s.height};
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  switch (element) {
    case CE_MenuItem:
      if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
        DrawMenuItem(*item, painter, widget);
        return;
      }
      break;
    case CE_MenuEmptyArea:
    case CE_MenuHMargin:
    case CE_MenuVMargin:
      painter->fillRect(option->rect, Colour(kMenuBackground));
      return;
    default:
      break;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_PanelMenu:
      painter->fillRect(option->rect, Colour(kMenuBackground));
      return;
    case PE_FrameMenu:
      painter->save();
      painter->setPen(Colour(kMenuGreyText));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->restore();
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
  switch (metric) {
    case PM_MenuPanelWidth:
      return 1;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuTearoffHeight:
      return 0;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returned) const {
  switch (hint) {
    case SH_Menu_AllowActiveAndDisabled:  // a greyed item still shows the band
    case SH_UnderlineShortcut:
      return 1;
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_Mask:
      return 0;
    default:
      return QProxyStyle::styleHint(hint, option, widget, returned);
  }
}

bool MenuBarButtonPainter::eventFilter(QObject* watched, QEvent* event) {
  auto* button = qobject_cast<QToolButton*>(watched);
  if (!button || event->type() != QEvent::Paint) return QObject::eventFilter(watched, event);
  const bool hot =
      button->isDown() || (button->menu() && button->menu()->isVisible()) ||
      (button->underMouse() && button->rect().contains(button->mapFromGlobal(QCursor::pos())));
  MenuBarButtonColours colours = MenuBarButtonColoursFor(button->isChecked(), hot);
  // While a long action runs the bar takes no command, and shows it.
  if (!button->isEnabled()) colours = {true, 0, kMenuGreyText};
  QPainter painter(button);
  const QWidget* bar = button->parentWidget() ? button->parentWidget() : button;
  painter.fillRect(button->rect(), colours.use_bar_colour ? bar->palette().color(QPalette::Window)
                                                          : Colour(colours.background));
  painter.setPen(Colour(colours.text));
  painter.setFont(button->font());
  const QString caption = FromUtf8(StripAccelerator(ToUtf8(button->text())));
  int caption_left = kMenuBarCaptionOffset;
  if (!button->icon().isNull()) {
    // A link button: its picture first, the caption after it.
    constexpr int kIconSize = 16, kIconLeft = 2;
    const int top = (button->height() - kIconSize) / 2;
    painter.drawPixmap(
        kIconLeft, top,
        button->icon().pixmap(kIconSize, kIconSize,
                              button->isEnabled() ? QIcon::Normal : QIcon::Disabled));
    caption_left = kIconLeft + kIconSize + 1;
  }
  painter.drawText(button->rect().adjusted(caption_left, kMenuBarCaptionOffset, 0, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
  return true;
}

void AttachMenuDrawing(const std::vector<QMenu*>& menus,
                       const std::vector<QToolButton*>& bar_buttons, QObject* owner) {
  // One style for the whole run: a widget does not own the style it is given.
  static MenuStyle* const style = new MenuStyle;
  for (QMenu* menu : menus) {
    menu->setStyle(style);
    // The style draws the shortcut itself, within the item's measured width.
    for (QAction* a : menu->actions()) a->setShortcutVisibleInContextMenu(false);
    GiveAccessKeys(menu);
  }
  auto* painter = new MenuBarButtonPainter(owner);
  for (QToolButton* button : bar_buttons) {
    button->installEventFilter(painter);
    // A closing menu leaves its button plain again.
    if (QMenu* menu = button->menu())
      QObject::connect(menu, &QMenu::aboutToHide, button, [button] { button->update(); });
  }
}

}  // namespace orvex
