#include "schedule/ScheduleMaker.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "schedule/FieldTimes.h"
#include "support/FakeViews.h"
#include "support/FieldTimeFakes.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;
using Box = MakeFormView::Box;

// Teams numbered 1..n at indexes 1..n.
Strings Teams(int n) {
  Strings lines;
  for (int k = 1; k <= n; ++k)
    lines.push_back("|" + std::to_string(k) + "|Team " + std::to_string(k) + "|||||");
  return lines;
}

// n time entries at 10:00 on field 1, one a day from 1 June 2024.
Strings Daily(int n) {
  Strings lines;
  for (int d = 1; d <= n; ++d)
    lines.push_back("202406" + std::string(d < 10 ? "0" : "") + std::to_string(d) + "10001");
  return lines;
}

class ScheduleMakerTest : public TableTest {
 protected:
  FakeMakeFormView makeView;
  FakeFieldFormView fieldView;
  FakeMessages messages;
  std::unique_ptr<MakeFormPresenter> makeForm;
  std::unique_ptr<FieldFormPresenter> fieldForm;
  std::unique_ptr<ScheduleMaker> maker;

  // Fields 1 Memorial Park and 2 Riverside unless given.
  void Start(const Strings& teams, const Strings& times,
             const Strings& fields = {"|1|Memorial Park|", "|2|Riverside|"}, const Strings& games = {}) {
    WriteLeague({.curGame = "1"});
    WriteTeams(teams);
    Strings lines = {"F|"};
    lines.insert(lines.end(), fields.begin(), fields.end());
    data.Write("Y1L1.Fields", lines);
    if (!times.empty()) data.Write("Y1L1.Times", times);
    lines = {"G|"};
    lines.insert(lines.end(), games.begin(), games.end());
    data.Write("Y1L1.Games", lines);
    Open();
    ASSERT_TRUE(store->LoadTeams() && store->LoadGames() && store->LoadFields());
    messages = FakeMessages();
    fieldView.execs = 0;
    makeForm = std::make_unique<MakeFormPresenter>(*store, makeView, messages);
    fieldForm = std::make_unique<FieldFormPresenter>(*store, fieldView, makeForm.get(), messages);
    maker = std::make_unique<ScheduleMaker>(*store, *fieldForm, messages);
  }
  // Make with every question answered Yes and the field-selection window
  // closed with "Add Games To Schedule".
  bool Make() {
    messages.confirmAnswers = {true, true};
    fieldView.script.push_back([this] { fieldForm->AddButtonClick(); });
    return maker->MakeButtonClick();
  }
  // The games from index `from` on as "home-away" team indexes.
  Strings Pairs(size_t from = 1) const {
    Strings pairs;
    for (size_t i = from; i < store->Games.size(); ++i) {
      const GameRecord game = ParseGame(store->Games[i]);
      pairs.push_back(game.Home + "-" + game.Away);
    }
    return pairs;
  }
};

