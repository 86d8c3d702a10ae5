// The display setup in the window: the three setup dialogs driven through
// their widgets and keys, sorting by a header click, and the Font command.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFontDialog>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "store/Text.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::WhenModal;

using test::Shot;

class SetupWindowTest : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  std::unique_ptr<AppWindows> app;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    test::WriteLeague(tmp.path());
    test::WriteFile(
        QDir(tmp.path()).filePath(QStringLiteral("Y1L1.Games")),
        "G|\r\n|20240507|1830||1|2||||||\r\n|20240508|1830||3|1||||||\r\n|20240509|1830||2|3||||||\r\n");
    Start();
  }
  void Start() {
    app = std::make_unique<AppWindows>(tmp.path());
    app->Show();
    app->window.activateWindow();
    Pump(20);
  }
  void ShowTab(int tab) {
    app->window.BottomTab()->setCurrentIndex(tab);
    Pump(10);
  }
  const LeagueRecord& League() const { return app->store.CurrentLeague; }
  QHeaderView* Header() const { return app->window.Table()->horizontalHeader(); }
  QAbstractItemModel* Model() const { return app->window.Table()->model(); }
  int ColumnOf(const QString& header) const {
    for (int c = 1; c < Model()->columnCount(); ++c)
      if (Model()->headerData(c, Qt::Horizontal).toString() == header) return c;
    return -1;
  }
  QStringList Column(int col) const {
    QStringList cells;
    for (int r = 0; r < Model()->rowCount(); ++r) cells << Model()->index(r, col).data().toString();
    return cells;
  }
  void ClickHeader(int col) {
    QWidget* viewport = Header()->viewport();
    const QPoint at(Header()->sectionViewportPosition(col) + 4, Header()->height() / 2);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(viewport, &event);
    }
    Pump(10);
  }
};

