#include "link_icons.h"

#include <QPainter>
#include <QPixmap>

#include "widgets/tree_icons.h"

namespace orvex {

QIcon HelpIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x1F, 0x3F, 0x7A), 1));
  p.setBrush(QColor(0x33, 0x64, 0x91));
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(12);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
  return QIcon(pixmap);
}

QIcon ForumIcon() {
  return TreeIcon(kImageShowAll);  // people talking
}

}  // namespace orvex
