// The dialogs on their own: captions, results, limits, sizing, focus order.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QThread>

#include "store/Records.h"
#include "ui/EntryForms.h"
#include "ui/HelpWindow.h"
#include "ui/ListForm.h"
#include "ui/MsgForm.h"
#include "ui/QtMessages.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Type;
using test::WhenModal;

class RecordingHelp : public HelpView {
 public:
  void OpenHelp(const QString& topic) override { topics.append(topic); }
  QStringList topics;
};

void PressTab(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

TEST(ListFormTest, ButtonsCloseWithTheirResults) {
  QWidget main;
  main.resize(556, 365);
  ListForm form(&main);
  form.SetItems({" 1  One", " 2  Two"});
  struct Case {
    ListView::Button button;
    const char* caption;
    int result;
  };
  const Case cases[] = {{ListView::NoteButton, "&Notes", PickNotes},   {ListView::DeleteButton, "&Delete", PickDelete},
                        {ListView::UndeleteButton, "&Undelete", PickUndelete}, {ListView::OkButton, "&OK", PickOk},
                        {ListView::NewButton, "Ne&w", PickNew},        {ListView::EditButton, "&Edit", PickEdit},
                        {ListView::CancelButton, "&Cancel", PickCancel}};
  for (const Case& c : cases) {
    EXPECT_EQ(form.ButtonWidget(c.button)->text(), QString::fromLatin1(c.caption));
    WhenModal<ListForm>([&](ListForm* f) { f->ButtonWidget(c.button)->click(); });
    EXPECT_EQ(form.Exec(), c.result) << c.caption;
  }
  // Esc and the close box count as Cancel; a double click as OK.
  WhenModal<ListForm>([](ListForm* f) { f->reject(); });
  EXPECT_EQ(form.Exec(), PickCancel);
  WhenModal<ListForm>([](ListForm* f) {
    QListWidget* list = f->ListBox();
    Q_EMIT list->itemDoubleClicked(list->item(1));
  });
  EXPECT_EQ(form.Exec(), PickOk);

  // Help stays in the dialog and calls the presenter.
  int helpCalls = 0;
  form.SetHelpHandler([&] { ++helpCalls; });
  EXPECT_EQ(form.ButtonWidget(ListView::HelpButton)->text(), QStringLiteral("&Help"));
  WhenModal<ListForm>([](ListForm* f) {
    f->ButtonWidget(ListView::HelpButton)->click();
    EXPECT_TRUE(f->isVisible());
    f->ButtonWidget(ListView::OkButton)->click();
  });
  EXPECT_EQ(form.Exec(), PickOk);
  EXPECT_EQ(helpCalls, 1);
}

TEST(ListFormTest, ShowsLinesInTheGivenOrderAndSizesToThem) {
  QWidget main;
  main.setGeometry(100, 80, 556, 365);
  ListForm form(&main);
  // The presenter's order stands, even where plain sorting would differ.
  std::string accented = "    2  Caf\xE9";
  form.SetItems({"   10  b", "    2  A", accented});
  ASSERT_EQ(form.ListBox()->count(), 3);
  EXPECT_EQ(form.ListBox()->item(0)->text(), QStringLiteral("   10  b"));
  EXPECT_EQ(form.ListBox()->item(2)->text(), QStringLiteral("    2  Caf\u00e9"));
  form.SetCurrentItem(2);
  EXPECT_EQ(form.CurrentItem(), 2);
  form.SetButtonEnabled(ListView::UndeleteButton, false);
  EXPECT_FALSE(form.ButtonWidget(ListView::UndeleteButton)->isEnabled());

  int frame = 0;
  WhenModal<ListForm>([&](ListForm* f) {
    QListWidget* list = f->ListBox();
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), ListForm::kItemHeight);
    frame = f->height() - list->height();
    EXPECT_EQ(f->height(), (3 + 2) * ListForm::kItemHeight + frame);
    EXPECT_GE(f->width(), ListForm::kDesignedWidth);
    // Centred vertically on the main window.
    EXPECT_LE(std::abs(f->geometry().center().y() - main.geometry().center().y()), 1);
    EXPECT_EQ(f->focusWidget(), list);
    f->ButtonWidget(ListView::OkButton)->click();
  });
  form.Exec();

  // A long list stops at the main window's client height.
  std::vector<std::string> many;
  for (int i = 0; i < 60; ++i) many.push_back(" " + std::to_string(i));
  form.SetItems(many);
  WhenModal<ListForm>([&](ListForm* f) {
    EXPECT_EQ(f->height(), main.height());
    f->ButtonWidget(ListView::CancelButton)->click();
  });
  form.Exec();
}

