// The window, export and print at the format's limit: a schedule of 99,999
// games, whose rows are made only when read, shows, exports and prints the
// same texts cell for cell.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QTableView>
#include <QTemporaryDir>

#include "BenchData.h"
#include "cli/Export.h"
#include "print/TablePrint.h"
#include "store/Text.h"
#include "support/CountingEngine.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

TEST(ScaleWindowTest, WindowExportAndPrintAgreeCellForCellOn99999Games) {
  QTemporaryDir dir;
  ASSERT_TRUE(bench::WriteLeague(dir.path().toStdString(), bench::ScheduleLeague(99999)));
  AppWindows app(dir.path());
  app.Show();
  test::Pump(20);
  test::Shot(&app.window, "schedule-99999");

  const Grid& grid = app.form->grid;
  const QAbstractItemModel* model = app.window.Table()->model();
  ASSERT_GT(grid.RowCount(), 98000);
  ASSERT_EQ(model->rowCount(), grid.RowCount() - 1);
  ASSERT_EQ(grid.ColCount(), 21);
  // Each row as the window shows it: the visible cells joined by TAB.
  const auto shown = [model](int row) {
    QStringList cells;
    for (int c = 1; c < model->columnCount(); ++c)
      cells << (row == 0 ? model->headerData(c, Qt::Horizontal) : model->index(row - 1, c).data()).toString();
    return cells.join(QLatin1Char('\t'));
  };

  const QList<QByteArray> exported = ExportTsv(grid).split('\n');
  test::CountingEngine printer;  // every page long enough for all rows
  TablePrint print(grid, {"System", 10}, app.form->WindowCaption(), {});
  QString error;
  ASSERT_TRUE(print.PrintCopies(printer, error));
  ASSERT_EQ(exported.size(), grid.RowCount() + 1);                       // the last line ends too
  ASSERT_EQ(printer.rows.size(), static_cast<size_t>(grid.RowCount()));  // one page: one heading row

  int differing = 0;
  for (int r = 0; r < grid.RowCount(); ++r) {
    const QString window = shown(r);
    const QString tsv = QString::fromUtf8(exported[r]);
    const QString printed = Decode(printer.rows[static_cast<size_t>(r)]).mid(1);  // a TAB before each cell
    if (tsv == window && printed == window) continue;
    if (++differing == 1)
      ADD_FAILURE() << "row " << r << "\n window " << window.toStdString() << "\n export "
                    << tsv.toStdString() << "\n print  " << printed.toStdString();
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace scv
