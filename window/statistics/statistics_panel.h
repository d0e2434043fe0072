// The statistics area: a caption band over the grid of who said how much.
// It keeps the counts it was last given and paints them.
#pragma once

#include <QFrame>

#include "ylogs/render/renderer.h"

class QTableView;

namespace orvex {

class StatsModel;

class StatisticsPanel : public QFrame {
  Q_OBJECT

 public:
  explicit StatisticsPanel(QWidget* parent);

  // Shows these counts in the grid (object name "vsStat").
  void ShowCounters(const MessageCounters& counters);
  const MessageCounters& counters() const { return counters_; }
  // The width of the whole grid; a narrow window may make the panel narrower.
  QSize sizeHint() const override;

 private:
  // Widens the grid's columns to what their captions and cells need and fits
  // the panel around the grid.
  void FitGrid();

  MessageCounters counters_;
  StatsModel* model_ = nullptr;
  int fitted_width_ = 0;
  QTableView* vsStat = nullptr;
};

}  // namespace orvex
