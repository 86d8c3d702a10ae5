#include "print/TablePrint.h"

#include <algorithm>

#include "store/DataStore.h"
#include "tables/Grid.h"

namespace scv {

namespace {

// Room the tab columns leave beside the page's left and right margins.
constexpr double kPageAllowance = 0.9;
constexpr int kInnerMargin = 2;  // hundredths of an inch
constexpr int kColumnShade = 8;
constexpr int kRowShade = 8;
constexpr int kHeadingShade = 8;
constexpr int kShadedHeadingShade = 16;

}  // namespace

int LineBorders(PrintLines lines) {
  switch (lines) {
    case PrintLines::Horizontal: return BorderTop | BorderBottom;
    case PrintLines::Vertical: return BorderLeft | BorderRight;
    case PrintLines::Both: return BorderLeft | BorderRight | BorderTop | BorderBottom;
    default: return 0;
  }
}

PrintFont PrintFontOf(const TableFont& font) {
  PrintFont out;
  out.Name = font.Name.empty() ? std::string("System") : font.Name;
  // Name and size each follow the grid's font where one is set.
  if (font.PointSize > 0) out.PointSize = static_cast<double>(std::min<int64_t>(font.PointSize, 400));
  return out;
}

TablePrint::TablePrint(const Grid& grid, PrintFont font, std::string caption, TablePrintOptions options)
    : grid_(grid), font_(std::move(font)), caption_(std::move(caption)), options_(options) {}

void TablePrint::PrintRow(PrintEngine& engine, int row) const {
  std::string text;
  const std::vector<std::string>& cells = grid_.RowCells(row);
  for (size_t c = 1; c < cells.size(); ++c) {
    text += '\t';
    text += cells[c];
  }
  engine.PrintTabs(text);
}

bool TablePrint::ReportPrintPage(PrintEngine& engine) {
  const bool rowShading = options_.Shading == PrintShading::Rows || options_.Shading == PrintShading::Both;
  const int lastRow = grid_.RowCount() - 1;

  if (RowCounter == 0) {
    engine.ClearTabs();
    engine.SetFont(font_.Name, font_.PointSize);
    const int borders = LineBorders(options_.Lines);
    const bool columnShading =
        options_.Shading == PrintShading::Columns || options_.Shading == PrintShading::Both;
    // The cell area reaches the right edge of the last column (each column
    // with its grid line), at most the grid's client width.
    int cellArea = 0;
    for (int c = 0; c < grid_.ColCount(); ++c) cellArea += std::max(grid_.ColWidth(c), 0) + 1;
    cellArea = std::min(cellArea, grid_.ClientWidth);
    const double printable = engine.PageWidth() - kPageAllowance;
    const double scale = printable > 0 ? cellArea / printable : 0;
    for (int c = 1; c < grid_.ColCount(); ++c) {
      const double width = scale > 0 ? std::max(grid_.ColWidth(c), 0) / scale : 0;
      const int shade = columnShading && c % 2 == 1 ? kColumnShade : 0;
      engine.SetTab(PrintEngine::kAfterPrevious, Justify::Center, width, kInnerMargin, borders, shade);
    }
  }

  engine.Home();
  engine.Bold(true);
  engine.PrintCenter(caption_, engine.PageWidth() / 2);
  engine.NewLine();
  engine.NewLine();

  engine.SetTabShade(rowShading ? kShadedHeadingShade : kHeadingShade);
  if (grid_.RowCount() > 0) PrintRow(engine, 0);
  engine.NewLine();
  engine.Bold(false);

  // A page always takes at least one data row, so that a font too big for
  // the page cannot make the job run on without end.
  int printed = 0;
  while (engine.LinesLeft() >= 1 || printed == 0) {
    if (RowCounter >= lastRow) break;
    if (!rowShading) engine.SetTabShade(0);
    else engine.SetTabShade(engine.TabShade() != 0 ? 0 : kRowShade);
    ++RowCounter;
    PrintRow(engine, RowCounter);
    engine.NewLine();
    ++printed;
  }
  return RowCounter < lastRow;
}

bool TablePrint::PrintCopies(PrintEngine& engine, QString& error) {
  const int copies = std::clamp(options_.Copies, 1, 99);
  for (int copy = 0; copy < copies; ++copy) {
    RowCounter = 0;
    if (!engine.Execute([this](PrintEngine& e) { return ReportPrintPage(e); }, error)) return false;
  }
  return true;
}

}  // namespace scv