TEST(NameFormTest, EditsLimitsAndResult) {
  NameForm form(nullptr);
  EXPECT_EQ(form.EditNo()->maxLength(), 5);
  EXPECT_EQ(form.EditName()->maxLength(), 40);
  form.SetCaption(QStringLiteral("Add New Baseball Team"));
  form.SetNo("");
  form.SetName("");
  form.FocusNo();
  WhenModal<NameForm>([](NameForm* f) {
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Add New Baseball Team"));
    EXPECT_EQ(f->focusWidget(), f->EditNo());
    Type(f->EditNo(), QStringLiteral("1234567"));
    // What the code page lacks is refused as typed or pasted, with a hint.
    Type(f->EditName(), QStringLiteral("Les \u00c9toiles \u0141"));
    EXPECT_EQ(f->EditName()->text(), QStringLiteral("Les \u00c9toiles "));
    auto* hint = f->findChild<QLabel*>(QStringLiteral("CodePageHint"));
    ASSERT_NE(hint, nullptr);
    test::Pump(20);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("Cannot be stored: \u0141"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Nguy\u1ec5n \u4e2d\u4e2d"));
    f->EditName()->paste();
    EXPECT_EQ(f->EditName()->text(), QStringLiteral("Les \u00c9toiles "));
    EXPECT_EQ(hint->text(), QStringLiteral("Cannot be stored: \u1ec5 \u4e2d"));
    Type(f->EditName(), QStringLiteral("\u20ac"));  // the euro sign is in the code page
    EXPECT_FALSE(hint->isVisible());
    f->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
  });
  EXPECT_TRUE(form.Exec());
  EXPECT_EQ(form.No(), "12345");
  EXPECT_EQ(form.Name(), "Les \xC9toiles \x80");

  form.SetName("Caf\xE9");
  EXPECT_EQ(form.EditName()->text(), QStringLiteral("Caf\u00e9"));
  WhenModal<NameForm>([](NameForm* f) { f->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click(); });
  EXPECT_FALSE(form.Exec());
  WhenModal<NameForm>([](NameForm* f) { f->reject(); });
  EXPECT_FALSE(form.Exec());
}

TEST(TeamFormTest, ItemsEditsAndHelp) {
  RecordingHelp help;
  TeamForm form(nullptr, help);
  const char* items[] = {"Did Not Play", "Won", "Lost", "Tied"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(form.Radio(TeamFormView::Item(i))->text(), QString::fromLatin1(items[i]));
  for (QLineEdit* e : {form.EditWon(), form.EditLost(), form.EditTied()}) EXPECT_EQ(e->maxLength(), 4);

  // A stored four-digit count shows whole.
  form.SetWon("1000");
  EXPECT_EQ(form.WonText(), "1000");
  form.SetWon("12");
  form.SetLost("");
  form.SetTied("1");
  form.SetItem(TeamFormView::DidNotPlay);
  form.FocusRadioGroup();
  WhenModal<TeamForm>([](TeamForm* f) {
    EXPECT_EQ(f->focusWidget(), f->Radio(TeamFormView::DidNotPlay));
    f->findChild<QPushButton*>(QStringLiteral("HelpButton"))->click();
    EXPECT_EQ(f->focusWidget(), f->OkButton());
    f->Radio(TeamFormView::Lost)->click();
    f->EditWon()->selectAll();
    Type(f->EditWon(), QStringLiteral("99999"));
    f->OkButton()->click();
  });
  EXPECT_TRUE(form.Exec());
  EXPECT_EQ(help.topics, QStringList{QStringLiteral("Update_Button")});
  EXPECT_EQ(form.SelectedItem(), TeamFormView::Lost);
  EXPECT_EQ(form.WonText(), "9999");
  EXPECT_EQ(form.TiedText(), "1");

  WhenModal<TeamForm>([](TeamForm* f) { f->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click(); });
  EXPECT_FALSE(form.Exec());
}

TEST(PlayerFormTest, EditsNamesLimitsAndTabOrder) {
  RecordingHelp help;
  PlayerForm form(nullptr, help);
  for (int f = 0; f < Fig::Count; ++f) {
    const QString abbrev = QString::fromLatin1(FigureAbbrev[static_cast<size_t>(f)]);
    QLineEdit* total = form.TotalEdit(f);
    ASSERT_NE(total, nullptr) << f;
    EXPECT_EQ(total->objectName(), QStringLiteral("Edit") + abbrev);
    const int expectedLength = f == Fig::IP3 ? 1 : 4;
    EXPECT_EQ(total->maxLength(), expectedLength) << abbrev.toStdString();
    if (f == Fig::BO || f == Fig::Pos) {
      EXPECT_EQ(form.AddEdit(f), nullptr);
    } else {
      ASSERT_NE(form.AddEdit(f), nullptr);
      EXPECT_EQ(form.AddEdit(f)->objectName(), QStringLiteral("Add") + abbrev);
      EXPECT_EQ(form.AddEdit(f)->maxLength(), expectedLength);
    }
  }
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(form.UserEdit(i)->objectName(), QStringLiteral("User%1").arg(i));
    EXPECT_EQ(form.UserEdit(i)->maxLength(), 8);
  }
  const char* captions[] = {"  Add   Total   Offense", "  Add   Total   Pitching", "  Add   Total   Defense",
                            "  Add   Total   Col Header"};
  QStringList titles;
  for (QGroupBox* box : form.findChildren<QGroupBox*>()) titles << box->title();
  for (const char* c : captions) EXPECT_TRUE(titles.contains(QString::fromLatin1(c))) << c;
  QStringList labels;
  for (QLabel* label : form.findChildren<QLabel*>()) labels << label->text();
  for (const char* l : {"PA: Plate App. (All)", "Thirds of an IP (0-2)", "ERR: Errors", "BO: Batting Order",
                        "Pos: Field Position", "RPO: Rn Picked Off"})
    EXPECT_TRUE(labels.contains(QString::fromLatin1(l))) << l;

  // Tab goes down the Add edits of a group, then down its Total edits; the
  // groups follow one another, then the buttons.
  const std::vector<std::vector<int>> groups = {
      {Fig::PA, Fig::Single, Fig::Double, Fig::Triple, Fig::HR, Fig::BB, Fig::HP, Fig::WCI, Fig::SBnt, Fig::SFly,
       Fig::RBI, Fig::SO, Fig::RS, Fig::SB, Fig::CS, Fig::PkO, Fig::G},
      {Fig::GP, Fig::IP, Fig::IP3, Fig::ST, Fig::BT, Fig::WP, Fig::Bks, Fig::HA, Fig::WA, Fig::BH, Fig::BSO, Fig::RPO,
       Fig::RA, Fig::ER, Fig::Won, Fig::Lost, Fig::Sv},
      {Fig::Inn, Fig::PB, Fig::PO, Fig::A, Fig::Err},
      {Fig::C1, Fig::C2, Fig::C3, Fig::C4}};
  QStringList expected;
  for (const auto& g : groups) {
    for (int f : g) expected << form.AddEdit(f)->objectName();
    for (int f : g) expected << form.TotalEdit(f)->objectName();
  }
  for (int i = 1; i <= 4; ++i) expected << QStringLiteral("User%1").arg(i);
  expected << QStringLiteral("EditBO") << QStringLiteral("EditPos") << QStringLiteral("OkButton")
           << QStringLiteral("HelpButton") << QStringLiteral("CancelButton");

  form.FocusFirstAdd();
  WhenModal<PlayerForm>([&](PlayerForm* f) {
    QStringList order;
    for (int i = 0; i < expected.size(); ++i) {
      QWidget* focus = f->focusWidget();
      order << (focus ? focus->objectName() : QStringLiteral("(none)"));
      PressTab(focus ? focus : f);
    }
    EXPECT_EQ(order, expected);
    f->reject();
  });
  EXPECT_FALSE(form.Exec());

  // Typing keeps to the limits; the thirds take one character.
  form.SetAdd(Fig::IP3, "");
  form.SetTotal(Fig::Single, "12");
  WhenModal<PlayerForm>([](PlayerForm* f) {
    Type(f->AddEdit(Fig::IP3), QStringLiteral("25"));
    Type(f->AddEdit(Fig::Single), QStringLiteral("123456"));
    f->findChild<QPushButton*>(QStringLiteral("HelpButton"))->click();
    EXPECT_EQ(f->focusWidget(), f->OkButton());
    f->OkButton()->click();
  });
  EXPECT_TRUE(form.Exec());
  EXPECT_EQ(form.AddText(Fig::IP3), "2");
  EXPECT_EQ(form.AddText(Fig::Single), "1234");
  EXPECT_EQ(form.TotalText(Fig::Single), "12");
  EXPECT_EQ(form.AddText(Fig::BO), "");
  EXPECT_EQ(help.topics, QStringList{QStringLiteral("Update_Button")});
}

TEST(HelpWindowTest, EveryTopicHasItsPlace) {
  HelpWindow help(nullptr);
  const char* topics[] = {"Contents",      "Update_Button", "Sort_Button",   "Player_Statistics", "Notes_Button",
                          "Note_Window",   "Print_Button",  "File_Button",   "Undelete",          "Year_Button",
                          "League_Button", "Team_Button",   "Player_Button", "Field_Button",      "Umpire_Button"};
  for (const char* topic : topics) {
    const QString name = QString::fromLatin1(topic);
    ASSERT_FALSE(help.PageOf(name).isEmpty()) << topic;
    help.OpenHelp(name);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.Browser()->source().fragment(), name);
    EXPECT_FALSE(help.Browser()->toPlainText().trimmed().isEmpty()) << topic;
  }
  // The browser really finds the anchor: the team topic is further down its
  // page than the year topic.
  help.resize(400, 200);
  help.OpenHelp(QStringLiteral("Year_Button"));
  test::Pump(30);
  const int yearPos = help.Browser()->verticalScrollBar()->value();
  help.OpenHelp(QStringLiteral("Umpire_Button"));
  test::Pump(30);
  EXPECT_GT(help.Browser()->verticalScrollBar()->value(), yearPos);

  help.OpenHelp(QStringLiteral("No_Such_Topic"));
  EXPECT_EQ(help.CurrentTopic(), QStringLiteral("Contents"));
  help.close();
}

