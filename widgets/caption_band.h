// A flat coloured bar with a caption, as over the search box, the
// conversation list and the statistics grid.
#pragma once

#include <QColor>
#include <QWidget>

namespace orvex {

class CaptionBand : public QWidget {
  Q_OBJECT
 public:
  CaptionBand(const QString& caption, QColor colour, QWidget* parent = nullptr);
  QString caption() const { return caption_; }
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QColor colour_;
};

inline const QColor kCaptionBandColour(0x33, 0x64, 0x91);

}  // namespace orvex
