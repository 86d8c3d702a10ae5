#include "schedule/GameForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>

#include "dialogs/PickList.h"
#include "schedule/BoxDateTime.h"
#include "schedule/ScheduleListBox.h"
#include "support/FakeViews.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;
using Box = GameFormView::Box;
using Slot = ScheduleListBox::Slot;

// The game window: each Exec runs the next scripted step, which types and
// clicks through the presenter as the user would. A step that does not
// close the window leaves it as by Esc.
class FakeGameFormView : public GameFormView {
 public:
  std::deque<std::function<void(FakeGameFormView&)>> script;
  std::string caption;
  std::array<std::string, BoxCount> text;
  bool pm = false;
  std::array<std::pair<std::string, std::string>, ScheduleListBox::SlotCount> rows;
  bool makeEnabled = true;
  int focusYear = 0, focusOk = 0, execs = 0;
  std::optional<GameResult> closed;

  std::string& operator[](Box box) { return text[static_cast<size_t>(box)]; }
  const std::string& Name(int slot) const { return rows.at(static_cast<size_t>(slot)).second; }

  void SetCaption(const std::string& c) override { caption = c; }
  void SetText(Box box, const std::string& t) override { text.at(static_cast<size_t>(box)) = t; }
  std::string Text(Box box) const override { return text.at(static_cast<size_t>(box)); }
  void SetPm(bool p) override { pm = p; }
  bool Pm() const override { return pm; }
  void SetRow(int slot, const std::string& no, const std::string& name) override {
    rows.at(static_cast<size_t>(slot)) = {no, name};
  }
  void SetMakeEnabled(bool e) override { makeEnabled = e; }
  void FocusYear() override { ++focusYear; }
  void FocusOk() override { ++focusOk; }
  GameResult Exec() override {
    ++execs;
    closed.reset();
    if (!script.empty()) {
      auto step = std::move(script.front());
      script.pop_front();
      step(*this);
    }
    return closed.value_or(GameResult::Cancel);
  }
  void Close(GameResult result) override {
    if (!closed) closed = result;
  }
};

std::string Game(const std::string& date, const std::string& time, const std::string& field,
                 const std::string& home, const std::string& away, const Strings& umpires = {},
                 const std::string& hts = "", const std::string& ats = "") {
  Strings fields = {"", date, time, field, home, away};
  for (size_t k = 0; k < 4; ++k) fields.push_back(k < umpires.size() ? umpires[k] : "");
  fields.push_back(hts);
  fields.push_back(ats);
  return Line(fields);
}

class GameFormTest : public TableTest {
 protected:
  FakeGameFormView view;
  FakeListView list;
  FakeNameView name;
  FakeMessages messages;
  FakeHelpView help;
  std::unique_ptr<PickList> pickList;
  std::unique_ptr<ScheduleListBox> picker;
  std::unique_ptr<GameFormPresenter> form;

  // Teams: 1 Aces (the league's current team), 2 Bears, 3 Cubs. Fields: 1
  // Memorial Park, 2 Riverside. Umpires: 1 Ann, 2 Bob.
  void Start(const Strings& games, const std::string& curGame = "1") {
    WriteLeague({.curGame = curGame, .scheduleItems = "********************"});
    WriteTeams({"|1|Aces|||||", "|2|Bears|||||", "|3|Cubs|||||"});
    data.Write("Y1L1.Fields", {"F|", "|1|Memorial Park|", "|2|Riverside|"});
    data.Write("Y1L1.Umpires", {"U|", "|1|Ann|", "|2|Bob|"});
    Strings lines = {"G|"};
    lines.insert(lines.end(), games.begin(), games.end());
    data.Write("Y1L1.Games", lines);
    Open();
    Show(ScheduleTab);
    pickList = std::make_unique<PickList>(list, name, messages, help);
    picker = std::make_unique<ScheduleListBox>(*store, *pickList);
    form = std::make_unique<GameFormPresenter>(*store, *tables, *picker, view, messages, help);
  }
  // One showing of the window: act types and clicks.
  void Then(std::function<void(FakeGameFormView&)> act) { view.script.push_back(std::move(act)); }
};

