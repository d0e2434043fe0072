#include "stats_model.h"

#include "qt_platform/qt_text.h"
#include "ylogs/render/statistics.h"

namespace orvex {

StatsModel::StatsModel(const MessageCounters* counters, QObject* parent)
    : QAbstractTableModel(parent), counters_(counters) {}

int StatsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kStatisticsRows;
}

int StatsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kStatisticsColumns;
}

QVariant StatsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    return FromUtf8(StatisticsCellText(*counters_, index.row(), index.column()));
  }
  if (role == Qt::TextAlignmentRole && index.column() > 0) {
    return int(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant StatsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
    return FromUtf8(StatisticsColumnCaption(section));
  }
  return {};
}

void StatsModel::Repaint() {
  emit dataChanged(index(0, 0), index(kStatisticsRows - 1, kStatisticsColumns - 1));
}

}  // namespace orvex
