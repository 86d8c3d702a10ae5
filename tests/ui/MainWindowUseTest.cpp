// The main window as a new user meets it: help over a dialog, the right
// button, the mark of unsaved changes, backup with unsaved changes, the page
// keys. Mouse input goes through the window system, as a user's would: a
// window that a modal dialog blocks never sees it.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>

#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::WhenModal;

class MainWindowUseTest : public ::testing::Test {
 protected:
  static QString WithLeague(const QTemporaryDir& dir) {
    test::WriteLeague(dir.path());
    return dir.path();
  }
  void SetUp() override {
    app.Show();
    Activate();
  }
  // The offscreen platform does not activate the window again when a dialog
  // closes, as a desktop does; its shortcut keys need that.
  void Activate() {
    app.window.activateWindow();
    Pump(20);
  }
  QString ShownTitle() const { return app.window.windowHandle()->title(); }
  // One game of the current team entered with Update.
  void EnterGame(TeamFormView::Item item) {
    WhenModal<TeamForm>([item](TeamForm* f) {
      f->Radio(item)->setChecked(true);
      f->OkButton()->click();
    });
    app.window.Button(Command::Update)->click();
    Activate();
  }
  // A double click on the help page's first word selects it, if help takes input.
  bool HelpTakesAClick() {
    QTextBrowser* browser = app.help.Browser();
    browser->setTextCursor(QTextCursor(browser->document()));
    const QPoint at = browser->viewport()->mapTo(&app.help, browser->cursorRect().center() + QPoint(4, 0));
    QTest::mouseDClick(app.help.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    Pump(10);
    return browser->textCursor().hasSelection();
  }

  QTemporaryDir tmp;
  AppWindows app{WithLeague(tmp)};
};

TEST_F(MainWindowUseTest, HelpOverAModalPickListIsInFrontAndUsable) {
  bool shown = false;
  WhenModal<ListForm>([&](ListForm* list) {
    shown = true;
    Key(list->ListBox(), Qt::Key_F1);  // the dialog's own Help: its topic
    EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("Team_Button"));
    EXPECT_TRUE(HelpTakesAClick());
    list->ButtonWidget(ListView::CancelButton)->click();
  });
  app.window.Button(Command::Team)->click();
  ASSERT_TRUE(shown);
  // The dialog has closed; help stays open, and usable.
  EXPECT_TRUE(app.help.isVisible());
  EXPECT_TRUE(HelpTakesAClick());
  app.help.close();
}

TEST_F(MainWindowUseTest, RightClickOpensTheFileMenuAndKeepsTheCurrentRow) {
  QTableView* table = app.window.Table();
  const QRect bears = table->visualRect(table->model()->index(1, 3));
  QTest::mouseClick(app.window.windowHandle(), Qt::RightButton, Qt::NoModifier,
                    table->viewport()->mapTo(&app.window, bears.center()));
  Pump(20);
  EXPECT_TRUE(app.window.FileMenu()->isVisible());
  app.window.FileMenu()->hide();
  EXPECT_EQ(table->currentIndex().row(), 0);
  EXPECT_EQ(app.store.CurrentLeague.CurTeam, "1");
  EXPECT_FALSE(app.store.LeaguesChanged);
}

TEST_F(MainWindowUseTest, TitleMarksUnsavedChangesAndBackupAsksToSaveThem) {
  // Another page and another size are the window's state, not changes.
  app.window.BottomTab()->setCurrentIndex(PlayersTab);
  app.window.resize(640, 400);
  EXPECT_EQ(ShownTitle(), QStringLiteral("2024 Metro League - Aces"));
  app.window.BottomTab()->setCurrentIndex(TeamsTab);
  EnterGame(TeamFormView::Won);
  EXPECT_EQ(ShownTitle(), QStringLiteral("2024 Metro League*"));

  // Backup asks first: Cancel copies nothing, Yes saves, then copies.
  QTemporaryDir dest;
  QStringList texts;
  WhenModal<BackupForm>([&](BackupForm* f) {
    ASSERT_TRUE(f->ChooseDirectory(dest.path()));
    for (auto button : {QMessageBox::Cancel, QMessageBox::Yes}) {
      WhenModal<QMessageBox>([&, button](QMessageBox* box) {
        texts << box->text();
        if (button == QMessageBox::Yes)
          WhenModal<QMessageBox>([&](QMessageBox* info) {
            texts << info->text();
            info->accept();
          });
        box->button(button)->click();
      });
      f->BackupBtn()->click();
      EXPECT_EQ(QDir(dest.path()).isEmpty(), button == QMessageBox::Cancel);
    }
  });
  Key(app.window.Table(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(texts, (QStringList{"Save the changes before the backup?", "Save the changes before the backup?",
                                "4 files copied to " + QDir::toNativeSeparators(dest.path())}));
  EXPECT_TRUE(test::ReadFile(dest.filePath("Y1L1.Teams")).contains("|1|Aces|3|1|"));
  EXPECT_FALSE(app.window.isWindowModified());

  // Another change, and Save Data clears the mark.
  EnterGame(TeamFormView::Lost);
  EXPECT_TRUE(app.window.isWindowModified());
  Key(app.window.Table(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(ShownTitle(), QStringLiteral("2024 Metro League"));
}

TEST_F(MainWindowUseTest, CtrlTabAndCtrlPageKeysMoveBetweenThePages) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = ctrl | Qt::ShiftModifier;
  const std::tuple<int, Qt::KeyboardModifiers, int> steps[] = {
      {Qt::Key_Tab, ctrl, PlayersTab},       {Qt::Key_PageDown, ctrl, HittingTab},
      {Qt::Key_PageUp, ctrl, PlayersTab},    {Qt::Key_Backtab, shift, TeamsTab},
      {Qt::Key_Backtab, shift, ScheduleTab}, {Qt::Key_Tab, ctrl, TeamsTab}};
  for (const auto& [key, modifiers, page] : steps) {
    Key(app.window.Table(), key, modifiers);
    EXPECT_EQ(app.form->tables.CurrentTab, page) << key;
    EXPECT_EQ(app.window.BottomTab()->currentIndex(), page);
    EXPECT_TRUE(app.window.Table()->hasFocus());
  }
}

}  // namespace
}  // namespace scv
