#include "ui/GridModel.h"

#include <algorithm>

#include "store/Text.h"

namespace scv {

GridModel::GridModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), generation_(grid.Generation) {
  rows_ = std::max(grid_.RowCount() - 1, 0);
  cols_ = grid_.ColCount();
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return QVariant();
  switch (role) {
    case Qt::DisplayRole:
      return Decode(grid_.CellView(index.column(), GridRow(index.row())));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
      return QVariant();
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QVariant();
  if (role == Qt::DisplayRole) return Decode(grid_.CellView(section, 0));
  if (role == Qt::ToolTipRole && section >= 0 && static_cast<size_t>(section) < grid_.HeaderNames.size())
    return Decode(grid_.HeaderNames[static_cast<size_t>(section)]).trimmed();
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool GridModel::Refresh() {
  const int rows = std::max(grid_.RowCount() - 1, 0);
  const int cols = grid_.ColCount();
  if (grid_.Generation == generation_ && rows == rows_ && cols == cols_) return false;
  if (rows == rows_ && cols == cols_) {
    // Same shape: repaint in place, keeping the scroll position and the
    // selection (a resize re-fits the widths and bumps the generation too).
    generation_ = grid_.Generation;
    if (rows > 0 && cols > 0) Q_EMIT dataChanged(index(0, 0), index(rows - 1, cols - 1), {Qt::DisplayRole});
    if (cols > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, cols - 1);
    return false;
  }
  beginResetModel();
  rows_ = rows;
  cols_ = cols;
  generation_ = grid_.Generation;
  endResetModel();
  return true;
}

}  // namespace scv
