#include "schedule/GameForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>

#include "dialogs/PickList.h"
#include "schedule/BoxDateTime.h"
#include "schedule/ScheduleListBox.h"
#include "support/FakeViews.h"
#include "support/GameFakes.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;
using Box = GameFormView::Box;
using Slot = ScheduleListBox::Slot;
using Row = std::pair<std::string, std::string>;

// Teams 1 Aces (the league's current team), 2 Bears, 3 Cubs; fields 1
// Memorial Park, 2 Riverside; umpires 1 Ann, 2 Bob.
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

  void Start(const Strings& games) {
    WriteLeague({.curGame = "1", .scheduleItems = "********************"});
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
  // One showing of the window.
  void Run(std::function<void(FakeGameFormView&)> act) {
    view.script.push_back(std::move(act));
    form->Run();
  }
};

TEST(BoxDateTimeTest, ReadsTheBoxesAndFillsThemBack) {
  EXPECT_EQ(ReadBoxDate(" 24", "05 ", "7", 2026), QDate(2024, 5, 7));  // short years are this century's
  EXPECT_EQ(ReadBoxDate("9", "12", "31", 2150), QDate(2109, 12, 31));
  EXPECT_EQ(ReadBoxDate("2024", "2", "29", 2026), QDate(2024, 2, 29));
  for (const Strings& bad : {Strings{"", "5", "7"},
                             {"2023", "2", "29"},
                             {"1900", "2", "29"},
                             {"2024", "13", "1"},
                             {"20x4", "5", "7"},
                             {"2024", "-5", "7"},
                             {"2024", "1 2", "7"},
                             {"0000", "1", "1"}})
    EXPECT_FALSE(ReadBoxDate(bad[0], bad[1], bad[2], 2026)) << bad[0] << "/" << bad[1] << "/" << bad[2];
  for (const Strings& bad : {Strings{"13", "0"}, {"0", "0"}, {"", "30"}, {"6", ""}, {"6", "60"}, {"6a", "0"}})
    EXPECT_FALSE(ReadBoxTime(bad[0], bad[1], true)) << bad[0] << ":" << bad[1];

  // 12 am is midnight, 12 pm noon; the boxes filled back read the same.
  for (const auto& [t, hour, minute, pm] : {std::tuple{QTime(18, 30), " 6", "30", true},
                                            {QTime(0, 15), "12", "15", false},
                                            {QTime(12, 0), "12", "0", true}}) {
    EXPECT_EQ(ReadBoxTime(hour, minute, pm), t);
    const TimeBoxes boxes = ToTimeBoxes(t);
    EXPECT_EQ(ReadBoxTime(boxes.hour, boxes.minute, boxes.pm), t);
    EXPECT_EQ(boxes.hour.size() + boxes.minute.size(), 4u);
  }
  const DateBoxes date = ToDateBoxes(QDate(2024, 5, 7));
  EXPECT_EQ(date.year + "/" + date.month + "/" + date.day, "2024/5/7");
  EXPECT_EQ(StoredDate(QDate(2024, 5, 7)) + StoredTime(QTime(0, 15)), "202405070015");
}

TEST_F(GameFormTest, OpensWithTheStoredGame) {
  Start({"|20240507|1830|2|1|3|2||1||3|0|", "|20240508|0015|1|2|1|||||||", "|20241307|1830|||||||||||",
         "|20240507|2561|||||||||||", "|2024ab07||||||||||||", "|||||||||||||"});
  // The schedule's filter picked the away team through the home-team slot.
  list.Script(PickOk, "3");
  picker->Pick('T');
  tables->SetScheduleFilter(picker->Slots[Slot::HomeSlot], "");
  tables->ShowTable();
  Run([](FakeGameFormView& v) {
    EXPECT_EQ(v.caption, "2024 Majors Schedule");
    EXPECT_EQ(v.text, (std::array<std::string, 7>{"2024", "5", "7", "06", "30", "3", "0"}));
    EXPECT_TRUE(v.pm);
    EXPECT_EQ(v.rows,
              (std::array<Row, 7>{
                  Row{"2", "Riverside"}, {"1", "Aces"}, {"3", "Cubs"}, {"2", "Bob"}, {}, {"1", "Ann"}, {}}));
    EXPECT_EQ(v.focusYear, 1);
    EXPECT_FALSE(v.makeEnabled);  // no schedule maker yet
  });
  EXPECT_EQ(picker->Slots[Slot::HomeSlot], "1");

  // Dates and times that do not read open as stored, to be put right.
  tables->ClearScheduleFilter();
  const std::array<std::string, 6> expected[] = {{"12", "15", "", "2024", "5", "8"},
                                                 {"06", "30", "p", "2024", "13", "07"},
                                                 {"25", "61", "p", "2024", "5", "7"},
                                                 {"", "", "p", "2024", "ab", "07"},
                                                 {"", "", "p", "", "", ""}};
  for (int game = 2; game <= 6; ++game) {
    store->CurrentLeague.CurGame = std::to_string(game);
    tables->ShowTable();
    view.pm = false;
    Run([&](FakeGameFormView& v) {
      EXPECT_EQ((std::array<std::string, 6>{v[Box::EditHr], v[Box::EditMn], v.pm ? "p" : "", v[Box::EditYr],
                                            v[Box::EditMo], v[Box::EditDa]}),
                expected[game - 2])
          << game;
    });
  }
  EXPECT_FALSE(store->GamesChanged);
}

