#pragma once
// The core's picture of the main string grid: cells, column widths, the focus
// cell and the wide-column list. The window shows it through a Qt model; the
// command line exports it and the Print command prints it; nothing here
// knows about widgets.
//
// A grid holds its cells in one of two ways:
// - stored: every cell is a string of its own, set with SetCell (the header
//   row, an empty table's blank row, the small grids of the dialogs);
// - made: a table build hands over its rows with SetRows, and the cells of a
//   data row are made by the build's RowSource when that row is read. A
//   table of 99,999 games then costs the few bytes a row needs to name its
//   records, and whoever reads a row (the window, export, print) gets the
//   same texts through the same placement rules.
// The header row 0 is always stored. Reading never changes what a grid
// shows, so the readers may read in any order, as often as they like.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scv {

// The cells of a table's data rows, made when they are read.
class RowSource {
 public:
  virtual ~RowSource() = default;
  // Fills cells (already sized to the grid's column count, every cell empty)
  // with the texts of data row `row` (1 = the first row under the headers).
  virtual void FormatRow(int row, std::vector<std::string>& cells) const = 0;
};

class Grid {
 public:
  int RowCount() const { return rowCount_; }
  int ColCount() const { return colCount_; }
  // Stored rows: the grid keeps its header row and holds `rows` rows of
  // strings; rows added are empty. Drops the rows a build handed over.
  void SetRowCount(int rows);
  // Made rows: data rows 1 to dataRows come from source (the header row
  // stays as it is); the grid has dataRows + 1 rows.
  void SetRows(std::shared_ptr<const RowSource> source, int dataRows);
  // Whether the data rows are made by a source.
  bool RowsMade() const { return source_ != nullptr; }
  void SetColCount(int cols);  // keeps the stored cells that remain

  // A cell's text; empty outside the grid.
  std::string Cell(int col, int row) const;
  // The same without a copy; valid until another row is read or the grid
  // changes.
  std::string_view CellView(int col, int row) const;
  // Every cell of a row (ColCount texts; empty ones outside the grid), valid
  // until another row is read or the grid changes. The fastest way to read
  // a whole table.
  const std::vector<std::string>& RowCells(int row) const;

  // Stored rows only: a cell outside the grid or in a made row is dropped.
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
  void Changed();

  // Stored rows: all rows, or only the header row while rows are made.
  std::vector<std::vector<std::string>> cells_;
  std::shared_ptr<const RowSource> source_;
  std::vector<int> colWidths_;
  int rowCount_ = 0;
  int colCount_ = 0;
  // The last made row read, for readers that go cell by cell.
  mutable int cachedRow_ = -1;
  mutable std::vector<std::string> cachedCells_;
};

}  // namespace scv