TEST(BoxDateTimeTest, ReadsTheBoxesAndFillsThemBack) {
  // Dates: blanks around digits are fine, short years fall in the century.
  EXPECT_EQ(ReadBoxDate("2024", "5", "7", 2026), QDate(2024, 5, 7));
  EXPECT_EQ(ReadBoxDate(" 24", "05 ", "07", 2026), QDate(2024, 5, 7));
  EXPECT_EQ(ReadBoxDate("9", "12", "31", 2150), QDate(2109, 12, 31));
  EXPECT_EQ(ReadBoxDate("2024", "2", "29", 2026), QDate(2024, 2, 29));
  for (const Strings& bad :
       {Strings{"", "5", "7"}, Strings{"2023", "2", "29"}, Strings{"1900", "2", "29"},
        Strings{"2024", "13", "1"}, Strings{"2024", "0", "1"}, Strings{"20x4", "5", "7"},
        Strings{"2024", "-5", "7"}, Strings{"2024", "1 2", "7"}, Strings{"0000", "1", "1"}})
    EXPECT_FALSE(ReadBoxDate(bad[0], bad[1], bad[2], 2026)) << bad[0] << "/" << bad[1] << "/" << bad[2];

  // Times on the 12-hour clock.
  EXPECT_EQ(ReadBoxTime("12", "0", false), QTime(0, 0));
  EXPECT_EQ(ReadBoxTime("12", "15", true), QTime(12, 15));
  EXPECT_EQ(ReadBoxTime(" 6", "30", true), QTime(18, 30));
  EXPECT_EQ(ReadBoxTime("11", "59", false), QTime(11, 59));
  for (const Strings& bad : {Strings{"13", "0"}, Strings{"0", "0"}, Strings{"", "30"}, Strings{"6", ""},
                             Strings{"6", "60"}, Strings{"6a", "0"}})
    EXPECT_FALSE(ReadBoxTime(bad[0], bad[1], true)) << bad[0] << ":" << bad[1];

  EXPECT_EQ(StoredDate(QDate(2024, 5, 7)), "20240507");
  EXPECT_EQ(StoredTime(QTime(0, 15)), "0015");
  const DateBoxes date = ToDateBoxes(QDate(2024, 5, 7));
  EXPECT_EQ(date.year + "/" + date.month + "/" + date.day, "2024/5/7");
  for (const auto& [t, hour, minute, pm] :
       {std::tuple{QTime(18, 30), "06", "30", true}, std::tuple{QTime(0, 15), "12", "15", false},
        std::tuple{QTime(12, 0), "12", "00", true}}) {
    const TimeBoxes boxes = ToTimeBoxes(t);
    EXPECT_EQ(boxes.hour, hour);
    EXPECT_EQ(boxes.minute, minute);
    EXPECT_EQ(boxes.pm, pm);
    EXPECT_EQ(ReadBoxTime(boxes.hour, boxes.minute, boxes.pm), t);
  }
}

TEST_F(GameFormTest, OpensWithTheStoredGame) {
  Start({Game("20240507", "1830", "2", "1", "3", {"2", "", "1"}, "3", "0"),
         Game("20240508", "0015", "1", "2", "1")});
  // The schedule's filter picked the away team through the home-team slot.
  list.Script(PickOk, "3");
  picker->Pick('T');
  EXPECT_EQ(picker->Slots[Slot::HomeSlot], "3");
  tables->SetScheduleFilter("3", "");
  tables->ShowTable();

  Then([](FakeGameFormView& v) {
    EXPECT_EQ(v.caption, "2024 Majors Schedule");
    EXPECT_EQ(v.text, (std::array<std::string, 7>{"2024", "5", "7", "06", "30", "3", "0"}));
    EXPECT_TRUE(v.pm);
    EXPECT_EQ(v.rows[Slot::FieldSlot], (std::pair<std::string, std::string>{"2", "Riverside"}));
    EXPECT_EQ(v.Name(Slot::HomeSlot), "Aces");  // the game's own home team
    EXPECT_EQ(v.Name(Slot::AwaySlot), "Cubs");
    EXPECT_EQ(v.Name(Slot::Umpire1Slot), "Bob");
    EXPECT_EQ(v.rows[Slot::Umpire2Slot], (std::pair<std::string, std::string>{"", ""}));
    EXPECT_EQ(v.Name(Slot::Umpire3Slot), "Ann");
    EXPECT_EQ(v.focusYear, 1);
    EXPECT_FALSE(v.makeEnabled);  // no schedule maker yet
  });
  form->Run();
  EXPECT_EQ(picker->Slots[Slot::HomeSlot], "1");

  tables->ClearScheduleFilter();
  store->CurrentLeague.CurGame = "2";
  tables->ShowTable();
  Then([](FakeGameFormView& v) {
    EXPECT_EQ(v[Box::EditHr] + ":" + v[Box::EditMn], "12:15");
    EXPECT_FALSE(v.pm);
    EXPECT_EQ(v[Box::EditHTS] + v[Box::EditATS], "");
  });
  form->Run();
  EXPECT_EQ(view.execs, 2);
  EXPECT_FALSE(store->GamesChanged);  // Esc changes nothing
}

