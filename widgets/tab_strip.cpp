#include "tab_strip.h"

#include <QPainter>
#include <QStyleOptionTab>
#include <QToolButton>

namespace orvex {
namespace {
constexpr int kSearchRole = 1;  // tab data: whether the tab belongs to a search
}

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent) {
  setShape(QTabBar::RoundedSouth);
  setDrawBase(false);
  setExpanding(false);
  setMouseTracking(true);
  QFont f("Tahoma");
  f.setPointSize(8);
  setFont(f);
  // Connected first, so the button has moved before anyone else hears of the
  // change; nothing may block this signal, or the button stays behind.
  connect(this, &QTabBar::currentChanged, this, [this] { PlaceCloseButton(); });
}

int TabStrip::AddTab(const QString& caption, bool search_tab) {
  const int index = addTab(caption);
  setTabData(index, search_tab ? kSearchRole : 0);
  PlaceCloseButton();  // now that the tab is known as a search tab
  return index;
}

void TabStrip::tabInserted(int index) {
  QTabBar::tabInserted(index);
  PlaceCloseButton();
}

void TabStrip::tabRemoved(int index) {
  QTabBar::tabRemoved(index);
  PlaceCloseButton();
}

bool TabStrip::IsSearchTab(int index) const {
  return tabData(index).toInt() == kSearchRole;
}

void TabStrip::PlaceCloseButton() {
  for (int i = 0; i < count(); ++i) {
    QWidget* old = tabButton(i, QTabBar::RightSide);
    const bool wanted = i == currentIndex() && IsSearchTab(i);
    if (old && !wanted) {
      setTabButton(i, QTabBar::RightSide, nullptr);
      old->deleteLater();
    } else if (!old && wanted) {
      auto* close = new QToolButton(this);
      close->setText(QStringLiteral("\u00D7"));
      close->setAutoRaise(true);
      close->setFixedSize(14, 14);
      close->setObjectName("TabCloseButton");
      connect(close, &QToolButton::clicked, this, [this] { emit closeClicked(currentIndex()); });
      setTabButton(i, QTabBar::RightSide, close);
    }
  }
}

QSize TabStrip::tabSizeHint(int index) const {
  QSize s = QTabBar::tabSizeHint(index);
  s.setHeight(qMin(s.height(), 21));
  s.setWidth(s.width() + 10 + 10 - 8);  // margins of 10 either side
  return s;
}

void TabStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPoint mouse = mapFromGlobal(QCursor::pos());
  for (int i = 0; i < count(); ++i) {
    QRect r = tabRect(i).adjusted(0, 2, -1, -1);
    QBrush fill;
    if (i == currentIndex()) {
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, Qt::white);
      g.setColorAt(1, kActiveTabShade);
      fill = g;
    } else if (r.contains(mouse) && underMouse()) {
      QLinearGradient g(r.topLeft(), r.topRight());
      g.setColorAt(0, kHotTabColour);
      g.setColorAt(1, QColor(0xC0, 0xC0, 0xC0));
      fill = g;
    } else if (IsSearchTab(i)) {
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, kTabColour);
      g.setColorAt(1, kSearchTabShade);
      fill = g;
    } else {
      fill = kTabColour;
    }
    p.fillRect(r, fill);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(r);
    p.setPen(Qt::black);
    QRect text = r.adjusted(10, 0, -10, 0);
    if (tabButton(i, QTabBar::RightSide)) text.adjust(0, 0, -14, 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, tabText(i));
  }
}

}  // namespace orvex
