// The main window over a real data directory: command bar, tabs, file menu,
// keys, the grid as a view of the core's grid, the remembered size, and the
// pick-list and entry dialogs driven as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "store/ListFile.h"
#include "store/Records.h"
#include "store/Text.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::ReadFile;
using test::WriteFile;
using test::Type;
using test::WhenModal;

void Activate(QWidget& w) {
  // The offscreen platform does not give the focus back to the main window
  // when a dialog closes, as a desktop does.
  w.activateWindow();
  Pump(10);
}

void Start(AppWindows& app) {
  app.Show();
  Activate(app.window);
  Pump(20);
}

// The grid as the view shows it equals the core's grid cell for cell, with
// grid row 0 as the header.
void ExpectViewShowsGrid(AppWindows& app) {
  const Grid& grid = app.form->grid;
  QAbstractItemModel* model = app.window.Table()->model();
  ASSERT_EQ(model->columnCount(), grid.ColCount());
  ASSERT_EQ(model->rowCount(), grid.RowCount() - 1);
  for (int c = 0; c < grid.ColCount(); ++c) {
    EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), Decode(grid.Cell(c, 0)));
    for (int r = 1; r < grid.RowCount(); ++r)
      EXPECT_EQ(model->index(r - 1, c).data().toString(), Decode(grid.Cell(c, r))) << c << "," << r;
  }
  EXPECT_TRUE(app.window.Table()->isColumnHidden(0));
  for (int c = 1; c < grid.ColCount(); ++c) EXPECT_EQ(app.window.Table()->columnWidth(c), grid.ColWidth(c) + 1);
}

TEST(MainWindowTest, CommandBarTabsAndFileMenu) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  AppWindows app(tmp.path());
  Start(app);
  MainWindow& w = app.window;

  // First launch in an empty directory: designed size, Teams page.
  EXPECT_EQ(w.size(), QSize(MainWindow::kDesignedWidth, MainWindow::kDesignedHeight));
  EXPECT_EQ(w.windowTitle().trimmed().isEmpty(), false);
  EXPECT_EQ(w.BottomTab()->currentIndex(), 0);
  EXPECT_EQ(w.ButtonPanel()->height(), 49);
  EXPECT_EQ(w.BottomTab()->height(), 20);

  struct ButtonCase {
    Command command;
    const char* caption;
    int left, width;
  };
  const ButtonCase buttons[] = {{Command::File, "&File", 0, 40},     {Command::Year, "&Year", 40, 42},
                                {Command::League, "&League", 82, 56}, {Command::Team, "&Team", 138, 48},
                                {Command::Player, "&Player", 186, 50}, {Command::Update, "&Update", 236, 56},
                                {Command::Setup, "&Setup", 292, 48},  {Command::Note, "&Notes", 340, 48},
                                {Command::Font, "F&ont", 388, 40},    {Command::Print, "P&rint", 428, 48},
                                {Command::Help, "&Help", 476, 40},    {Command::Quit, "E&xit", 516, 40}};
  for (const ButtonCase& b : buttons) {
    QToolButton* button = w.Button(b.command);
    ASSERT_NE(button, nullptr) << b.caption;
    EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
    EXPECT_EQ(button->geometry(), QRect(b.left, 0, b.width, 49)) << b.caption;
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_FALSE(button->icon().isNull());
  }

  const QStringList tabs = {"Teams", "Players", "Hitting", "Running", "Pitching", "Fielding", "Custom", "Schedule"};
  ASSERT_EQ(w.BottomTab()->count(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.BottomTab()->tabText(i), tabs[i]);

  QStringList items;
  for (QAction* a : w.FileMenu()->actions())
    items << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') + a->shortcut().toString());
  EXPECT_EQ(items, (QStringList{"&Backup All|Ctrl+B", "&Import QKT|Ctrl+I", "&Save Data|Ctrl+S", "-", "&Help|F1",
                                "&About|F2", "E&xit|F3"}));

  // The file menu opens 45 right of and 51 below the window's top-left.
  w.Button(Command::File)->click();
  Pump(10);
  EXPECT_TRUE(w.FileMenu()->isVisible());
  EXPECT_EQ(w.FileMenu()->pos(), w.mapToGlobal(QPoint(45, 51)));
  w.FileMenu()->close();

  // With no year the page shows its header and one blank row.
  ExpectViewShowsGrid(app);
  EXPECT_EQ(w.Table()->model()->rowCount(), 1);
}

