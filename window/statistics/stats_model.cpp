#include "stats_model.h"
#include "qt_platform/translations.h"

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
    const std::string text = StatisticsCellText(*counters_, index.row(), index.column());
    return index.column() == 0 ? UiText(text.c_str()) : FromUtf8(text);
  }
  if (role == Qt::TextAlignmentRole && index.column() > 0) {
    return int(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant StatsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
    return UiText(StatisticsColumnCaption(section).c_str());
  }
  return {};
}

void StatsModel::Repaint() {
  emit dataChanged(index(0, 0), index(kStatisticsRows - 1, kStatisticsColumns - 1));
}

}  // namespace orvex
