#pragma once
// The core's picture of the main string grid: cells, column widths, the focus
// cell and the wide-column list. The window shows it through a Qt model; the
// command line exports it; nothing here knows about widgets.
#include <string>
#include <vector>

namespace scv {

class Grid {
 public:
  int RowCount() const { return static_cast<int>(cells_.size()); }
  int ColCount() const { return colCount_; }
  void SetRowCount(int rows);  // new cells are empty
  void SetColCount(int cols);  // keeps the cells that remain
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);
  void ClearRow(int row);

  int ColWidth(int col) const { return colWidths_.at(col); }
  void SetColWidth(int col, int width);
  const std::vector<int>& ColWidths() const { return colWidths_; }

  // The grid's focus cell (selected cell); -1 when unset.
  int Row = 1;
  int Col = 0;
  // Width in pixels of the grid's client area, set by the view.
  int ClientWidth = 540;
  // Grid column numbers of the shown wide columns, at most 7.
  std::vector<int> WideColumns;
  // The grid column of the first wide column (set by SizeColumns).
  int FocusColumn = 0;

  // Per grid column of the header row, as BuildHeaders laid them out: the
  // logical column it shows (0 for the hidden key column) and its full name.
  std::vector<int> HeaderColumns;
  std::vector<std::string> HeaderNames;
  // The grid column whose order the rows follow, or -1 (the standings, or
  // the sort column not shown).
  int SortColumn = -1;
  bool SortDescending = false;

  // Bumped whenever cells, row or column counts change, so a view can tell
  // whether it must reset.
  unsigned Generation = 0;

 private:
  std::vector<std::vector<std::string>> cells_;
  std::vector<int> colWidths_;
  int colCount_ = 0;
};

}  // namespace scv