TEST(MainWindowTest, KeysOpenTheMenuRunUpdateAndTheShortcuts) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);
  MainWindow& w = app.window;
  QWidget* table = w.Table();

  // Esc is the File button.
  Key(table, Qt::Key_Escape);
  Pump(10);
  EXPECT_TRUE(w.FileMenu()->isVisible());
  w.FileMenu()->close();
  Pump(10);

  // Enter is the Update button: on the Teams page the team dialog opens.
  bool teamDialog = false;
  WhenModal<TeamForm>([&](TeamForm* f) {
    teamDialog = true;
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Aces"));
    f->reject();
  });
  Key(table, Qt::Key_Return);
  EXPECT_TRUE(teamDialog);

  // The buttons' accelerators: Alt+Y is the Year button.
  bool yearList = false;
  WhenModal<ListForm>([&](ListForm* f) {
    yearList = true;
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Year"));
    f->ButtonWidget(ListView::CancelButton)->click();
  });
  Activate(w);
  Key(table, Qt::Key_Y, Qt::AltModifier);
  Pump(300);  // an accelerator clicks its button after a short animation
  EXPECT_TRUE(yearList);

  // Ctrl+S saves without the menu being opened.
  const QString years = QDir(tmp.path()).filePath(QStringLiteral("Baseball.Years"));
  ASSERT_TRUE(QFile::remove(years));
  Activate(w);
  Key(table, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(w.FileMenu()->isVisible());
  EXPECT_TRUE(QFile::exists(years));

  // F2: the about box, naming the data directory.
  bool about = false;
  WhenModal<AboutForm>([&](AboutForm* f) {
    about = true;
    EXPECT_EQ(f->DataDirText(), QDir::toNativeSeparators(tmp.path()));
    f->accept();
  });
  Activate(w);
  Key(table, Qt::Key_F2);
  EXPECT_TRUE(about);

  // F1: the help at its contents.
  Activate(w);
  Key(table, Qt::Key_F1);
  EXPECT_TRUE(app.help.isVisible());
  EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("Contents"));
  app.help.close();

  // A disabled default button does not react: Update off, Enter does nothing.
  w.SetCommandEnabled(Command::Update, false);
  Activate(w);
  Key(table, Qt::Key_Return);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  w.SetCommandEnabled(Command::Update, true);

  // F3 closes the window, saving first.
  ASSERT_TRUE(QFile::remove(years));
  Activate(w);
  Key(table, Qt::Key_F3);
  Pump(10);
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(QFile::exists(years));
}