TEST_F(GameFormTest, AStoredDateOrTimeThatDoesNotReadOpensAsStored) {
  const struct {
    std::string date, time;
    std::array<std::string, 5> boxes;
    bool pm;
  } cases[] = {
      {"20241307", "1830", {"2024", "13", "07", "06", "30"}, true},
      {"20240507", "2561", {"2024", "5", "7", "25", "61"}, true},
      {"2024ab07", "", {"2024", "ab", "07", "", ""}, true},
      {"20240507", "", {"2024", "5", "7", "", ""}, true},
      {"", "0930", {"", "", "", "09", "30"}, false},
      {"", "", {"", "", "", "", ""}, true},
  };
  for (const auto& c : cases) {
    Start({Game(c.date, c.time, "1", "1", "2")});
    view.pm = !c.pm;
    Then([&](FakeGameFormView& v) {
      EXPECT_EQ((std::array<std::string, 5>{v.text[0], v.text[1], v.text[2], v.text[3], v.text[4]}), c.boxes)
          << c.date << " " << c.time;
      EXPECT_EQ(v.pm, c.pm) << c.date << " " << c.time;
      form->OkButtonClick();  // cannot be stored as it stands
      EXPECT_FALSE(v.closed);
    });
    form->Run();
    EXPECT_EQ(messages.errors.back(), QStringLiteral("Enter Correct Date and Time"));
    EXPECT_EQ(store->Games.at(1), Game(c.date, c.time, "1", "1", "2"));
  }
}

TEST_F(GameFormTest, OkStoresTheWindowIntoTheGame) {
  const struct {
    std::string hts, ats, storedHts, storedAts;
  } scores[] = {{"0", "0", "", ""}, {"3", "0", "3", "0"}, {"x", "2", "0", "2"}, {" 1 2", "", "12", "0"}};
  for (const auto& s : scores) {
    Start({Game("20240507", "1830", "1", "1", "2", {"1"}, "5", "4")});
    Then([&](FakeGameFormView& v) {
      v[Box::EditHTS] = s.hts;
      v[Box::EditATS] = s.ats;
      form->ClearButtonClick(Slot::HomeSlot);
      EXPECT_EQ(v.rows[Slot::HomeSlot], (std::pair<std::string, std::string>{"", ""}));
      v[Box::EditMn] = "5";
      v.pm = false;
      form->OkButtonClick();
    });
    form->Run();
    EXPECT_EQ(store->Games.at(1), Game("20240507", "0605", "1", "", "2", {"1"}, s.storedHts, s.storedAts))
        << s.hts;
    EXPECT_TRUE(store->GamesChanged);
    EXPECT_EQ(Column(" Time"), Strings{" 6:05 a"});  // the table is rebuilt
  }

  // A date or time that cannot be read keeps the window open, the year box
  // focused, until it is put right.
  Start({Game("20240507", "1830", "1", "1", "2")});
  Then([&](FakeGameFormView& v) {
    for (const Strings& typed : {Strings{"", "5", "7", "6", "30"}, Strings{"2024", "2", "30", "6", "30"},
                                 Strings{"2024", "5", "7", "13", "30"}}) {
      for (size_t b = 0; b < typed.size(); ++b) v.text[b] = typed[b];
      const int focused = v.focusYear;
      form->OkButtonClick();
      form->AddButtonClick();
      EXPECT_FALSE(v.closed);
      EXPECT_EQ(v.focusYear, focused + 2);
    }
    EXPECT_EQ(messages.errors, std::vector<QString>(6, QStringLiteral("Enter Correct Date and Time")));
    v[Box::EditYr] = "25";  // this century
    v[Box::EditMo] = "12";
    v[Box::EditDa] = "31";
    v[Box::EditHr] = "12";
    v[Box::EditMn] = "00";
    v.pm = false;
    form->OkButtonClick();
  });
  form->Run();
  EXPECT_EQ(store->Games.at(1).substr(0, 15),
            "|" + std::to_string(QDate::currentDate().year() / 100) + "251231|0000|");
}

