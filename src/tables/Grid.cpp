#include "tables/Grid.h"

#include <algorithm>

namespace scv {

namespace {
const std::string kEmpty;
}

void Grid::SetRowCount(int rows) {
  rows = std::max(rows, 0);
  cells_.resize(static_cast<size_t>(rows));
  for (auto& row : cells_) row.resize(static_cast<size_t>(colCount_));
  ++Generation;
}

void Grid::SetColCount(int cols) {
  cols = std::max(cols, 0);
  colCount_ = cols;
  for (auto& row : cells_) row.resize(static_cast<size_t>(cols));
  colWidths_.resize(static_cast<size_t>(cols), 0);
  ++Generation;
}

const std::string& Grid::Cell(int col, int row) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return kEmpty;
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::SetCell(int col, int row, std::string text) {
  // A cell outside the grid is dropped, as the string grid ignores it.
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return;
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
  ++Generation;
}

void Grid::ClearRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  for (auto& cell : cells_[static_cast<size_t>(row)]) cell.clear();
  ++Generation;
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<size_t>(col)] = width;
  ++Generation;
}

}  // namespace scv