TEST(QtMessagesTest, BoxesHaveTheProgramsTitleTextsAndButtons) {
  QtMessages messages;
  auto click = [](QMessageBox::StandardButton which, const QString& text, QStringList expectedButtons) {
    WhenModal<QMessageBox>([=](QMessageBox* box) {
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Scorvane"));
      EXPECT_EQ(box->text(), text);
      QStringList buttons;
      for (QAbstractButton* b : box->buttons()) buttons << b->text();
      buttons.sort();
      QStringList wanted = expectedButtons;
      wanted.sort();
      EXPECT_EQ(buttons, wanted);
      box->button(which)->click();
    });
  };
  const QString yes = QStringLiteral("&Yes"), no = QStringLiteral("&No");
  click(QMessageBox::Yes, QStringLiteral("Delete Team: 1 Aces"), {yes, no});
  EXPECT_TRUE(messages.Confirm(QStringLiteral("Delete Team: 1 Aces")));
  click(QMessageBox::No, QStringLiteral("Sure?"), {yes, no});
  EXPECT_FALSE(messages.Confirm(QStringLiteral("Sure?")));

  click(QMessageBox::YesToAll, QStringLiteral("Replace?"), {yes, no, QStringLiteral("&All")});
  EXPECT_EQ(messages.ConfirmYesNoAll(QStringLiteral("Replace?")), Messages::Answer::All);
  click(QMessageBox::No, QStringLiteral("Replace?"), {yes, no, QStringLiteral("&All")});
  EXPECT_EQ(messages.ConfirmYesNoAll(QStringLiteral("Replace?")), Messages::Answer::No);

  const QString cancel = QMessageBox(QMessageBox::Question, {}, {}, QMessageBox::Cancel).button(QMessageBox::Cancel)->text();
  click(QMessageBox::Cancel, QStringLiteral("Save?"), {yes, no, cancel});
  EXPECT_EQ(messages.ConfirmYesNoCancel(QStringLiteral("Save?")), Messages::Answer::Cancel);
  click(QMessageBox::Yes, QStringLiteral("Save?"), {yes, no, cancel});
  EXPECT_EQ(messages.ConfirmYesNoCancel(QStringLiteral("Save?")), Messages::Answer::Yes);

  const QString ok = QMessageBox(QMessageBox::Critical, {}, {}, QMessageBox::Ok).button(QMessageBox::Ok)->text();
  click(QMessageBox::Ok, QStringLiteral("Cannot read X"), {ok});
  messages.Error(QStringLiteral("Cannot read X"));
  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    box->button(QMessageBox::Ok)->click();
  });
  messages.Information(QStringLiteral("Done"));
}

TEST(MsgFormTest, ShowsOnlyForLongBuilds) {
  QWidget main;
  MsgForm progress(&main);
  progress.Start("Reading Data...");
  progress.SetMax(50);
  for (int i = 0; i < 50; ++i) progress.Step();
  EXPECT_FALSE(progress.isVisible());
  progress.Finish();

  progress.Start("Reading Data...");
  progress.SetMax(MsgForm::kShowAtSteps + 1);
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Reading Data..."));
  for (int i = 0; i < 1000; ++i) progress.Step();
  EXPECT_EQ(progress.Gauge()->value(), 1000);
  progress.Finish();
  EXPECT_FALSE(progress.isVisible());

  // A slow build of few steps shows once it has taken a while.
  progress.Start("Reading Data...");
  progress.SetMax(500);
  for (int i = 0; i < 500 && !progress.Shown(); ++i) {
    if (i % 32 == 0) QThread::msleep(40);
    progress.Step();
  }
  EXPECT_TRUE(progress.Shown());
  progress.Finish();
  EXPECT_FALSE(progress.isVisible());
}

}  // namespace
}  // namespace scv
