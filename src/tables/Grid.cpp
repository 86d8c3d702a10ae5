#include "tables/Grid.h"

#include <algorithm>

namespace scv {

namespace {
const std::string kEmpty;
}

void Grid::Changed() {
  cachedRow_ = -1;
  ++Generation;
}

void Grid::SetRowCount(int rows) {
  rows = std::max(rows, 0);
  source_.reset();
  rowCount_ = rows;
  cells_.resize(static_cast<size_t>(rows));
  for (auto& row : cells_) row.resize(static_cast<size_t>(colCount_));
  Changed();
}

void Grid::SetRows(std::shared_ptr<const RowSource> source, int dataRows) {
  source_ = std::move(source);
  rowCount_ = std::max(dataRows, 0) + 1;
  cells_.resize(1);
  cells_.front().resize(static_cast<size_t>(colCount_));
  cells_.shrink_to_fit();
  Changed();
}

void Grid::SetColCount(int cols) {
  cols = std::max(cols, 0);
  colCount_ = cols;
  for (auto& row : cells_) row.resize(static_cast<size_t>(cols));
  colWidths_.resize(static_cast<size_t>(cols), 0);
  Changed();
}

const std::vector<std::string>& Grid::RowCells(int row) const {
  if (row >= 0 && row < rowCount_ && (row == 0 || !source_)) return cells_[static_cast<size_t>(row)];
  if (cachedRow_ == row && cachedCells_.size() == static_cast<size_t>(colCount_)) return cachedCells_;
  cachedCells_.assign(static_cast<size_t>(colCount_), std::string());
  if (row > 0 && row < rowCount_) source_->FormatRow(row, cachedCells_);
  cachedRow_ = row;
  return cachedCells_;
}

std::string_view Grid::CellView(int col, int row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return kEmpty;
  return RowCells(row)[static_cast<size_t>(col)];
}

std::string Grid::Cell(int col, int row) const { return std::string(CellView(col, row)); }

void Grid::SetCell(int col, int row, std::string text) {
  // A cell outside the grid is dropped, as the string grid ignores it.
  if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_ || (row > 0 && source_)) return;
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
  Changed();
}

void Grid::ClearRow(int row) {
  if (row < 0 || row >= rowCount_ || (row > 0 && source_)) return;
  for (auto& cell : cells_[static_cast<size_t>(row)]) cell.clear();
  Changed();
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<size_t>(col)] = width;
  ++Generation;
}

}  // namespace scv