TEST_F(GameFormTest, AddAppendsANewGameAndAnEmptyTableAddsOnOk) {
  Start({Game("20240507", "1830", "1", "1", "2", {}, "3", "0"), Game("20240508", "1830", "2", "2", "1")});
  Then([this](FakeGameFormView& v) {
    list.Script(PickOk, "3");
    form->PickButtonClick(Slot::AwaySlot);
    v[Box::EditHTS] = "";
    v[Box::EditATS] = "";
    v[Box::EditDa] = "9";
    form->AddButtonClick();
  });
  form->Run();
  ASSERT_EQ(store->Games.size(), 4u);
  EXPECT_EQ(store->Games.at(1), Game("20240507", "1830", "1", "1", "2", {}, "3", "0"));
  EXPECT_EQ(store->Games.at(3), Game("20240509", "1830", "1", "1", "3"));
  EXPECT_EQ(store->CurrentLeague.CurGame, "3");
  EXPECT_EQ(ParseLeague(store->Leagues.at(1)).CurGame, "3");
  EXPECT_EQ(Keys(), (Strings{"1", "2", "3"}));
  EXPECT_EQ(grid.Row, 3);  // the new game is the current row

  // A filter that shows no game: the window opens empty and OK adds rather
  // than overwriting the current game that the filter hides.
  tables->SetScheduleFilter("", "2");
  tables->ShowTable();
  Then([this](FakeGameFormView& v) {
    EXPECT_EQ(v.text, (std::array<std::string, 7>{}));
    EXPECT_TRUE(v.pm);
    for (const auto& row : v.rows) EXPECT_EQ(row, (std::pair<std::string, std::string>{"", ""}));
    list.Script(PickOk, "2");
    form->PickButtonClick(Slot::Umpire1Slot);
    v[Box::EditYr] = "2024", v[Box::EditMo] = "6", v[Box::EditDa] = "1", v[Box::EditHr] = "7",
    v[Box::EditMn] = "0";
    form->OkButtonClick();
  });
  form->Run();
  ASSERT_EQ(store->Games.size(), 5u);
  EXPECT_EQ(store->Games.at(3), Game("20240509", "1830", "1", "1", "3"));
  EXPECT_EQ(store->Games.at(4), Game("20240601", "1900", "", "", "", {"2"}));
  EXPECT_EQ(Keys(), Strings{"4"});
}

TEST_F(GameFormTest, DeleteMarksTheGameOrEmptiesTheSchedule) {
  const Strings games = {Game("20240507", "1830", "1", "1", "2"), Game("20240508", "1830", "2", "2", "1")};
  Start(games);
  auto deleteOnce = [this] {
    Then([this](FakeGameFormView&) { form->DeleteButtonClick(); });
    form->Run();
  };
  messages.otherAnswers = {Messages::Answer::No, Messages::Answer::All};
  messages.confirmAnswers = {false};
  deleteOnce();
  deleteOnce();
  EXPECT_EQ(messages.confirms,
            (std::vector<QString>{"Delete this game from schedule?", "Delete this game from schedule?",
                                  "Delete all games from schedule?"}));
  EXPECT_EQ(Strings(store->Games.begin() + 1, store->Games.end()), games);
  EXPECT_FALSE(store->GamesChanged);

  messages.otherAnswers = {Messages::Answer::Yes};
  deleteOnce();
  EXPECT_EQ(store->Games.at(1), "X" + games[0]);
  EXPECT_EQ(Keys(), Strings{"2"});
  EXPECT_EQ(store->CurrentLeague.CurGame, "2");

  // With no game in the table Yes has nothing to mark: the game the filter
  // hides stays, and so does the header line.
  tables->SetScheduleFilter("3", "");
  tables->ShowTable();
  store->GamesChanged = false;
  const List leagues = store->Leagues;
  messages.otherAnswers = {Messages::Answer::Yes};
  deleteOnce();
  EXPECT_EQ(store->Games, (List{"G|", "X" + games[0], games[1]}));
  EXPECT_EQ(store->Leagues, leagues);
  EXPECT_FALSE(store->GamesChanged);

  messages.otherAnswers = {Messages::Answer::All};
  messages.confirmAnswers = {true};
  deleteOnce();
  EXPECT_EQ(store->Games, List{"G|"});
  EXPECT_TRUE(store->GamesChanged);
  EXPECT_EQ(store->CurrentLeague.CurGame, "");
  EXPECT_EQ(ParseLeague(store->Leagues.at(1)).CurGame, "");
  EXPECT_TRUE(tables->ScheduleEmpty());
}

