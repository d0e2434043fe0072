#include "window/menu_mnemonics.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>

namespace orvex {
namespace {

constexpr char kAccessKeyProperty[] = "orvexAccessKey";

// A letter a keyboard types: ideographs are entered through an input method
// and so are no access keys.
bool Typeable(QChar c) {
  return c.isLetter() && c.script() != QChar::Script_Han && c.script() != QChar::Script_Hiragana &&
         c.script() != QChar::Script_Katakana && c.script() != QChar::Script_Hangul;
}

int PickLetter(const QString& caption, QSet<QChar>& taken) {
  auto free = [&](int i) { return Typeable(caption[i]) && !taken.contains(caption[i].toLower()); };
  for (int i = 0; i < caption.size(); ++i) {
    const bool starts_word = i == 0 || !caption[i - 1].isLetterOrNumber();
    if (starts_word && free(i)) return i;
  }
  for (int i = 0; i < caption.size(); ++i) {
    if (free(i)) return i;
  }
  return -1;
}

class AccessKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* menu = qobject_cast<QMenu*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!menu || key->text().size() != 1 ||
        (key->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier))) {
      return false;
    }
    const QChar typed = key->text()[0].toLower();
    for (QAction* item : menu->actions()) {
      const int at = AccessKeyPosition(item);
      if (at < 0 || !item->isEnabled() || !item->isVisible() || item->text()[at].toLower() != typed)
        continue;
      // Chosen as Return chooses the highlighted item: the menus close first.
      menu->setActiveAction(item);
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QCoreApplication::sendEvent(menu, &enter);
      return true;
    }
    return false;
  }
};

}  // namespace

void GiveAccessKeys(QMenu* menu) {
  QSet<QChar> taken;
  for (QAction* item : menu->actions()) {
    if (item->isSeparator()) continue;
    const int at = PickLetter(item->text(), taken);
    if (at >= 0) taken.insert(item->text()[at].toLower());
    item->setProperty(kAccessKeyProperty, at);
  }
  static AccessKeyFilter* const filter = new AccessKeyFilter(QCoreApplication::instance());
  menu->installEventFilter(filter);
}

int AccessKeyPosition(const QAction* item) {
  const QVariant at = item ? item->property(kAccessKeyProperty) : QVariant();
  return at.isValid() ? at.toInt() : -1;
}

}  // namespace orvex
