#pragma once
// Printing the main table: the page event that lays the grid's shown
// columns out as tab stops in their screen proportions, repeats the title
// and the heading row on every page and continues the data rows from page
// to page.
#include <string>

#include <QString>

#include "print/PrintEngine.h"

namespace scv {

class Grid;
struct TableFont;

// The Lines and Shading choices, in the order of their radio items.
enum class PrintLines { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };
enum class PrintShading { None = 0, Rows = 1, Columns = 2, Both = 3 };

// Border bits of every cell for a Lines choice.
int LineBorders(PrintLines lines);

// The font the table prints in: the grid's font name and point size. The
// designed grid font (no league font) is "System" at 10 points, the size of
// a 13-pixel font on a 96-dpi screen.
struct PrintFont {
  std::string Name;
  double PointSize = 10;
};
PrintFont PrintFontOf(const TableFont& font);

struct TablePrintOptions {
  PrintLines Lines = PrintLines::None;
  PrintShading Shading = PrintShading::None;
  int Copies = 1;  // 1 to 99
};

class TablePrint {
 public:
  // The grid is read at the moment each page is produced.
  TablePrint(const Grid& grid, PrintFont font, std::string caption, TablePrintOptions options);

  // The page event: produces one page, returns true when another is needed.
  bool ReportPrintPage(PrintEngine& engine);

  // Runs one print job per copy, each from the first row. False as soon as
  // a job fails (error says why); the copies after it are not started.
  bool PrintCopies(PrintEngine& engine, QString& error);

  // Grid rows printed so far in the current copy.
  int RowCounter = 0;

 private:
  void PrintRow(PrintEngine& engine, int row) const;

  const Grid& grid_;
  PrintFont font_;
  std::string caption_;
  TablePrintOptions options_;
};

}  // namespace scv