TEST_F(GameFormTest, OkAndAddStoreTheWindow) {
  const Strings scores[] = {
      {"0", "0", "", ""}, {"3", "0", "3", "0"}, {"x", "2", "0", "2"}, {" 1 2", "", "12", "0"}};
  for (const Strings& s : scores) {
    Start({"|20240507|1830|1|1|2|1||||5|4|"});
    Run([&](FakeGameFormView& v) {
      v[Box::EditHTS] = s[0], v[Box::EditATS] = s[1], v[Box::EditMn] = "5", v.pm = false;
      form->ClearButtonClick(Slot::HomeSlot);
      EXPECT_EQ(v.rows[Slot::HomeSlot], Row());
      form->OkButtonClick();
    });
    EXPECT_EQ(store->Games.at(1), "|20240507|0605|1||2|1||||" + s[2] + "|" + s[3] + "|") << s[0];
    EXPECT_TRUE(store->GamesChanged);
    EXPECT_EQ(Column(" Time"), Strings{" 6:05 a"});  // the table is rebuilt
  }

  // A date that cannot be read keeps the window open with the year focused.
  // Add then appends a game with the window's values and makes it current.
  Run([&](FakeGameFormView& v) {
    v.Type({"", "5", "9", "12", "0", "", ""});  // am, as the game shown
    v.focusYear = 0;
    form->OkButtonClick();
    form->AddButtonClick();
    EXPECT_FALSE(v.closed);
    EXPECT_EQ(v.focusYear, 2);
    EXPECT_EQ(messages.errors, std::vector<QString>(2, QStringLiteral("Enter Correct Date and Time")));
    list.Script(PickOk, "3");
    form->PickButtonClick(Slot::AwaySlot);
    v[Box::EditYr] = "24";
    form->AddButtonClick();
  });
  EXPECT_EQ(store->Games, (List{"G|", "|20240507|0605|1||2|1||||12|0|", "|20240509|0000|1||3|1||||||"}));
  EXPECT_EQ(ParseLeague(store->Leagues.at(1)).CurGame, "2");
  EXPECT_EQ(grid.Row, 2);

  // A filter that shows no game: the window opens empty and OK adds a game
  // rather than overwriting the current one that the filter hides.
  tables->SetScheduleFilter("", "2");
  tables->ShowTable();
  Run([&](FakeGameFormView& v) {
    EXPECT_EQ(v.text, (std::array<std::string, 7>{}));
    EXPECT_EQ(v.rows, (std::array<Row, 7>{}));
    list.Script(PickOk, "2");
    form->PickButtonClick(Slot::Umpire1Slot);
    v.Type({"2024", "6", "1", "7", "0"});
    form->OkButtonClick();
  });
  EXPECT_EQ(store->Games.size(), 4u);
  EXPECT_EQ(store->Games.at(3), "|20240601|1900||||2||||||");
  EXPECT_EQ(Keys(), Strings{"3"});

  // A schedule that cannot take another game refuses Add; the game shown
  // stays as it was.
  tables->ClearScheduleFilter();
  tables->ShowTable();
  store->Games.resize(100000, "|20240601|1900||||||||||");
  Run([&](FakeGameFormView& v) {
    v[Box::EditDa] = "2";
    form->AddButtonClick();
  });
  EXPECT_EQ(messages.errors.back(), QStringLiteral("No more than 99999 games fit in the schedule."));
  EXPECT_EQ(store->Games.size(), 100000u);
  EXPECT_EQ(store->Games.at(3), "|20240601|1900||||2||||||");
}

