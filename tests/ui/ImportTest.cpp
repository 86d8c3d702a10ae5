// Import QKT in the running program: Ctrl+I, the file dialog answered as a
// user would, the imported season on screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "import/QktImport.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::WhenModal;

using test::Shot;

// Answers the open dialog by typing the file's name and pressing Enter.
void Choose(const QString& path, bool* shown) {
  WhenModal<OpenDialog>([path, shown](OpenDialog* d) {
    *shown = true;
    auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(path);
    Key(edit, Qt::Key_Return);
  });
}

TEST(ImportWindowTest, ImportQktAddsTheSeasonAndShowsItsStandings) {
  QTemporaryDir data, files;
  ASSERT_TRUE(data.isValid() && files.isValid());
  test::WriteLeague(data.path());
  const QString qkt = QDir(files.path()).filePath("Spring.qkt");
  test::WriteFile(qkt,
                  "[Init]\r\nLast=1\r\n[Y1]\r\nName=2025\r\nLast=1\r\n[Y1L1]\r\nName=Valley\r\nLast=3\r\n"
                  "[Y1L1T1]\r\nName=Aces\r\nNo=1\r\nWon=2\r\n[Y1L1T3]\r\nName=Cubs\r\nNo=3\r\nWon=1\r\n");
  test::WriteFile(QDir(files.path()).filePath("notes.txt"), "not a QKT file\r\n");
  AppWindows app(data.path());
  app.Show();
  app.window.activateWindow();
  Pump(20);
  QAction* item = app.window.MenuAction(Command::ImportItem);
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isEnabled());

  // The dialog as it opens; Help shows the import's help; Esc cancels.
  bool shown = false;
  WhenModal<OpenDialog>([&](OpenDialog* d) {
    shown = true;
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Open New or Other QKT File"));
    EXPECT_EQ(d->nameFilters(), QStringList{"QKT Files (*.QKT)"});
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("qkt"));
    EXPECT_EQ(QDir(d->directory()).canonicalPath(), QDir(data.path()).canonicalPath());
    d->setDirectory(files.path());
    Pump(50);
    Shot(d, "import-dialog");
    d->HelpButton()->click();
    EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("Import_QKT"));
    EXPECT_FALSE(app.help.PageOf(QStringLiteral("Import_QKT")).isEmpty());
    Shot(&app.help, "import-help");
    app.help.close();
    Key(d, Qt::Key_Escape);
  });
  Key(app.window.Table(), Qt::Key_I, Qt::ControlModifier);
  ASSERT_TRUE(shown);
  EXPECT_EQ(app.store.Years.size(), 2u);

  // Another extension: the warning, nothing added.
  Choose(QDir(files.path()).filePath("notes.txt"), &shown);
  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->text(), QString::fromLatin1(kQktWrongExtension));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->accept();
  });
  item->trigger();
  EXPECT_EQ(app.store.Years.size(), 2u);

  // The offscreen platform does not give the main window the focus back when
  // a dialog closes, as a desktop does.
  app.window.activateWindow();
  Pump(20);
  shown = false;
  Choose(qkt, &shown);
  Key(app.window.Table(), Qt::Key_I, Qt::ControlModifier);
  ASSERT_TRUE(shown);
  EXPECT_EQ(app.window.windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("2025 Valley"));
  const Grid& grid = app.form->grid;
  ASSERT_EQ(grid.RowCount(), 3);  // the placeholder of T2 is not listed
  EXPECT_EQ(grid.Cell(0, 1), "1");
  EXPECT_EQ(grid.Cell(0, 2), "3");
  Shot(&app.window, "import-done");
  app.window.close();
}

}  // namespace
}  // namespace scv
