// The main window over damaged data directories: every page drawn, with what
// can be shown in its cells.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTableView>

#include "support/HostileData.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

TEST(HostileWindowTest, EveryPageIsDrawnOverDamagedFiles) {
  for (const test::HostileCase& c : test::HostileCases()) {
    SCOPED_TRACE(c.name);
    test::TempData data;
    test::WriteSoundLeague(data);
    c.damage(data);
    AppWindows app(data.Dir());
    app.Show();
    QString cells;
    for (int tab = 0; tab < app.window.BottomTab()->count(); ++tab) {
      app.window.BottomTab()->setCurrentIndex(tab);
      test::Pump(5);
      EXPECT_FALSE(app.window.grab().isNull());
      const QAbstractItemModel* model = app.window.Table()->model();
      for (int r = 0; r < std::min(model->rowCount(), 50); ++r)
        for (int col = 0; col < model->columnCount(); ++col)
          cells += model->index(r, col).data().toString() + '\t';
    }
    for (const std::string& text : c.shown) EXPECT_TRUE(cells.contains(QString::fromStdString(text))) << text;
    test::Shot(&app.window, c.name);
  }
}

}  // namespace
}  // namespace scv
