#include "statistics_panel.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

#include "widgets/caption_band.h"
#include "widgets/vertical_grid_delegate.h"
#include "window/panel_parts.h"
#include "window/statistics/stats_model.h"

namespace orvex {

StatisticsPanel::StatisticsPanel(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setObjectName("panStats");
  auto* sc = new QVBoxLayout(this);
  NoMargins(sc);
  auto* sband = new CaptionBand(tr("Statistics"), kCaptionBandColour, this);
  sband->setFixedHeight(20);
  sc->addWidget(sband);
  vsStat = new QTableView(this);
  vsStat->setObjectName("vsStat");
  vsStat->setAccessibleName(tr("Statistics"));
  vsStat->setAccessibleDescription(tr("Messages, words and bytes of the conversations shown"));
  // One stop of the Tab key; the arrow keys go from cell to cell.
  vsStat->setTabKeyNavigation(false);
  model_ = new StatsModel(&counters_, this);
  vsStat->setModel(model_);
  vsStat->verticalHeader()->hide();
  vsStat->setShowGrid(false);  // vertical lines only, drawn with each cell
  vsStat->setItemDelegate(new VerticalGridDelegate(vsStat));
  vsStat->setWordWrap(false);  // one line per row, as the grid has always looked
  QFont grid_font = vsStat->font();
  grid_font.setPointSize(8);  // the 8-point type its column widths were made for
  vsStat->setFont(grid_font);
  vsStat->horizontalHeader()->setFont(grid_font);
  vsStat->verticalHeader()->setDefaultSectionSize(vsStat->fontMetrics().height() + 6);
  vsStat->setSelectionBehavior(QAbstractItemView::SelectRows);
  vsStat->horizontalHeader()->setSectionsMovable(true);
  for (int c = 0; c < 4; ++c) vsStat->horizontalHeader()->resizeSection(c, c == 0 ? 100 : 60);
  // Every row shows; the panel's height keeps them in view.
  vsStat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FitGrid();
  connect(model_, &QAbstractItemModel::dataChanged, this, [this] { FitGrid(); });
  sc->addWidget(vsStat, 1);
  setVisible(false);
}

void StatisticsPanel::ShowCounters(const MessageCounters& counters) {
  counters_ = counters;
  model_->Repaint();
}

// A figure column is at least seven digits wide, so the panel keeps its width
// from one view to the next; the panel is as tall as the grid's seven rows, so
// that no row hides under the list's edge.
// The narrowest the panel gets: the row captions' column and a little more.
constexpr int kNarrowestPanel = 120;

void StatisticsPanel::FitGrid() {
  const QAbstractItemModel* model = vsStat->model();
  QHeaderView* header = vsStat->horizontalHeader();
  const QFontMetrics metrics = vsStat->fontMetrics();
  const int margin = CellTextMargin(vsStat);
  int width = 0;
  for (int c = 0; c < model->columnCount(); ++c) {
    int needed = std::max(header->sectionSizeHint(c),
                          c == 0 ? 0 : metrics.horizontalAdvance("0000000") + margin);
    for (int r = 0; r < model->rowCount(); ++r) {
      needed = std::max(needed,
                        metrics.horizontalAdvance(model->index(r, c).data().toString()) + margin);
    }
    if (header->sectionSize(c) < needed) header->resizeSection(c, needed);
    width += header->sectionSize(c);
  }
  const int frame = 2 * vsStat->frameWidth();
  vsStat->setMinimumHeight(header->sizeHint().height() +
                           model->rowCount() * vsStat->verticalHeader()->defaultSectionSize() +
                           frame);
  fitted_width_ = width + frame + 2 * frameWidth();
  // No wider than the grid; narrower where the window has no room, the grid
  // then scrolling sideways.
  setMaximumWidth(fitted_width_);
  setMinimumWidth(std::min(fitted_width_, kNarrowestPanel));
  updateGeometry();
}

QSize StatisticsPanel::sizeHint() const {
  return {fitted_width_, QFrame::sizeHint().height()};
}

}  // namespace orvex