TEST_F(SetupWindowTest, SetupDialogsChooseColumnsSortAndFilterByKeyboardAndMouse) {
  // Teams: a column off and 7 innings typed, Enter is OK.
  WhenModal<SetupForm>([](SetupForm* f) {
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Metro League"));
    EXPECT_EQ(f->SpinInning()->value(), 9);
    EXPECT_EQ(f->SpinInning()->toolTip(), QStringLiteral("Number of Innings Played in a Complete Game"));
    EXPECT_TRUE(f->OkButton()->isDefault());
    f->CheckBox(2)->click();
    f->SpinInning()->setFocus();
    f->SpinInning()->selectAll();
    test::Type(f->SpinInning(), QStringLiteral("7"));
    Key(f->SpinInning(), Qt::Key_Return);
  });
  app->window.Button(Command::Setup)->click();
  EXPECT_EQ(League().Innings, "7");
  EXPECT_EQ(League().StandingsItems, "* ******");
  EXPECT_EQ(ColumnOf(QStringLiteral(" Team#")), -1);

  // Players: Player Name off, sorted by name descending; the dialog opens
  // next time on the page shown last, and Esc changes nothing.
  ShowTab(PlayersTab);
  WhenModal<PlayerSortForm>([](PlayerSortForm* f) {
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Choose Items to Display and Sort Sequence for Players Page"));
    EXPECT_EQ(f->TopTab()->tabText(1), QStringLiteral(" Sort"));
    EXPECT_EQ(f->CheckBox(13)->text(), QStringLiteral("Plate Appearences (PA) "));
    EXPECT_EQ(f->focusWidget(), f->CheckBox(1));
    f->CheckBox(3)->click();
    f->TopTab()->setCurrentIndex(1);
    EXPECT_TRUE(f->SortRadio(1)->isChecked());
    f->SortRadio(2)->click();
    f->RadioDescending()->click();
    f->OkButton()->click();
  });
  app->window.Button(Command::Setup)->click();
  EXPECT_EQ(ColumnOf(QStringLiteral(" Player Name")), -1);
  EXPECT_EQ(Column(ColumnOf(QStringLiteral(" No"))), (QStringList{" 12", " 7", " ***"}));
  const std::string league = app->store.Leagues.at(1);
  WhenModal<PlayerSortForm>([](PlayerSortForm* f) {
    EXPECT_EQ(f->TopTab()->currentIndex(), 1);
    EXPECT_EQ(f->focusWidget(), f->SortRadio(2));
    f->SortRadio(5)->click();
    Key(f, Qt::Key_Escape);
  });
  app->window.Button(Command::Setup)->click();
  EXPECT_EQ(app->store.Leagues.at(1), league);

  // Schedule: one team picked through the pick list.
  ShowTab(ScheduleTab);
  ASSERT_EQ(Column(ColumnOf(QStringLiteral(" Home"))).size(), 3);
  WhenModal<ScheduleSortForm>([](ScheduleSortForm* f) {
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Setup Schedule"));
    EXPECT_EQ(f->TFilter()->text(), QStringLiteral("All Teams"));
    EXPECT_TRUE(f->UFilter()->font().bold());
    EXPECT_EQ(f->UFilter()->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    EXPECT_TRUE(f->SortRadio(1)->isChecked());
    WhenModal<ListForm>([](ListForm* list) {
      for (int r = 0; r < list->ListBox()->count(); ++r)
        if (list->ListBox()->item(r)->text().contains(QStringLiteral("Cubs")))
          list->ListBox()->setCurrentRow(r);
      list->ButtonWidget(ListView::OkButton)->click();
    });
    f->TeamButton()->click();
    EXPECT_EQ(f->TFilter()->text(), QStringLiteral("Cubs"));
    EXPECT_EQ(f->focusWidget(), f->OkButton());
    f->SortRadio(3)->click();
    f->CheckBox(8)->click();
    f->OkButton()->click();
  });
  app->window.Button(Command::Setup)->click();
  EXPECT_EQ(Column(ColumnOf(QStringLiteral(" Home"))), (QStringList{" 2", " 3"}));
  EXPECT_NE(ColumnOf(QStringLiteral(" Home Team")), -1);
  EXPECT_EQ(app->store.CurrentTeam.Name, "Aces");
}

TEST_F(SetupWindowTest, HeaderClicksSortAndHeadersNameTheirColumns) {
  ShowTab(PlayersTab);
  const int pa = ColumnOf(QStringLiteral(" PA"));
  ASSERT_GT(pa, 0);
  EXPECT_EQ(Model()->headerData(pa, Qt::Horizontal, Qt::ToolTipRole).toString(),
            QStringLiteral("Plate Appearences (PA)"));
  ClickHeader(pa);
  EXPECT_EQ(static_cast<unsigned char>(League().SortKeys[0]), 128 + 12);
  EXPECT_EQ(Column(pa), (QStringList{" 8", " 12", " 20"}));
  EXPECT_EQ(Header()->sortIndicatorSection(), pa);
  ClickHeader(pa);
  EXPECT_EQ(League().SortDown[0], '1');
  EXPECT_EQ(Column(pa), (QStringList{" 12", " 8", " 20"}));
  EXPECT_EQ(Header()->sortIndicatorOrder(), Qt::DescendingOrder);
  Shot(&app->window, "main-sorted");
}

TEST_F(SetupWindowTest, FontChosenSetsTheRowHeightAndComesBackAfterARestart) {
  // OK without a change keeps the grid's font as it is shown.
  const QFontInfo designed(app->window.Table()->font());
  WhenModal<QFontDialog>([](QFontDialog* f) { f->accept(); });
  app->window.Button(Command::Font)->click();
  EXPECT_EQ(League().FontName, Encode(designed.family()));
  EXPECT_EQ(League().FontBold + "/" + League().FontItalic, "1/");

  WhenModal<QFontDialog>([](QFontDialog* f) {
    QFont font(QStringLiteral("DejaVu Serif"), 14);
    font.setStyleName(QStringLiteral("Book"));
    f->setCurrentFont(font);
    f->accept();
  });
  app->window.Button(Command::Font)->click();
  EXPECT_EQ(League().FontName, "DejaVu Serif");
  EXPECT_EQ(League().FontSize, "14");
  EXPECT_EQ(League().FontBold, "");
  EXPECT_EQ(League().FontColor, "");
  QTableView* table = app->window.Table();
  EXPECT_EQ(table->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(table->verticalHeader()->defaultSectionSize(), QFontMetrics(table->font()).height() + 4);
  const int rowHeight = table->verticalHeader()->defaultSectionSize();
  Shot(&app->window, "main-font");

  app->window.close();
  app.reset();
  Start();
  table = app->window.Table();
  EXPECT_EQ(table->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(table->font().pointSize(), 14);
  EXPECT_FALSE(table->font().bold());
  EXPECT_FALSE(table->font().italic());
  EXPECT_EQ(table->verticalHeader()->defaultSectionSize(), rowHeight);

  // Without a league there is nothing to set up.
  QTemporaryDir empty;
  AppWindows none(empty.path());
  none.Show();
  Pump(10);
  EXPECT_FALSE(none.window.Button(Command::Setup)->isEnabled());
  EXPECT_FALSE(none.window.Button(Command::Font)->isEnabled());
  EXPECT_TRUE(app->window.Button(Command::Setup)->isEnabled());
  EXPECT_TRUE(app->window.Button(Command::Font)->isEnabled());
}

}  // namespace
}  // namespace scv
