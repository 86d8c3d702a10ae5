// The main window as a new user meets it: the right button, the mark of
// unsaved changes, the backup with unsaved changes and the page keys.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::ReadFile;
using test::WhenModal;

void Start(AppWindows& app) {
  app.Show();
  app.window.activateWindow();
  Pump(20);
}

// The title as the window system shows it.
QString ShownTitle(const AppWindows& app) { return app.window.windowHandle()->title(); }

TEST(MainWindowUseTest, RightClickOpensTheFileMenuAndKeepsTheCurrentRow) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);
  QTableView* table = app.window.Table();
  ASSERT_EQ(app.store.CurrentLeague.CurTeam, "1");
  const int row = table->currentIndex().row();

  // The second row (Bears), through the window system as a mouse would.
  const QRect cell = table->visualRect(table->model()->index(1, 3));
  QTest::mouseClick(app.window.windowHandle(), Qt::RightButton, Qt::NoModifier,
                    table->viewport()->mapTo(&app.window, cell.center()));
  Pump(20);
  EXPECT_TRUE(app.window.FileMenu()->isVisible());
  app.window.FileMenu()->hide();
  EXPECT_EQ(table->currentIndex().row(), row);
  EXPECT_EQ(app.store.CurrentLeague.CurTeam, "1");
  EXPECT_FALSE(app.store.LeaguesChanged);
}

TEST(MainWindowUseTest, TitleMarksUnsavedChangesAndBackupAsksToSaveThem) {
  QTemporaryDir tmp, dest;
  ASSERT_TRUE(tmp.isValid() && dest.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);
  EXPECT_EQ(ShownTitle(app), QStringLiteral("2024 Metro League"));
  // Another page and another size are the window's state, not changes.
  app.window.BottomTab()->setCurrentIndex(PlayersTab);
  app.window.resize(640, 400);
  app.window.BottomTab()->setCurrentIndex(TeamsTab);
  Pump(10);
  EXPECT_FALSE(app.window.isWindowModified());

  // A game won: the title marks it.
  WhenModal<TeamForm>([](TeamForm* f) {
    f->Radio(TeamFormView::Won)->setChecked(true);
    f->OkButton()->click();
  });
  app.window.Button(Command::Update)->click();
  Pump(10);
  EXPECT_TRUE(app.window.isWindowModified());
  EXPECT_EQ(ShownTitle(app), QStringLiteral("2024 Metro League*"));

  // Backup asks first: Cancel copies nothing, Yes saves, then copies.
  QStringList answers;
  WhenModal<BackupForm>([&](BackupForm* f) {
    ASSERT_TRUE(f->ChooseDirectory(dest.path()));
    for (auto button : {QMessageBox::Cancel, QMessageBox::Yes}) {
      WhenModal<QMessageBox>([&, button](QMessageBox* box) {
        answers << box->text();
        EXPECT_NE(box->button(QMessageBox::No), nullptr);
        if (button == QMessageBox::Yes)
          WhenModal<QMessageBox>([&](QMessageBox* info) {
            answers << info->text();
            info->accept();
          });
        box->button(button)->click();
      });
      f->BackupBtn()->click();
      Pump(10);
      if (button == QMessageBox::Cancel) {
        EXPECT_TRUE(f->isVisible());
        EXPECT_TRUE(QDir(dest.path()).isEmpty());
      }
    }
  });
  app.window.activateWindow();  // the offscreen platform does not, as a desktop does
  Pump(10);
  Key(app.window.Table(), Qt::Key_B, Qt::ControlModifier);
  Pump(10);
  ASSERT_EQ(answers.size(), 3);
  EXPECT_EQ(answers[0], QStringLiteral("Save the changes before the backup?"));
  EXPECT_EQ(answers[2], QStringLiteral("4 files copied to ") + QDir::toNativeSeparators(dest.path()));
  EXPECT_EQ(ReadFile(QDir(dest.path()).filePath(QStringLiteral("Y1L1.Teams"))),
            ReadFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1.Teams"))));
  EXPECT_TRUE(ReadFile(QDir(dest.path()).filePath(QStringLiteral("Y1L1.Teams"))).contains("|1|Aces|3|1|"));
  EXPECT_FALSE(app.window.isWindowModified());

  // Another change, and Save Data clears the mark.
  WhenModal<TeamForm>([](TeamForm* f) {
    f->Radio(TeamFormView::Lost)->setChecked(true);
    f->OkButton()->click();
  });
  app.window.Button(Command::Update)->click();
  Pump(10);
  EXPECT_TRUE(app.window.isWindowModified());
  app.window.activateWindow();
  Pump(10);
  Key(app.window.Table(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(app.window.isWindowModified());
  EXPECT_EQ(ShownTitle(app), QStringLiteral("2024 Metro League"));
}

TEST(MainWindowUseTest, CtrlTabAndCtrlPageKeysMoveBetweenThePages) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);
  QTableView* table = app.window.Table();
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int page;
  } steps[] = {
      {Qt::Key_Tab, Qt::ControlModifier, PlayersTab},
      {Qt::Key_PageDown, Qt::ControlModifier, HittingTab},
      {Qt::Key_PageUp, Qt::ControlModifier, PlayersTab},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, TeamsTab},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, ScheduleTab},  // round to the last
      {Qt::Key_Tab, Qt::ControlModifier, TeamsTab},
  };
  for (const auto& step : steps) {
    Key(table, step.key, step.modifiers);
    Pump(10);
    EXPECT_EQ(app.window.BottomTab()->currentIndex(), step.page) << step.key;
    EXPECT_EQ(app.form->tables.CurrentTab, step.page);
    EXPECT_TRUE(table->hasFocus());
  }
}

}  // namespace
}  // namespace scv
