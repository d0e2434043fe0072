#include "about_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace orvex {
namespace {

QPixmap Transparent(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap DrawLogo() {
  QPixmap pixmap = Transparent(70, 66);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  // Two speech bubbles, one behind the other: a conversation...
  QPainterPath back;
  back.addRoundedRect(QRectF(22, 4, 44, 30), 9, 9);
  back.moveTo(54, 33);
  back.lineTo(60, 42);
  back.lineTo(46, 33);
  p.setPen(QPen(QColor(0x1F, 0x4E, 0x8C), 1.5));
  p.setBrush(QColor(0x8F, 0xB4, 0xE3));
  p.drawPath(back.simplified());

  QPainterPath front;
  front.addRoundedRect(QRectF(4, 14, 48, 32), 10, 10);
  front.moveTo(14, 45);
  front.lineTo(8, 56);
  front.lineTo(24, 45);
  QLinearGradient fill(0, 14, 0, 46);
  fill.setColorAt(0, QColor(0xF7, 0xB2, 0x3B));
  fill.setColorAt(1, QColor(0xE0, 0x7A, 0x12));
  p.setPen(QPen(QColor(0x8A, 0x46, 0x05), 1.5));
  p.setBrush(fill);
  p.drawPath(front.simplified());

  // ...kept as lines of text on a page.
  p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13, 24), QPointF(43, 24));
  p.drawLine(QPointF(13, 30), QPointF(38, 30));
  p.drawLine(QPointF(13, 36), QPointF(31, 36));

  // A small archive box in front.
  const QRectF box(40, 44, 26, 18);
  p.setPen(QPen(QColor(0x3B, 0x2A, 0x14), 1.2));
  p.setBrush(QColor(0xB9, 0x8A, 0x52));
  p.drawRect(box);
  p.setBrush(QColor(0xD4, 0xA7, 0x6A));
  p.drawRect(QRectF(38, 40, 30, 6));
  p.setBrush(QColor(0xF2, 0xE6, 0xD0));
  p.drawRect(QRectF(48, 50, 10, 5));
  return pixmap;
}

QPixmap DrawNameArt() {
  QPixmap pixmap = Transparent(156, 60);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(40);
  font.setBold(true);
  font.setItalic(true);
  QPainterPath name;
  name.addText(QPointF(0, 0), font, QStringLiteral("Orvex"));
  const QRectF bounds = name.boundingRect();
  // Fit the word into the picture, leaving room for the shadow.
  const double scale = std::min(146.0 / bounds.width(), 46.0 / bounds.height());
  QTransform place;
  place.translate(4, 4);
  place.scale(scale, scale);
  place.translate(-bounds.left(), -bounds.top());
  name = place.map(name);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(name.translated(3, 3));
  QLinearGradient fill(0, 4, 0, 52);
  fill.setColorAt(0, QColor(0x4E, 0x8A, 0xE0));
  fill.setColorAt(1, QColor(0x1A, 0x3E, 0x8A));
  p.setBrush(fill);
  p.setPen(QPen(QColor(0x10, 0x26, 0x55), 1));
  p.drawPath(name);

  // An underline swash in the logo's orange.
  p.setPen(QPen(QColor(0xE8, 0x8A, 0x1A), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath swash;
  swash.moveTo(8, 55);
  swash.quadTo(78, 47, 150, 55);
  p.drawPath(swash);
  return pixmap;
}

}  // namespace orvex