TEST_F(GameFormTest, PicksGoThroughThePickList) {
  Start({Game("20240507", "1830", "1", "1", "2", {"1"})});
  EXPECT_EQ(ScheduleListBox::SlotOf('T'), Slot::HomeSlot);
  EXPECT_EQ(ScheduleListBox::SlotOf('U'), Slot::Umpire1Slot);
  EXPECT_FALSE(picker->Pick('X'));

  Then([this](FakeGameFormView& v) {
    // A new field, added in the pick list, becomes the game's.
    list.Script(PickNew);
    name.Script(true, "3", "North Lot");
    list.Script(PickOk);
    form->PickButtonClick(Slot::FieldSlot);
    EXPECT_EQ(v.rows[Slot::FieldSlot], (std::pair<std::string, std::string>{"3", "North Lot"}));
    // Umpire 4 starts at the first umpire; Cancel keeps the empty slot.
    list.Script(PickCancel, "2");
    form->PickButtonClick(Slot::Umpire4Slot);
    EXPECT_EQ(v.rows[Slot::Umpire4Slot], (std::pair<std::string, std::string>{"", ""}));
    list.Script(PickOk, "2");
    form->PickButtonClick(Slot::Umpire4Slot);
    list.Script(PickOk, "3");
    form->PickButtonClick(Slot::HomeSlot);
    EXPECT_EQ(v.Name(Slot::HomeSlot), "Cubs");
    form->OkButtonClick();
  });
  form->Run();
  std::vector<QString> captions = list.captions;  // set by the caller, then on every pass
  captions.erase(std::unique(captions.begin(), captions.end()), captions.end());
  EXPECT_EQ(captions, (std::vector<QString>{"Field", "Umpire", "Team"}));
  EXPECT_EQ(list.IndexesShown(2), (Strings{"1", "2"}));  // umpires
  EXPECT_EQ(store->Fields.back(), "|3|North Lot|");
  EXPECT_TRUE(store->FieldsChanged);
  EXPECT_FALSE(store->TeamsChanged);
  EXPECT_FALSE(store->UmpiresChanged);
  EXPECT_EQ(store->Games.at(1), Game("20240507", "1830", "3", "3", "2", {"1", "", "", "2"}));
  EXPECT_EQ(store->CurrentTeam.Name, "Aces");  // the league's current team again

  // A team renamed in the pick list shows in the table even when the window
  // is cancelled.
  Then([this](FakeGameFormView&) {
    list.Script(PickEdit, "2");
    name.Script(true, "2", "Brown Bears");
    list.Script(PickOk, "2");
    form->PickButtonClick(Slot::AwaySlot);
  });
  form->Run();
  EXPECT_TRUE(store->TeamsChanged);
  EXPECT_EQ(Column(" Away Team"), Strings{" Brown Bears"});
  EXPECT_EQ(store->Games.at(1), Game("20240507", "1830", "3", "3", "2", {"1", "", "", "2"}));
}

TEST_F(GameFormTest, MakeAndHelp) {
  Start({Game("20240507", "1830", "1", "1", "2")});
  int makes = 0;
  bool made = false;
  form->MakeSchedule = [&] {
    ++makes;
    if (made) store->Games.push_back(Game("20240601", "1000", "1", "2", "1"));
    return made;
  };
  Then([&](FakeGameFormView& v) {
    EXPECT_TRUE(v.makeEnabled);
    form->HelpButtonClick();
    EXPECT_EQ(help.topics, std::vector<QString>{"Update_Button"});
    EXPECT_EQ(v.focusOk, 1);
    form->MakeButtonClick();  // not made: the window stays
    EXPECT_FALSE(v.closed);
    made = true;
    form->MakeButtonClick();
    EXPECT_EQ(v.closed, GameResult::ScheduleMade);
  });
  form->Run();
  EXPECT_EQ(makes, 2);
  EXPECT_EQ(Keys(), (Strings{"1", "2"}));
  EXPECT_EQ(store->Games.at(1), Game("20240507", "1830", "1", "1", "2"));
}

}  // namespace
}  // namespace scv::test
