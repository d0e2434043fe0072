// The statistics grid's cells, computed from the counters each time they are
// asked for.
#pragma once

#include <QAbstractTableModel>

#include "ylogs/render/renderer.h"

namespace orvex {

class StatsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  StatsModel(const MessageCounters* counters, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Makes the grid paint the counters as they now stand.
  void Repaint();

 private:
  const MessageCounters* counters_;
};

}  // namespace orvex