TEST(MainWindowTest, GridSelectionTabsAndMouse) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);
  MainWindow& w = app.window;
  QTableView* table = w.Table();
  const Grid& grid = app.form->grid;

  ExpectViewShowsGrid(app);
  ASSERT_EQ(grid.RowCount(), 4);  // header and three teams
  // The presenter's focus cell is the view's current cell.
  EXPECT_EQ(table->currentIndex().row(), grid.Row - 1);
  EXPECT_EQ(table->currentIndex().column(), grid.Col);

  // Choosing another row makes its team the current one.
  const int otherRow = grid.Row == 1 ? 2 : 1;
  table->setCurrentIndex(table->model()->index(otherRow - 1, grid.FocusColumn));
  EXPECT_EQ(grid.Row, otherRow);
  EXPECT_EQ(app.store.CurrentLeague.CurTeam, grid.Cell(0, otherRow));
  EXPECT_EQ(app.store.CurrentTeam.Name, Trim(grid.Cell(grid.FocusColumn, otherRow)));

  // Double click runs Update; right click opens the file menu.
  bool opened = false;
  WhenModal<TeamForm>([&](TeamForm* f) {
    opened = true;
    EXPECT_EQ(f->windowTitle(), Decode(app.store.CurrentTeam.Name));
    f->reject();
  });
  Q_EMIT table->doubleClicked(table->currentIndex());
  EXPECT_TRUE(opened);
  Q_EMIT table->customContextMenuRequested(QPoint(20, 20));
  Pump(10);
  EXPECT_TRUE(w.FileMenu()->isVisible());
  w.FileMenu()->close();

  // A tab click builds its page and is remembered.
  w.BottomTab()->setCurrentIndex(PlayersTab);
  EXPECT_EQ(app.store.YearsHeader.CurTab, "1");
  ExpectViewShowsGrid(app);

  // The league font reaches the grid: name, size, style and colour (a
  // Windows colour value, blue in its third byte).
  TableFont font;
  font.Name = "DejaVu Serif";
  font.PointSize = 15;
  font.Bold = false;
  font.Italic = true;
  font.Color = 0xFF0000;
  w.ApplyTableFont(font);
  EXPECT_EQ(table->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(table->font().pointSize(), 15);
  EXPECT_FALSE(table->font().bold());
  EXPECT_TRUE(table->font().italic());
  EXPECT_EQ(table->palette().color(QPalette::Text), QColor(0, 0, 255));
  EXPECT_EQ(table->verticalHeader()->defaultSectionSize(), QFontMetrics(table->font()).height() + 4);
}

TEST(MainWindowTest, StoredTabAndSizeOpenTheWindow) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  {
    // A stored CurTab of 7 opens on the Schedule page.
    List years;
    QString error;
    ASSERT_EQ(ReadListFile(QDir(tmp.path()).filePath(QStringLiteral("Baseball.Years")), years, error),
              ReadResult::Read);
    YearsHeaderRecord header = ParseYearsHeader(years[0]);
    header.CurTab = "7";
    years[0] = Compose(header);
    ASSERT_TRUE(WriteListFile(QDir(tmp.path()).filePath(QStringLiteral("Baseball.Years")), years, error));
  }
  const QSize normal(640, 420);
  {
    AppWindows app(tmp.path());
    Start(app);
    EXPECT_EQ(app.window.BottomTab()->currentIndex(), ScheduleTab);
    EXPECT_EQ(app.form->tables.CurrentTab, ScheduleTab);
    ExpectViewShowsGrid(app);

    app.window.resize(normal);
    Pump(20);
    app.window.showMaximized();
    Pump(50);
    EXPECT_TRUE(app.window.isMaximized());
    app.window.close();
    Pump(10);
  }
  {
    // The next start opens at the last normal size, not maximised.
    AppWindows app(tmp.path());
    Start(app);
    EXPECT_FALSE(app.window.isMaximized());
    EXPECT_EQ(app.window.size(), normal);
    EXPECT_EQ(app.window.BottomTab()->currentIndex(), ScheduleTab);
    app.window.close();
  }
}

TEST(MainWindowTest, FirstRunInAnEmptyDirectoryWritesOnlyTheYearsOnClosing) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  {
    AppWindows app(tmp.path());
    Start(app);
    EXPECT_EQ(app.window.BottomTab()->currentIndex(), TeamsTab);
    EXPECT_EQ(app.form->store.CurrentYear.Mark, "Y");  // no year selected
    // Looking at every page of an empty directory writes nothing.
    for (int tab = TeamsTab; tab < TabCount; ++tab) {
      app.window.BottomTab()->setCurrentIndex(tab);
      Pump(5);
    }
    app.window.BottomTab()->setCurrentIndex(TeamsTab);
    Pump(5);
    EXPECT_TRUE(QDir(tmp.path()).entryList(QDir::Files).isEmpty());
    app.window.close();
    Pump(10);
  }
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{QStringLiteral("Baseball.Years")});
  EXPECT_EQ(ReadFile(QDir(tmp.path()).filePath(QStringLiteral("Baseball.Years"))), QByteArray("Y|0||||||\r\n"));
}

