#pragma once
// The Qt model over the core's Grid. Grid row 0 is the fixed header row and is
// shown as the table's horizontal header, so view row r is grid row r + 1;
// GridRow and ViewRow are the only places that know it.
#include <QAbstractTableModel>

#include "tables/Grid.h"

namespace scv {

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(const Grid& grid, QObject* parent = nullptr);

  static int GridRow(int viewRow) { return viewRow + 1; }
  static int ViewRow(int gridRow) { return gridRow - 1; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Tells the views what changed in the grid since the last call; returns
  // true when the model was reset (the row or column count changed).
  bool Refresh();

 private:
  const Grid& grid_;
  unsigned generation_ = 0;
  int rows_ = 0;
  int cols_ = 0;
};

}  // namespace scv
