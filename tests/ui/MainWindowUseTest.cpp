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

// One game of the current team entered with Update; the window is active
// again afterwards (the offscreen platform does not do that, as a desktop
// does), so that its shortcut keys work.
void EnterGame(AppWindows& app, TeamFormView::Item item) {
  WhenModal<TeamForm>([item](TeamForm* f) {
    f->Radio(item)->setChecked(true);
    f->OkButton()->click();
  });
  app.window.Button(Command::Update)->click();
  app.window.activateWindow();
  Pump(10);
}

// The small league of the GUI tests, in the window.
class MainWindowUseTest : public ::testing::Test {
 protected:
  static QString WithLeague(const QTemporaryDir& dir) {
    test::WriteLeague(dir.path());
    return dir.path();
  }
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    Start(app);
  }
  QTemporaryDir tmp;
  AppWindows app{WithLeague(tmp)};
};

TEST_F(MainWindowUseTest, RightClickOpensTheFileMenuAndKeepsTheCurrentRow) {
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

TEST_F(MainWindowUseTest, TitleMarksUnsavedChangesAndBackupAsksToSaveThem) {
  QTemporaryDir dest;
  ASSERT_TRUE(dest.isValid());
  EXPECT_EQ(ShownTitle(app), QStringLiteral("2024 Metro League"));
  // Another page and another size are the window's state, not changes.
  app.window.BottomTab()->setCurrentIndex(PlayersTab);
  app.window.resize(640, 400);
  app.window.BottomTab()->setCurrentIndex(TeamsTab);
  Pump(10);
  EXPECT_FALSE(app.window.isWindowModified());

  // A game won: the title marks it.
  EnterGame(app, TeamFormView::Won);
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
  EnterGame(app, TeamFormView::Lost);
  EXPECT_TRUE(app.window.isWindowModified());
  Key(app.window.Table(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(app.window.isWindowModified());
  EXPECT_EQ(ShownTitle(app), QStringLiteral("2024 Metro League"));
}

TEST_F(MainWindowUseTest, CtrlTabAndCtrlPageKeysMoveBetweenThePages) {
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