TEST_F(GameFormTest, DeleteMarksTheGameOrEmptiesTheSchedule) {
  const List games = {"G|", "|20240507|1830|1|1|2|||||||", "|20240508|1830|2|2|1|||||||"};
  Start({games[1], games[2]});
  auto deleteOnce = [this](std::vector<Messages::Answer> answers, std::deque<bool> all) {
    messages.otherAnswers.assign(answers.begin(), answers.end());
    messages.confirmAnswers = all;
    Run([this](FakeGameFormView&) { form->DeleteButtonClick(); });
  };
  deleteOnce({Messages::Answer::No}, {});
  deleteOnce({Messages::Answer::All}, {false});
  EXPECT_EQ(messages.confirms,
            (std::vector<QString>{"Delete this game from schedule?", "Delete this game from schedule?",
                                  "Delete all games from schedule?"}));
  EXPECT_EQ(store->Games, games);
  EXPECT_FALSE(store->GamesChanged);

  deleteOnce({Messages::Answer::Yes}, {});
  EXPECT_EQ(store->Games.at(1), "X" + games[1]);
  EXPECT_EQ(Keys(), Strings{"2"});

  // With no game in the table Yes has nothing to mark: neither the game the
  // filter hides nor the header line changes.
  tables->SetScheduleFilter("3", "");
  tables->ShowTable();
  store->GamesChanged = false;
  const List leagues = store->Leagues;
  deleteOnce({Messages::Answer::Yes}, {});
  EXPECT_EQ(store->Games, (List{"G|", "X" + games[1], games[2]}));
  EXPECT_EQ(store->Leagues, leagues);
  EXPECT_FALSE(store->GamesChanged);

  deleteOnce({Messages::Answer::All}, {true});
  EXPECT_EQ(store->Games, List{"G|"});
  EXPECT_TRUE(store->GamesChanged);
  EXPECT_EQ(ParseLeague(store->Leagues.at(1)).CurGame, "");
}

TEST_F(GameFormTest, PicksMakeAndHelp) {
  Start({"|20240507|1830|1|1|2|1|||||||"});
  EXPECT_FALSE(picker->Pick('X'));
  int makes = 0;
  form->MakeSchedule = [&] { return ++makes == 2; };
  Run([this](FakeGameFormView& v) {
    EXPECT_TRUE(v.makeEnabled);
    form->HelpButtonClick();
    EXPECT_EQ(help.topics, std::vector<QString>{"Update_Button"});
    EXPECT_EQ(v.focusOk, 1);
    // A field added in the pick list becomes the game's.
    list.Script(PickNew);
    name.Script(true, "3", "North Lot");
    list.Script(PickOk);
    form->PickButtonClick(Slot::FieldSlot);
    EXPECT_EQ(v.rows[Slot::FieldSlot], (Row{"3", "North Lot"}));
    list.Script(PickOk, "2");
    form->PickButtonClick(Slot::Umpire4Slot);
    form->MakeButtonClick();  // not made: the window stays
    EXPECT_FALSE(v.closed);
    form->OkButtonClick();
  });
  std::vector<QString> captions = list.captions;  // set by the picker, then on every pass
  captions.erase(std::unique(captions.begin(), captions.end()), captions.end());
  EXPECT_EQ(captions, (std::vector<QString>{"Field", "Umpire"}));
  EXPECT_EQ(store->Fields.back(), "|3|North Lot|");
  EXPECT_TRUE(store->FieldsChanged);
  EXPECT_FALSE(store->UmpiresChanged);
  EXPECT_EQ(store->Games.at(1), "|20240507|1830|3|1|2|1|||2|||");

  // A team renamed in the pick list shows in the table even when the window
  // is cancelled; the league's current team is current again afterwards.
  Run([this](FakeGameFormView&) {
    list.Script(PickEdit, "3");
    name.Script(true, "3", "Brown Cubs");
    list.Script(PickOk, "3");
    form->PickButtonClick(Slot::AwaySlot);
  });
  EXPECT_TRUE(store->TeamsChanged);
  EXPECT_EQ(store->CurrentTeam.Name, "Aces");
  EXPECT_EQ(store->Teams.at(3), "|3|Brown Cubs|||||");
  EXPECT_EQ(store->Games.at(1), "|20240507|1830|3|1|2|1|||2|||");

  // Make closes the window once a schedule is made; the table is rebuilt.
  Run([this](FakeGameFormView& v) {
    store->Games.push_back("|20240601|1000|1|2|1|||||||");
    form->MakeButtonClick();
    EXPECT_EQ(v.closed, GameResult::ScheduleMade);
  });
  EXPECT_EQ(makes, 2);
  EXPECT_EQ(Keys(), (Strings{"1", "2"}));
}

}  // namespace
}  // namespace scv::test