TEST(MainWindowTest, PickListAddsEditsDeletesAndUndeletes) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);

  auto button = [](QWidget* w, const char* name) { return w->findChild<QPushButton*>(QString::fromLatin1(name)); };
  QStringList steps;
  // 1. The team list: three teams, the current one highlighted; New.
  WhenModal<ListForm>([&](ListForm* list) {
    steps << QStringLiteral("list");
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Team"));
    EXPECT_EQ(list->ListBox()->count(), 3);
    EXPECT_TRUE(list->ListBox()->currentItem()->text().contains(QStringLiteral("Aces")));
    EXPECT_FALSE(list->ButtonWidget(ListView::UndeleteButton)->isEnabled());
    WhenModal<NameForm>([&](NameForm* name) {
      steps << QStringLiteral("add");
      EXPECT_EQ(name->windowTitle(), QStringLiteral("Add New Baseball Team"));
      EXPECT_TRUE(name->EditNo()->text().isEmpty());
      Type(name->EditNo(), QStringLiteral("4"));
      Type(name->EditName(), QStringLiteral("Dodgers"));
      // 2. Back in the list, the new team is highlighted; Edit it.
      WhenModal<ListForm>([&](ListForm* list2) {
        steps << QStringLiteral("list2");
        EXPECT_EQ(list2->ListBox()->count(), 4);
        EXPECT_TRUE(list2->ListBox()->currentItem()->text().contains(QStringLiteral("Dodgers")));
        WhenModal<NameForm>([&](NameForm* edit) {
          steps << QStringLiteral("edit");
          EXPECT_EQ(edit->windowTitle(), QStringLiteral("Change Baseball Team"));
          EXPECT_EQ(edit->EditNo()->text(), QStringLiteral("4"));
          EXPECT_EQ(edit->EditName()->text(), QStringLiteral("Dodgers"));
          edit->EditName()->clear();
          Type(edit->EditName(), QStringLiteral("Ducks"));
          // 3. Delete it, confirming.
          WhenModal<ListForm>([&](ListForm* list3) {
            steps << QStringLiteral("list3");
            EXPECT_TRUE(list3->ListBox()->currentItem()->text().contains(QStringLiteral("Ducks")));
            WhenModal<QMessageBox>([&](QMessageBox* box) {
              steps << QStringLiteral("confirm");
              EXPECT_EQ(box->text(), QStringLiteral("Delete Team: 4 Ducks"));
              // 4. Undelete is enabled now; in undelete mode only Ducks shows.
              WhenModal<ListForm>([&](ListForm* list4) {
                steps << QStringLiteral("list4");
                EXPECT_EQ(list4->ListBox()->count(), 3);
                EXPECT_TRUE(list4->ButtonWidget(ListView::UndeleteButton)->isEnabled());
                WhenModal<ListForm>([&](ListForm* undelete) {
                  steps << QStringLiteral("undelete");
                  EXPECT_EQ(undelete->windowTitle(), QStringLiteral("Undelete Team"));
                  ASSERT_EQ(undelete->ListBox()->count(), 1);
                  EXPECT_TRUE(undelete->ListBox()->item(0)->text().contains(QStringLiteral("Ducks")));
                  // 5. OK undeletes; the live list shows it again; OK picks it.
                  WhenModal<ListForm>([&](ListForm* list5) {
                    steps << QStringLiteral("list5");
                    EXPECT_EQ(list5->windowTitle(), QStringLiteral("Team"));
                    EXPECT_EQ(list5->ListBox()->count(), 4);
                    EXPECT_TRUE(list5->ListBox()->currentItem()->text().contains(QStringLiteral("Ducks")));
                    list5->ButtonWidget(ListView::OkButton)->click();
                  });
                  undelete->ButtonWidget(ListView::OkButton)->click();
                });
                list4->ButtonWidget(ListView::UndeleteButton)->click();
              });
              box->button(QMessageBox::Yes)->click();
            });
            list3->ButtonWidget(ListView::DeleteButton)->click();
          });
          button(edit, "OkButton")->click();
        });
        list2->ButtonWidget(ListView::EditButton)->click();
      });
      button(name, "OkButton")->click();
    });
    list->ButtonWidget(ListView::NewButton)->click();
  });
  app.window.Button(Command::Team)->click();
  EXPECT_EQ(steps, (QStringList{"list", "add", "list2", "edit", "list3", "confirm", "list4", "undelete", "list5"}));

  ASSERT_EQ(app.store.Teams.size(), 5u);
  EXPECT_EQ(app.store.Teams[4], "|4|Ducks|");
  EXPECT_EQ(app.store.CurrentLeague.CurTeam, "4");
  EXPECT_EQ(app.store.CurrentTeam.Name, "Ducks");
  // The standings show the new team.
  bool shown = false;
  for (int r = 1; r < app.form->grid.RowCount(); ++r)
    for (int c = 1; c < app.form->grid.ColCount(); ++c)
      shown = shown || Trim(app.form->grid.Cell(c, r)) == "Ducks";
  EXPECT_TRUE(shown);
  ExpectViewShowsGrid(app);

  // Saved with the next save.
  app.window.MenuAction(Command::SaveItem)->trigger();
  EXPECT_TRUE(ReadFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1.Teams"))).contains("\r\n|4|Ducks|\r\n"));
}