TEST_F(ScheduleMakerTest, FourTeamsOnTwoFieldsOverSaturdays) {
  // Two fields at 10:00 on seven Saturdays; the first six entries are three
  // Saturdays, with no team twice on a day.
  Strings times;
  for (const char* day : {"20240601", "20240608", "20240615", "20240622", "20240629", "20240706", "20240713"})
    for (const char* field : {"1", "2"}) times.push_back(std::string(day) + "1000" + field);
  Start(Teams(4), times, {"|1|Memorial Park|", "|2|Riverside|"}, {"|20240525|1000|1|1|2|1||||3|2|"});
  ASSERT_TRUE(Make());
  EXPECT_EQ(
      messages.confirms.front(),
      "To change the baseball fields available or the number of teams to schedule, respond \"No\" to this "
      "message, then select the \"Field\" or \"Home Tm\" buttons. You have 2 fields available and 4 teams to "
      "schedule. You don't have to use all the fields. Continue?");
  EXPECT_EQ(messages.confirms.back(), "Add 14 Games to Schedule?");
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_TRUE(messages.informations.empty());  // no clash

  // The earlier game stays; one game per entry, the second pass from 2-1.
  ASSERT_EQ(store->Games.size(), 16u);
  EXPECT_EQ(store->Games[1], "|20240525|1000|1|1|2|1||||3|2|");
  EXPECT_EQ(Pairs(2), (Strings{"1-2", "3-4", "4-2", "3-1", "1-4", "2-3", "4-3", "2-1", "1-3", "2-4", "3-2",
                               "4-1", "2-1", "4-3"}));
  EXPECT_EQ(store->Games[2], "|20240601|1000|1|1|2|||||||");
  EXPECT_EQ(store->Games[5], "|20240608|1000|2|3|1|||||||");
  EXPECT_EQ(store->CurrentLeague.CurGame, "15");
  EXPECT_TRUE(store->GamesChanged);
  EXPECT_FALSE(store->TimesChanged);  // making games leaves the times as they are
  EXPECT_EQ(store->TimesKey, store->GamesKey);

  // Make again over the same entries: a second copy, each game booking its
  // field and both teams twice; the box names the first 20 clashes.
  const Strings first = Pairs(2);
  ASSERT_TRUE(Make());
  EXPECT_EQ(Pairs(16), first);
  EXPECT_EQ(store->CurrentLeague.CurGame, "29");
  ASSERT_EQ(messages.informations.size(), 1u);
  const QStringList lines = messages.informations.front().split('\n');
  ASSERT_EQ(lines.size(), 2 + 20 + 1);
  EXPECT_EQ(lines[2], "2024/06/01 10:00 am: field 1 Memorial Park has games 2 and 16");
  EXPECT_EQ(lines.back(), "... and 22 more.");
}

