#include "tree_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvex {
namespace {

void Smiley(QPainter& p, QRectF r) {
  p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
  p.setBrush(QColor(0xFF, 0xD8, 0x2A));
  p.drawEllipse(r);
  const qreal w = r.width();
  p.setBrush(Qt::black);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(r.left() + w * 0.33, r.top() + w * 0.38), w * 0.07, w * 0.09);
  p.drawEllipse(QPointF(r.left() + w * 0.67, r.top() + w * 0.38), w * 0.07, w * 0.09);
  p.setPen(QPen(Qt::black, qMax<qreal>(1.0, w / 12)));
  p.setBrush(Qt::NoBrush);
  p.drawArc(r.adjusted(w * 0.22, w * 0.25, -w * 0.22, -w * 0.2), -20 * 16, -140 * 16);
}

void Balloon(QPainter& p, QRectF r, bool tail_left) {
  QPainterPath path;
  path.addRoundedRect(r, 3, 3);
  QPolygonF tail;
  const qreal y = r.bottom();
  if (tail_left) {
    tail << QPointF(r.left() + 2, y - 1) << QPointF(r.left() + 1, y + 3)
         << QPointF(r.left() + 5, y - 1);
  } else {
    tail << QPointF(r.right() - 5, y - 1) << QPointF(r.right() - 1, y + 3)
         << QPointF(r.right() - 2, y - 1);
  }
  path.addPolygon(tail);
  path.setFillRule(Qt::WindingFill);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(path.simplified());
}

QPixmap Draw(int index) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  switch (index) {
    case kImageFriend:
      Smiley(p, QRectF(1, 1, 14, 14));
      break;
    case kImageShowAll:
      Balloon(p, QRectF(0.5, 0.5, 10, 7), true);
      Balloon(p, QRectF(5.5, 6.5, 10, 6), false);
      break;
    case kImageIdentity: {
      p.setPen(QPen(QColor(0x40, 0x10, 0x60), 1));
      p.setBrush(QColor(0x6A, 0x1B, 0x9A));
      p.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 3, 3);
      p.setPen(Qt::white);
      QFont f;
      f.setPixelSize(10);
      f.setBold(true);
      p.setFont(f);
      p.drawText(QRectF(0.5, -0.5, 10, 12), Qt::AlignCenter, "O");
      Smiley(p, QRectF(8, 8, 7.5, 7.5));
      break;
    }
    case kImageFavorites: {
      QPainterPath heart;
      heart.moveTo(8, 14.5);
      heart.cubicTo(-2, 7, 3, -1, 8, 4.5);
      heart.cubicTo(13, -1, 18, 7, 8, 14.5);
      p.setPen(QPen(QColor(0x80, 0x00, 0x00), 1));
      p.setBrush(QColor(0xE0, 0x10, 0x20));
      p.drawPath(heart);
      break;
    }
    default: {
      p.setPen(QPen(QColor(0x30, 0x30, 0x60), 1));
      p.setBrush(QColor(0xF4, 0xF0, 0xE0));
      p.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(1, 2), QPointF(1, 13), QPointF(8, 15)}));
      p.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(15, 2), QPointF(15, 13), QPointF(8, 15)}));
      p.setPen(QColor(0x90, 0x90, 0xA0));
      for (int y = 6; y <= 11; y += 2) {
        p.drawLine(QPointF(3, y), QPointF(6.5, y + 0.5));
        p.drawLine(QPointF(9.5, y + 0.5), QPointF(13, y));
      }
      break;
    }
  }
  return pm;
}

}  // namespace

QIcon TreeIcon(int image_index) {
  static QIcon icons[5];
  if (image_index < 0 || image_index > 4) return {};
  if (icons[image_index].isNull()) icons[image_index] = QIcon(Draw(image_index));
  return icons[image_index];
}

}  // namespace orvex
