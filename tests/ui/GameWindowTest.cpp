// The game window over a real data directory, driven as a user would: opened
// by Update and by a double click on the schedule, rows picked through the
// real pick list, Clear, OK, Add, Delete and All, Help, and its keys.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "store/Records.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::WhenModal;

// The small league with two fields, two umpires and two games.
void WriteSchedule(const QString& dir) {
  test::WriteLeague(dir);
  const QDir d(dir);
  test::WriteFile(d.filePath(QStringLiteral("Y1L1.Fields")), "F|\r\n|1|Memorial Park|\r\n|2|Riverside|\r\n");
  test::WriteFile(d.filePath(QStringLiteral("Y1L1.Umpires")), "U|\r\n|7|Ann Umpire|\r\n|8|Bob Umpire|\r\n");
  test::WriteFile(d.filePath(QStringLiteral("Y1L1.Games")),
                  "G|\r\n|20240507|1830|1|1|2|1||||3|0|\r\n|20240508|0015|2|2|3|||||||\r\n");
}

// The labels of a pick row pick on a click.
void ClickLabel(QLabel* label) {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), label->mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label, &release);
}

// Picks the list item whose text contains `name` and presses OK.
void PickInList(const QString& name) {
  WhenModal<ListForm>([name](ListForm* list) {
    for (int r = 0; r < list->ListBox()->count(); ++r)
      if (list->ListBox()->item(r)->text().contains(name)) list->ListBox()->setCurrentRow(r);
    list->ButtonWidget(ListView::OkButton)->click();
  });
}

class GameWindowTest : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  std::unique_ptr<AppWindows> app;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    WriteSchedule(tmp.path());
    app = std::make_unique<AppWindows>(tmp.path());
    app->Show();
    app->window.activateWindow();
    app->window.BottomTab()->setCurrentIndex(ScheduleTab);
    Pump(20);
  }
  const List& Games() const { return app->store.Games; }
};

TEST_F(GameWindowTest, UpdateOpensTheGamePicksClearsAndStores) {
  WhenModal<GameForm>([&](GameForm* f) {
    EXPECT_EQ(f->windowTitle(), QStringLiteral("2024 Metro League Schedule"));
    QStringList boxes;
    for (int b = 0; b < GameFormView::BoxCount; ++b)
      boxes << f->Edit(static_cast<GameFormView::Box>(b))->text();
    EXPECT_EQ(boxes, (QStringList{"2024", "5", "7", "06", "30", "3", "0"}));
    EXPECT_TRUE(f->RadioPM()->isChecked());
    EXPECT_EQ(f->NameLabel(ScheduleListBox::FieldSlot)->text(), QStringLiteral("Memorial Park"));
    EXPECT_EQ(f->NameLabel(ScheduleListBox::Umpire1Slot)->text(), QStringLiteral("Ann Umpire"));
    EXPECT_EQ(f->focusWidget(), f->Edit(GameFormView::EditYr));
    EXPECT_TRUE(f->ButtonWidget(GameForm::OkButton)->isDefault());
    EXPECT_TRUE(f->ButtonWidget(GameForm::MakeButton)->isEnabled());

    // Every accelerator of the window is its own.
    QString keys;
    for (QPushButton* b : f->findChildren<QPushButton*>()) {
      const qsizetype amp = b->text().indexOf(QLatin1Char('&'));
      if (amp >= 0) keys += b->text().at(amp + 1).toLower();
    }
    EXPECT_EQ(keys.size(), 13);
    for (QChar k : keys) EXPECT_EQ(keys.count(k), 1) << QString(k).toStdString();

    const QString shots = qEnvironmentVariable("SCV_SCREENSHOT_DIR");
    if (!shots.isEmpty()) f->grab().save(QDir(shots).filePath(QStringLiteral("game.png")));

    // Help shows the Update topic and leaves the window with OK focused.
    f->ButtonWidget(GameForm::HelpButton)->click();
    EXPECT_TRUE(app->help.isVisible());
    EXPECT_EQ(app->help.CurrentTopic(), QStringLiteral("Update_Button"));
    app->help.close();
    f->activateWindow();
    EXPECT_EQ(f->focusWidget(), f->ButtonWidget(GameForm::OkButton));

    // A click on the home team's name picks from the teams; Alt+2 picks the
    // second umpire; Clear empties the first.
    PickInList(QStringLiteral("Cubs"));
    ClickLabel(f->NameLabel(ScheduleListBox::HomeSlot));
    EXPECT_EQ(f->NoLabel(ScheduleListBox::HomeSlot)->text(), QStringLiteral("3"));
    EXPECT_EQ(f->NameLabel(ScheduleListBox::HomeSlot)->text(), QStringLiteral("Cubs"));
    PickInList(QStringLiteral("Bob"));
    f->activateWindow();  // the offscreen platform does not give it back when a dialog closes
    Pump(10);
    Key(f, Qt::Key_2, Qt::AltModifier);
    Pump(300);  // an accelerator clicks its button after a short animation
    EXPECT_EQ(f->NameLabel(ScheduleListBox::Umpire2Slot)->text(), QStringLiteral("Bob Umpire"));
    f->ClearButton(ScheduleListBox::Umpire1Slot)->click();
    EXPECT_TRUE(f->NameLabel(ScheduleListBox::Umpire1Slot)->text().isEmpty());

    // A wrong hour keeps the window open; put right, Enter is OK.
    f->Edit(GameFormView::EditHr)->setText(QStringLiteral("13"));
    WhenModal<QMessageBox>([](QMessageBox* box) {
      EXPECT_EQ(box->text(), QStringLiteral("Enter Correct Date and Time"));
      box->accept();
    });
    f->ButtonWidget(GameForm::OkButton)->click();
    EXPECT_TRUE(f->isVisible());
    f->Edit(GameFormView::EditHr)->setText(QStringLiteral("7"));
    f->RadioAM()->setChecked(true);
    f->Edit(GameFormView::EditYr)->setFocus();
    Key(f->Edit(GameFormView::EditYr), Qt::Key_Return);
  });
  app->window.Button(Command::Update)->click();
  EXPECT_FALSE(app->game.isVisible());
  EXPECT_EQ(Games().at(1), "|20240507|0730|1|3|2||2|||3|0|");
  EXPECT_EQ(app->window.Table()->model()->index(0, 5).data().toString(), QStringLiteral(" 7:30 a"));
  EXPECT_EQ(app->store.CurrentTeam.Name, "Aces");

  // Esc leaves everything as it was.
  WhenModal<GameForm>([](GameForm* f) {
    f->Edit(GameFormView::EditYr)->setText(QStringLiteral("1999"));
    Key(f, Qt::Key_Escape);
  });
  app->window.Button(Command::Update)->click();
  EXPECT_EQ(Games().at(1), "|20240507|0730|1|3|2||2|||3|0|");
}