TEST_F(ScheduleMakerTest, TheTablesCycleWithHomeAndAwayExchanged) {
  const struct {
    int teams, entries;
    Strings pairs;
  } cases[] = {
      {3, 8, {"1-2", "3-1", "2-3", "1-3", "2-1", "3-2", "2-1", "1-3"}},
      {5, 12, {"1-2", "4-3", "2-5", "3-1", "5-4", "3-2", "4-1", "5-3", "2-4", "1-5", "2-1", "3-4"}},
      {6, 4, {"1-2", "3-4", "5-6", "2-3"}},
      {20, 3, {"1-2", "3-4", "5-6"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.teams);
    Start(Teams(c.teams), Daily(c.entries));
    ASSERT_TRUE(Make());
    EXPECT_EQ(Pairs(), c.pairs);
    // Made games carry no umpires and no scores.
    for (size_t i = 1; i < store->Games.size(); ++i) {
      const GameRecord game = ParseGame(store->Games[i]);
      EXPECT_EQ(game.U1 + game.U2 + game.U3 + game.U4 + game.HTS + game.ATS + game.Mark, "");
    }
  }
}

TEST_F(ScheduleMakerTest, TeamsByNumberAndEntriesInListOrder) {
  // Team numbers sort as numbers: 3 (index 2), 7 (index 4), 12 (index 1);
  // deleted team 5 is left out. The field-10 entry sorts before field 2's,
  // and an entry is used although its field is not listed.
  Start({"|12|Owls|||||", "|3|Larks|||||", "X|5|Gone|||||", "|7|Wrens|||||"},
        {"2024060110002", "20240601100010", "2024060210002"});
  ASSERT_TRUE(Make());
  EXPECT_EQ(Pairs(), (Strings{"2-4", "1-2", "4-1"}));
  EXPECT_EQ(ParseGame(store->Games[1]).Field, "10");
  EXPECT_NE(messages.confirms.front().indexOf("You have 2 fields available and 3 teams to schedule."), -1);
}

TEST_F(ScheduleMakerTest, RefusalsChangeNothing) {
  const auto refused = [this](const QString& error, int windowsShown = 0) {
    const size_t games = store->Games.size();
    EXPECT_FALSE(Make());
    EXPECT_EQ(store->Games.size(), games);
    EXPECT_FALSE(store->GamesChanged);
    EXPECT_EQ(messages.errors, std::vector<QString>{error});
    EXPECT_EQ(fieldView.execs, windowsShown);
    messages.errors.clear();
    fieldView.script.clear();
    fieldView.execs = 0;
  };
  // The field test comes first.
  Start(Teams(2), Daily(3), {"X|1|Closed|"});
  refused("No fields to schedule");
  Start({"|1|A|||||", "X|2|B|||||", "|3|C|||||", "X|4|D|||||"}, Daily(3));
  refused("Number of teams must be from 3 to 20");
  Start(Teams(21), Daily(3));
  refused("Number of teams must be from 3 to 20");
  // A schedule that cannot take every new game gets none of them.
  Start(Teams(20), Daily(14));
  store->Games.resize(99990, "|20240101|1000|1|1|2|||||||");
  store->GamesChanged = false;
  refused(
      "No more than 99999 games fit in the schedule: it has 99989 games, and the fields' times would add 14.",
      1);

  // No to the opening question: nothing else is asked.
  Start(Teams(20), Daily(3));
  messages.confirmAnswers = {false};
  EXPECT_FALSE(maker->MakeButtonClick());
  EXPECT_EQ(messages.confirms.size(), 1u);
  EXPECT_EQ(fieldView.execs, 0);

  // The field-selection window closed without OK keeps its changes to the
  // times; with no times left it refuses to close with OK.
  messages.confirmAnswers = {true, true};
  fieldView.script.push_back([this] {
    fieldForm->ResetButtonClick();
    fieldForm->AddButtonClick();
    fieldForm->CancelButtonClick();
  });
  EXPECT_FALSE(maker->MakeButtonClick());
  EXPECT_EQ(store->Games.size(), 1u);
  EXPECT_TRUE(store->Times.empty());
  EXPECT_TRUE(store->TimesChanged);
  EXPECT_EQ(messages.informations,
            std::vector<QString>{
                "You must set the times that fields are available before adding games to the schedule."});
}

using FieldTimesTest = ScheduleMakerTest;

// The cells of the field-time window's rows: year, month, day, time.
Strings Rows(const Grid& grid) {
  Strings rows;
  for (int r = 1; r < grid.RowCount(); ++r)
    rows.push_back(grid.Cell(1, r) + "/" + grid.Cell(2, r) + "/" + grid.Cell(3, r) + " " + grid.Cell(4, r));
  return rows;
}

TEST_F(FieldTimesTest, AddingTimesOneGameOrEveryWeek) {
  Start(Teams(4), {"2024050718302"}, {"|1|Memorial Park|", "|2|Riverside|", "|3|North Lot|"});
  ASSERT_TRUE(store->LoadTimes());
  makeView.script.push_back([this](FakeMakeFormView& v) {
    const Grid& grid = makeForm->MakeGrid;
    EXPECT_EQ(v.caption, "    3 North Lot Availability");
    EXPECT_EQ(Rows(grid), Strings{"// "});  // field 2's time is not this field's
    EXPECT_FALSE(v.changeDeleteEnabled);
    EXPECT_GT(v.focusYear, 0);

    // Tuesdays in May 2024 at 6:30 pm: the earliest is selected, and its
    // row fills the boxes with "Single Game" checked.
    v.every = true;
    makeForm->RadioClick();
    EXPECT_TRUE(v.everyEnabled);
    EXPECT_FALSE(v.changeDeleteEnabled);
    v.weekday = 2;
    v.Type({"2024", "5", "1"}, "6", "30", true, {"2024", "5", "31"});
    makeForm->AddButtonClick();
    EXPECT_EQ(store->Times,
              (Strings{"2024050718302", "2024050718303", "2024051418303", "2024052118303", "2024052818303"}));
    EXPECT_EQ(Rows(grid), (Strings{"2024/05/07  6:30pm", "2024/05/14  6:30pm", "2024/05/21  6:30pm",
                                   "2024/05/28  6:30pm"}));
    EXPECT_EQ(grid.Row, 1);
    EXPECT_EQ(makeForm->LastTimePosition, 1u);
    EXPECT_EQ(Strings(v.text.begin(), v.text.begin() + 5), (Strings{"2024", "05", "07", " 6", "30"}));
    EXPECT_TRUE(v.pm);
    EXPECT_FALSE(v.every);
    EXPECT_FALSE(v.everyEnabled);
    EXPECT_TRUE(v.changeDeleteEnabled);
    EXPECT_EQ(makeForm->ShownCount, 4);

    // No Sunday from Wednesday to Friday: nothing added, yet changed.
    store->TimesChanged = false;
    v.every = true;
    v.weekday = 0;
    v.Type({"2024", "5", "1"}, "6", "30", true, {"2024", "5", "3"});
    makeForm->AddButtonClick();
    EXPECT_EQ(store->Times.size(), 5u);
    EXPECT_TRUE(store->TimesChanged);

    // Single games: the boxes show the numbers as read; 12 am is 0000.
    v.every = false;
    v.Type({"24", "6", "1"}, "12", "0", false);
    makeForm->AddButtonClick();
    EXPECT_EQ(v[Box::EditSMn], "00");
    v.Type({"2024", "6", "2"}, "7", "5", true);
    makeForm->AddButtonClick();
    EXPECT_EQ(v[Box::EditSHr] + ":" + v[Box::EditSMn], " 7:05");
    EXPECT_EQ(v.weekday, 0);  // 2 June 2024 is a Sunday
    EXPECT_EQ(Rows(grid).back(), "2024/06/02  7:05pm");
    EXPECT_EQ(grid.Row, 6);
    EXPECT_EQ(store->Times[5], "2024060100003");
    EXPECT_EQ(store->Times[6], "2024060219053");
    EXPECT_TRUE(messages.errors.empty());

    // Unreadable times and dates, and an end before the start, add nothing.
    v.Type({"2024", "6", "3"}, "13", "0", true);
    makeForm->AddButtonClick();
    v.Type({"2024", "6", "3"}, "", "30", true);
    makeForm->AddButtonClick();
    EXPECT_EQ(v[Box::EditSHr], " 0");
    v.Type({"2024", "2", "30"}, "6", "30", true);
    makeForm->AddButtonClick();
    v.every = true;
    v.Type({"2024", "6", "10"}, "6", "30", true, {"2024", "6", "1"});
    makeForm->AddButtonClick();
    EXPECT_EQ(messages.errors,
              (std::vector<QString>{"Enter Correct Date and Time", "Enter Correct Date and Time",
                                    "Enter Correct Date and Time", "Ending Date Before Starting"}));
    EXPECT_EQ(store->Times.size(), 7u);
  });
  // Field 3 is the third row; after its window the row counts its times.
  fieldView.script.push_back([this] {
    fieldForm->FieldGrid.Row = 3;
    fieldForm->SetButtonClick();
    fieldForm->CancelButtonClick();
  });
  EXPECT_FALSE(fieldForm->Run(ScheduleMaker::FieldList(*store)));
  const Grid& fields = fieldForm->FieldGrid;
  EXPECT_EQ((Strings{fields.Cell(0, 3), fields.Cell(1, 3), fields.Cell(2, 3), fields.Cell(3, 3)}),
            (Strings{"3", "    3", "North Lot", "6"}));
  EXPECT_EQ(fields.Cell(3, 1), "");
  EXPECT_EQ(fields.Cell(3, 2), "1");
}

TEST_F(FieldTimesTest, ChangeDeleteResetAndAdd) {
  Start(Teams(4), {"2024060110001", "2024060110002", "2024060810001"});
  ASSERT_TRUE(store->LoadTimes());
  makeView.script.push_back([this](FakeMakeFormView& v) {
    // The first showing selects the first row.
    EXPECT_EQ(Rows(makeForm->MakeGrid), (Strings{"2024/06/01 10:00am", "2024/06/08 10:00am"}));
    EXPECT_EQ(makeForm->LastTimePosition, 0u);
    // Change the second to 1 pm.
    makeForm->MakeGridSelectCell(4, 2);
    EXPECT_EQ(makeForm->LastTimePosition, 2u);
    EXPECT_EQ(v.weekday, 6);
    v[Box::EditSHr] = "1";
    v.pm = true;
    makeForm->ChangeButtonClick();
    EXPECT_EQ(store->Times, (Strings{"2024060110001", "2024060110002", "2024060813001"}));
    // Delete the first: kept on No, gone on Yes.
    makeForm->MakeGridSelectCell(4, 1);
    messages.confirmAnswers = {false, true};
    makeForm->DeleteButtonClick();
    EXPECT_EQ(store->Times.size(), 3u);
    makeForm->DeleteButtonClick();
    EXPECT_EQ(store->Times, (Strings{"2024060110002", "2024060813001"}));
    EXPECT_EQ(Rows(makeForm->MakeGrid), (Strings{"2024/06/08  1:00pm"}));
  });
  fieldView.script.push_back([this] {
    EXPECT_EQ(fieldForm->FieldGrid.Cell(3, 1), "2");
    fieldForm->SetButtonClick();
    EXPECT_EQ(fieldForm->FieldGrid.Cell(3, 1), "1");
    // Add Games counts every field's times; No keeps the window open.
    messages.confirmAnswers = {false};
    fieldForm->AddButtonClick();
    EXPECT_EQ(messages.confirms.back(), "Add 2 Games to Schedule?");
    EXPECT_FALSE(fieldView.closed);
    // Reset All: No keeps the times, Yes clears every field's.
    messages.confirmAnswers = {false, true};
    fieldForm->ResetButtonClick();
    EXPECT_EQ(store->Times.size(), 2u);
    fieldForm->ResetButtonClick();
    EXPECT_EQ(messages.confirms.back(), "Clear All Field Times?");
    EXPECT_TRUE(store->Times.empty());
    EXPECT_EQ(fieldForm->FieldGrid.Cell(3, 1) + fieldForm->FieldGrid.Cell(3, 2), "");
    fieldForm->CancelButtonClick();
  });
  store->TimesChanged = false;
  EXPECT_FALSE(fieldForm->Run(ScheduleMaker::FieldList(*store)));
  EXPECT_TRUE(store->TimesChanged);
  // The times are saved under the league's key.
  ASSERT_TRUE(store->SaveAll());
  EXPECT_EQ(data.Read("Y1L1.Times"), "");
  EXPECT_TRUE(data.Exists("Y1L1.Times"));

  // A league holds no more times than its schedule can hold games: four
  // Tuesdays more do not fit beside 99996 times, but do beside 99995.
  for (int i = 0; i < 99996; ++i) store->Times.push_back("2023" + std::to_string(10000000 + i) + "1");
  makeView.every = true;
  makeView.weekday = 2;
  makeView.Type({"2024", "5", "1"}, "6", "30", true, {"2024", "5", "31"});
  makeForm->AddButtonClick();
  EXPECT_EQ(messages.errors, std::vector<QString>{"No more than 99999 times fit in the schedule."});
  EXPECT_EQ(store->Times.size(), 99996u);
  store->Times.pop_back();
  makeForm->AddButtonClick();
  EXPECT_EQ(store->Times.size(), 99999u);
}

}  // namespace
}  // namespace scv::test
