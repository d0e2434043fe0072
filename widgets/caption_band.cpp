#include "caption_band.h"

#include <QPainter>

namespace orvex {

CaptionBand::CaptionBand(const QString& caption, QColor colour, QWidget* parent)
    : QWidget(parent), caption_(caption), colour_(colour) {
  setObjectName(QStringLiteral("caption:") + caption);
}

void CaptionBand::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, colour_.lighter(125));
  g.setColorAt(1, colour_);
  p.fillRect(rect(), g);
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(rect().adjusted(6, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_);
}

}  // namespace orvex