TEST_F(GameWindowTest, DoubleClickOpensItForAddAndDeleteAll) {
  QTableView* table = app->window.Table();
  auto doubleClickRow = [&](int row) {
    const QModelIndex index = table->model()->index(row, 1);
    table->setCurrentIndex(index);
    Q_EMIT table->doubleClicked(index);
  };

  WhenModal<GameForm>([](GameForm* f) {
    EXPECT_EQ(f->Edit(GameFormView::EditHr)->text() + f->Edit(GameFormView::EditMn)->text(),
              QStringLiteral("1215"));
    EXPECT_TRUE(f->RadioAM()->isChecked());
    f->Edit(GameFormView::EditDa)->setText(QStringLiteral("9"));
    f->ButtonWidget(GameForm::AddButton)->click();
  });
  doubleClickRow(1);
  EXPECT_EQ(Games(), (List{"G|", "|20240507|1830|1|1|2|1||||3|0|", "|20240508|0015|2|2|3|||||||",
                           "|20240509|0015|2|2|3|||||||"}));
  EXPECT_EQ(table->currentIndex().row(), 2);

  WhenModal<GameForm>([](GameForm* f) {
    WhenModal<QMessageBox>([](QMessageBox* box) {
      EXPECT_EQ(box->text(), QStringLiteral("Delete this game from schedule?"));
      WhenModal<QMessageBox>([](QMessageBox* all) {
        EXPECT_EQ(all->text(), QStringLiteral("Delete all games from schedule?"));
        all->button(QMessageBox::Yes)->click();
      });
      box->button(QMessageBox::YesToAll)->click();
    });
    f->ButtonWidget(GameForm::DeleteButton)->click();
  });
  doubleClickRow(0);
  EXPECT_EQ(Games(), List{"G|"});
  app->store.SaveAll();
  EXPECT_EQ(test::ReadFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1.Games"))), QByteArray("G|\r\n"));
}

}  // namespace
}  // namespace scv