TEST(MainWindowTest, EntryDialogsStoreWhatIsTyped) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);

  // The team dialog: a won game on top of 2-1.
  WhenModal<TeamForm>([](TeamForm* f) {
    EXPECT_EQ(f->EditWon()->text(), QStringLiteral("2"));
    EXPECT_EQ(f->EditLost()->text(), QStringLiteral("1"));
    EXPECT_TRUE(f->Radio(TeamFormView::DidNotPlay)->isChecked());
    f->Radio(TeamFormView::Won)->click();
    f->OkButton()->click();
  });
  app.window.Button(Command::Update)->click();
  EXPECT_EQ(ParseTeam(app.store.Teams[1]).Won, "3");
  EXPECT_EQ(ParseTeam(app.store.Teams[1]).Lost, "1");
  EXPECT_TRUE(app.store.TeamsChanged);

  // The player dialog on the Players page: Ann Able has 12 PA and 4 singles.
  app.window.BottomTab()->setCurrentIndex(PlayersTab);
  ASSERT_EQ(app.store.CurrentPlayer.Name, "Ann Able");
  WhenModal<PlayerForm>([](PlayerForm* f) {
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Ann Able"));
    EXPECT_EQ(f->focusWidget(), f->AddEdit(Fig::PA));
    EXPECT_EQ(f->TotalEdit(Fig::PA)->text(), QStringLiteral("12"));
    EXPECT_TRUE(f->AddEdit(Fig::PA)->text().isEmpty());
    Type(f->AddEdit(Fig::PA), QStringLiteral("4"));
    Type(f->AddEdit(Fig::Single), QStringLiteral("5"));
    // 7 innings and 2 thirds, plus 2 thirds: 8 innings and 1 third.
    Type(f->TotalEdit(Fig::IP), QStringLiteral("7"));
    Type(f->TotalEdit(Fig::IP3), QStringLiteral("2"));
    Type(f->AddEdit(Fig::IP3), QStringLiteral("2"));
    Type(f->TotalEdit(Fig::BO), QStringLiteral("3"));
    f->OkButton()->click();
  });
  app.window.Button(Command::Update)->click();
  const PlayerRecord ann = ParsePlayer(app.store.Players[1]);
  EXPECT_EQ(ann.Figures[Fig::PA], "16");
  EXPECT_EQ(ann.Figures[Fig::Single], "9");
  EXPECT_EQ(ann.Figures[Fig::IP], "8");
  EXPECT_EQ(ann.Figures[Fig::IP3], "1");
  EXPECT_EQ(ann.Figures[Fig::BO], "3");
  EXPECT_EQ(ann.Figures[Fig::G], "3");

  // Cancel changes nothing.
  const std::string before = app.store.Players[1];
  WhenModal<PlayerForm>([](PlayerForm* f) {
    Type(f->AddEdit(Fig::PA), QStringLiteral("9"));
    f->reject();
  });
  app.window.Button(Command::Update)->click();
  EXPECT_EQ(app.store.Players[1], before);
  ExpectViewShowsGrid(app);
}

}  // namespace
}  // namespace scv
