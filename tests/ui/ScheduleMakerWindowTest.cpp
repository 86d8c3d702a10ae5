// Make in the game window, walked through the real windows by keyboard: the
// opening question, the field list, one field's times added as a single game
// and every week, Add Games To Schedule, and the new games in the schedule.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::WhenModal;
using Box = MakeFormView::Box;

QStringList RowTexts(const QTableView* table, int row) {
  QStringList cells;
  for (int c = 1; c < table->model()->columnCount(); ++c)
    cells << table->model()->index(row, c).data().toString();
  return cells;
}

// Processes events until done() holds, for at most three seconds.
bool PumpUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 3000) Pump(10);
  return done();
}

// An accelerator reaches only the active window, and clicks its button after
// a short animation.
void Accelerator(QWidget* window, Qt::Key key, const std::function<bool()>& clicked) {
  window->activateWindow();  // the offscreen platform does not give it back when a dialog closes
  EXPECT_TRUE(PumpUntil([window] { return QApplication::activeWindow() == window; }));
  Key(window, key, Qt::AltModifier);
  EXPECT_TRUE(PumpUntil(clicked)) << "Alt+" << QKeySequence(key).toString().toStdString();
}

void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  test::Type(edit, text);
}

TEST(ScheduleMakerWindowTest, MakeWalksTheFieldWindowsIntoTheSchedule) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  test::WriteFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1.Fields")),
                  "F|\r\n|1|Memorial Park|\r\n|2|Riverside|\r\n");

  AppWindows app(tmp.path());
  app.Show();
  app.window.activateWindow();
  app.window.BottomTab()->setCurrentIndex(ScheduleTab);
  Pump(20);

  WhenModal<GameForm>([&](GameForm* game) {
    WhenModal<QMessageBox>([&](QMessageBox* question) {
      EXPECT_NE(
          question->text().indexOf(QStringLiteral("You have 2 fields available and 3 teams to schedule.")),
          -1);
      WhenModal<FieldForm>([&](FieldForm* fields) {
        QTableView* grid = fields->FieldGrid();
        EXPECT_EQ(fields->windowTitle(), QStringLiteral("Select Fields to Use in Schedule"));
        EXPECT_EQ(RowTexts(grid, 0), (QStringList{"    1", "Memorial Park", ""}));
        EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("   No."));
        EXPECT_EQ(fields->focusWidget(), grid);
        test::Shot(fields, "field-select");

        // Down to Riverside; Enter opens its times.
        WhenModal<MakeForm>([&](MakeForm* times) {
          QTableView* rows = times->MakeGrid();
          EXPECT_EQ(times->windowTitle(), QStringLiteral("    2 Riverside Availability"));
          EXPECT_EQ(times->focusWidget(), times->Edit(Box::EditSYr));
          EXPECT_FALSE(times->ButtonWidget(MakeForm::ChangeButton)->isEnabled());
          EXPECT_FALSE(times->ComboBox()->isEnabled());
          EXPECT_EQ(times->ComboBox()->currentText(), QStringLiteral("Monday"));

          // A single game on Saturday 1 June at 10 am; Enter adds it.
          TypeInto(times->Edit(Box::EditSYr), QStringLiteral("2024"));
          TypeInto(times->Edit(Box::EditSMo), QStringLiteral("6"));
          TypeInto(times->Edit(Box::EditSDa), QStringLiteral("1"));
          TypeInto(times->Edit(Box::EditSHr), QStringLiteral("10"));
          TypeInto(times->Edit(Box::EditSMn), QStringLiteral("0"));
          times->RadioSam()->click();
          Key(times->Edit(Box::EditSMn), Qt::Key_Return);
          EXPECT_EQ(rows->model()->rowCount(), 1);
          EXPECT_EQ(RowTexts(rows, 0), (QStringList{"2024", "06", "01", "10:00am"}));
          EXPECT_EQ(times->Edit(Box::EditSMn)->text(), QStringLiteral("00"));
          EXPECT_TRUE(times->ButtonWidget(MakeForm::DeleteButton)->isEnabled());

          // Alt+E: games every Saturday up to the end of June.
          Accelerator(times, Qt::Key_E, [times] { return times->RadioMultiple()->isChecked(); });
          EXPECT_TRUE(times->ComboBox()->isEnabled());
          EXPECT_FALSE(times->ButtonWidget(MakeForm::ChangeButton)->isEnabled());
          EXPECT_EQ(times->ComboBox()->currentText(), QStringLiteral("Saturday"));  // the selected row's day
          TypeInto(times->Edit(Box::EditEYr), QStringLiteral("2024"));
          TypeInto(times->Edit(Box::EditEMo), QStringLiteral("6"));
          TypeInto(times->Edit(Box::EditEDa), QStringLiteral("30"));
          Key(times->Edit(Box::EditEDa), Qt::Key_Return);
          EXPECT_EQ(rows->model()->rowCount(), 5);
          EXPECT_EQ(RowTexts(rows, 4), (QStringList{"2024", "06", "29", "10:00am"}));
          EXPECT_EQ(rows->currentIndex().row(), 0);  // the earliest
          EXPECT_TRUE(times->RadioSingle()->isChecked());
          EXPECT_EQ(times->focusWidget(), rows);
          test::Shot(times, "field-times");
          Key(times, Qt::Key_Escape);  // Field Done
        });
        Key(grid, Qt::Key_Down);
        Key(grid, Qt::Key_Return);
        EXPECT_FALSE(app.fieldTimes.isVisible());
        EXPECT_EQ(RowTexts(grid, 1), (QStringList{"    2", "Riverside", "5"}));

        bool asked = false;
        WhenModal<QMessageBox>([&asked](QMessageBox* add) {
          EXPECT_EQ(add->text(), QStringLiteral("Add 5 Games to Schedule?"));
          asked = true;
          add->button(QMessageBox::Yes)->click();
        });
        Accelerator(fields, Qt::Key_A, [&asked] { return asked; });
      });
      question->button(QMessageBox::Yes)->click();
    });
    game->ButtonWidget(GameForm::MakeButton)->click();
  });
  app.window.Button(Command::Update)->click();

  // The game window closed as "schedule made" and the table shows the games.
  EXPECT_FALSE(app.game.isVisible());
  EXPECT_FALSE(app.fieldSelect.isVisible());
  ASSERT_EQ(app.store.Games.size(), 6u);
  EXPECT_EQ(app.store.Games[1], "|20240601|1000|2|1|2|||||||");
  EXPECT_EQ(app.store.Games[5], "|20240629|1000|2|2|1|||||||");
  EXPECT_EQ(app.window.Table()->model()->rowCount(), 5);
  EXPECT_EQ(app.store.CurrentLeague.CurGame, "5");
  ASSERT_TRUE(app.store.SaveAll());
  EXPECT_EQ(test::ReadFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1.Times"))),
            "2024060110002\r\n2024060810002\r\n2024061510002\r\n2024062210002\r\n2024062910002\r\n");
}

}  // namespace
}  // namespace scv
