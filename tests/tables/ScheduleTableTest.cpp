#include <QDir>
#include <QLocale>

#include <algorithm>

#include "tables/Schedule.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kAllColumns = "********************";

// Position 7 of SortKeys holds the schedule's choice; the player tabs keep
// their default.
std::string SortKeys(int choice) { return std::string(6, '\x81') + static_cast<char>(128 + choice); }

std::string Game(const std::string& date, const std::string& time, const std::string& field,
                 const std::string& home, const std::string& away, const Strings& umpires = {},
                 const std::string& hts = "", const std::string& ats = "", const std::string& mark = "") {
  Strings fields = {mark, date, time, field, home, away};
  for (size_t k = 0; k < 4; ++k) fields.push_back(k < umpires.size() ? umpires[k] : "");
  fields.push_back(hts);
  fields.push_back(ats);
  return Line(fields);
}

class CountingProgress : public Progress {
 public:
  int max = -1, steps = 0;
  void Start(const char*) override {
    max = -1;
    steps = 0;
  }
  void SetMax(int m) override { max = m; }
  void Step() override { ++steps; }
  void Finish() override {}
};

class ScheduleTest : public TableTest {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }

  void WriteGames(const Strings& games, const std::string& key = "Y1L1") {
    Strings lines = {"G|"};
    lines.insert(lines.end(), games.begin(), games.end());
    data.Write(key + ".Games", lines);
  }
  // Fields: No "2" North and No "10" South. Teams: No "2" Tigers, "10"
  // Bears, "5" Hawks. Umpires: "1" Ann, "2" Bob, "3" Cy.
  void WriteLeagueLists(const std::string& key = "Y1L1") {
    data.Write(key + ".Fields", {"F|", "|2|North|", "|10|South|"});
    data.Write(key + ".Teams", {"T|", "|2|Tigers||||", "|10|Bears||||", "|5|Hawks||||"});
    data.Write(key + ".Umpires", {"U|", "|1|Ann|", "|2|Bob|", "|3|Cy|"});
  }
  // Four games whose five orders all differ.
  void WriteFourGames() {
    WriteLeagueLists();
    WriteGames({
        Game("20260606", "1830", "1", "1", "2"),  // 1
        Game("20260606", "0900", "1", "2", "3"),  // 2
        Game("20260503", "1830", "1", "3", "1"),  // 3
        Game("20260606", "0900", "2", "1", "3"),  // 4
        Game("20260101", "0800", "1", "1", "2", {}, "", "", "X"),
    });
  }
  // The cells of one grid row, the key column left out.
  Strings Row(int r) const {
    Strings cells;
    for (int c = 1; c < grid.ColCount(); ++c) cells.push_back(grid.Cell(c, r));
    return cells;
  }
};

TEST_F(ScheduleTest, SortOrdersAndDirections) {
  struct Case {
    int choice;
    Strings ascending;
  };
  const std::vector<Case> cases = {
      {SortByField, {"3", "2", "1", "4"}},  // field No 2 before 10, then date, then time
      {SortByDate, {"3", "2", "4", "1"}},   // by date, time, field number
      {SortByTime, {"2", "4", "3", "1"}},   // by time of day first
      {SortByHome, {"4", "1", "3", "2"}},   // home No 2, 2, 5, 10; away 5 before 10
      {SortByAway, {"3", "4", "2", "1"}},   // away No 2, 5, 5, 10; home 2 before 10
  };
  for (const Case& c : cases) {
    for (bool descending : {false, true}) {
      WriteLeague({.sortKeys = SortKeys(c.choice),
                   .sortDown = descending ? "      1" : "",
                   .scheduleItems = kAllColumns});
      WriteFourGames();
      Open();
      Show(ScheduleTab);
      Strings expected = c.ascending;
      if (descending) std::reverse(expected.begin(), expected.end());
      EXPECT_EQ(Keys(), expected) << c.choice << (descending ? " descending" : "");
      // The Game column numbers the rows in display order, whatever the sort.
      EXPECT_EQ(Column(" Game"), (Strings{" 1", " 2", " 3", " 4"})) << c.choice;
      tables.reset();
    }
  }
}

TEST_F(ScheduleTest, DefaultAndUnknownSortCodesSortByDate) {
  for (const std::string& keys : {std::string(), SortKeys(5), std::string(6, '\x81') + "A"}) {
    WriteLeague({.sortKeys = keys});
    WriteFourGames();
    Open();
    Show(ScheduleTab);
    EXPECT_EQ(Keys(), (Strings{"3", "2", "4", "1"}));
    EXPECT_EQ(ScheduleSortChoice(store->CurrentLeague), SortByDate);
    tables.reset();
  }
}

TEST_F(ScheduleTest, GamesEqualInEveryKeyPartFallToTheirPositionAsText) {
  WriteLeague({});
  WriteLeagueLists();
  Strings games;
  for (int i = 1; i <= 10; ++i) games.push_back(Game("20260606", "1000", "1", "1", "2", {}, "", "", "X"));
  games[1] = Game("20260606", "1000", "1", "1", "2");  // position 2
  games[9] = Game("20260606", "1000", "1", "2", "1");  // position 10
  WriteGames(games);
  Open();
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"10", "2"}));
}

// The rows name their games by position and are made when read: read while
// another league's games are in memory (an import moving on, with the window
// repainting), they show their keys only, never that league's games, until
// the table is built again.
TEST_F(ScheduleTest, RowsReadWhileAnotherLeaguesGamesAreLoadedShowOnlyTheirKeys) {
  data.Write("Y1.Leagues", {"L|", LeagueLine({.scheduleItems = kAllColumns}), LeagueLine({.name = "Other"})});
  data.Write("Baseball.Years", {"Y|0||1||||", "|2024|Season|1|"});
  WriteFourGames();
  WriteGames({Game("20270101", "1000", "1", "1", "2")}, "Y1L2");
  Open();
  Show(ScheduleTab);
  const Strings shown = Row(1);
  store->CurrentYear.CurLeague = "2";
  ASSERT_TRUE(store->LoadGames());
  EXPECT_EQ(Keys(), (Strings{"3", "2", "4", "1"}));
  for (int r = 1; r < grid.RowCount(); ++r) EXPECT_EQ(Row(r), Strings(shown.size())) << r;
  store->CurrentYear.CurLeague = "1";
  ASSERT_TRUE(store->LoadGames());
  tables->ShowTable();
  EXPECT_EQ(Row(1), shown);
}

TEST_F(ScheduleTest, CellsOfEveryColumn) {
  WriteLeague({.curGame = "1", .scheduleItems = kAllColumns});
  WriteLeagueLists();
  WriteGames({
      Game("20260503", "1830", "2", "3", "1", {"2", "", "3", "1"}, "5", "3"),
      Game("20260504", "1200", "1", "1", "2", {}, "0", "4"),
      Game("20260505", "0000", "1", "2", "3"),
      Game("20260506", "0905", "1", "2", "3"),
      Game("20260507", "2359", "1", "2", "3"),
  });
  Open();
  Show(ScheduleTab);
  ASSERT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(Row(1),
            (Strings{" 1", " 10", " South", " Sun", " 5-3", " 6:30 p", " 5", " Hawks", " 2", " Tigers",
                     " 5", " 3",  " 2",     " Bob", " ",    " ",       " 3", " Cy",    " 1", " Ann"}));
  EXPECT_EQ(Row(2),
            (Strings{" 2", " 2", " North", " Mon", " 5-4", " 12:00 p", " 2", " Tigers", " 10", " Bears",
                     " 0", " 4", " ",      " ",    " ",    " ",        " ",  " ",       " ",   " "}));
  EXPECT_EQ(Column(" Time"), (Strings{" 6:30 p", " 12:00 p", " 12:00 a", " 9:05 a", " 11:59 p"}));
  EXPECT_EQ(Column(" Day"), (Strings{" Sun", " Mon", " Tue", " Wed", " Thu"}));
  EXPECT_EQ(Column(" HTS")[2], " ");  // not played yet
}

TEST_F(ScheduleTest, TextsOfDatesAndTimes) {
  EXPECT_EQ(DateCell("20241231"), " 12-31");
  EXPECT_EQ(DateCell("20260101"), " 1-1");
  EXPECT_EQ(WeekdayCell("20240229"), " Thu");
  EXPECT_EQ(TimeCell("1200"), " 12:00 p");
  EXPECT_EQ(TimeCell("0000"), " 12:00 a");
  EXPECT_EQ(TimeCell("0059"), " 12:59 a");
  EXPECT_EQ(TimeCell("1159"), " 11:59 a");
  EXPECT_EQ(TimeCell("1300"), " 1:00 p");
  // Text that forms no date or time shows a lone space.
  for (const char* date : {"", "2026050", "20260230", "20261301", "2026O503", "00000101", "202605031"}) {
    EXPECT_EQ(DateCell(date), " ") << date;
    EXPECT_EQ(WeekdayCell(date), " ") << date;
  }
  for (const char* time : {"", "930", "2400", "1260", "12:0", "-100"}) EXPECT_EQ(TimeCell(time), " ") << time;
}

TEST_F(ScheduleTest, GamesWithoutAValidDateOrTimeAreShownWithBlankCells) {
  WriteLeague({.scheduleItems = kAllColumns});
  WriteLeagueLists();
  WriteGames({Game("", "", "1", "1", "2"), Game("20260230", "2500", "1", "1", "2")});
  Open();
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"1", "2"}));  // an empty date sorts first
  EXPECT_EQ(Column(" Day"), (Strings{" ", " "}));
  EXPECT_EQ(Column(" Date"), (Strings{" ", " "}));
  EXPECT_EQ(Column(" Time"), (Strings{" ", " "}));
  EXPECT_EQ(Column(" Home Team"), (Strings{" Tigers", " Tigers"}));
}

TEST_F(ScheduleTest, MissingReferencesShowLoneSpaces) {
  WriteLeague({.scheduleItems = kAllColumns});
  WriteLeagueLists();
  WriteGames({
      Game("20260606", "1000", "", "0", "99", {"0", "", "7", "-1"}),
      Game("20260607", "1000", "3", "", "x", {"4"}),
  });
  Open();
  Show(ScheduleTab);  // reads the league record
  for (int choice : {SortByField, SortByDate, SortByHome, SortByAway}) {
    SetScheduleSort(store->CurrentLeague, choice, false);
    Show(ScheduleTab);
    ASSERT_EQ(grid.RowCount(), 3) << choice;
    for (int r = 1; r <= 2; ++r) {
      const Strings row = Row(r);
      for (size_t c : {1, 2, 6, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(row[c], " ") << r << " " << c;
    }
  }
}

TEST_F(ScheduleTest, DefaultColumnsShowTheirCells) {
  WriteLeague({});
  WriteLeagueLists();
  WriteGames({Game("20260606", "1000", "2", "3", "2", {"1"}, "4", "2")});
  Open();
  Show(ScheduleTab);
  EXPECT_EQ(Headers(), (Strings{" Fld#", " Field Name", " Day", " Date", " Time", " Home", " Away"}));
  EXPECT_EQ(Row(1), (Strings{" 10", " South", " Sat", " 6-6", " 10:00 a", " 5", " 10"}));
  EXPECT_TRUE(host.commands.Note);
  EXPECT_TRUE(host.commands.Print);
}

TEST_F(ScheduleTest, TeamAndUmpireFilters) {
  WriteLeague({});
  WriteLeagueLists();
  WriteGames({
      Game("20260601", "1000", "1", "1", "2", {"1"}),
      Game("20260602", "1000", "1", "2", "3", {"", "2"}),
      Game("20260603", "1000", "1", "3", "1", {"", "", "", "2"}),
      Game("20260604", "1000", "1", "3", "2", {"3", "", "2"}),
      Game("20260605", "1000", "1", "1", "3", {"2"}, "", "", "X"),
  });
  Open();
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"1", "2", "3", "4"}));

  tables->SetScheduleFilter("1", "");
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"1", "3"}));  // team 1 at home and away
  tables->SetScheduleFilter("", "2");
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"2", "3", "4"}));  // umpire 2 in any of the four places
  tables->SetScheduleFilter("2", "2");
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"2", "4"}));

  // The filter stays while the tabs change.
  Show(TeamsTab);
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"2", "4"}));

  tables->SetScheduleFilter("3", "1");  // no game matches
  Show(ScheduleTab);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Row(1), Strings(7, ""));
  EXPECT_EQ(Keys(), (Strings{""}));
  EXPECT_TRUE(tables->ScheduleEmpty());
  EXPECT_TRUE(host.commands.Update);
  EXPECT_FALSE(host.commands.Note);
  EXPECT_FALSE(host.commands.Print);

  tables->SetScheduleFilter("123456", "");
  EXPECT_EQ(tables->TeamFilter, "12345");
  tables->ClearScheduleFilter();
  Show(ScheduleTab);
  EXPECT_EQ(Keys(), (Strings{"1", "2", "3", "4"}));
  EXPECT_FALSE(tables->ScheduleEmpty());
}

TEST_F(ScheduleTest, TheFocusRowFollowsTheCurrentGame) {
  WriteLeague({.curTeam = "2", .curGame = "3"});
  WriteFourGames();
  Open();
  Show(ScheduleTab);
  ASSERT_EQ(Keys(), (Strings{"3", "2", "4", "1"}));
  EXPECT_EQ(grid.Row, 1);
  EXPECT_EQ(store->CurrentGame.Date, "20260503");
  EXPECT_EQ(store->CurrentTeam.Name, "Bears");  // read again after the build
  EXPECT_FALSE(store->LeaguesChanged);

  // Selecting another row makes its game current and writes the league back.
  tables->TableSelectCell(grid.FocusColumn, 3);
  EXPECT_EQ(store->CurrentLeague.CurGame, "4");
  EXPECT_EQ(store->CurrentGame.Field, "2");
  EXPECT_TRUE(store->LeaguesChanged);
  store->LeaguesChanged = false;
  Show(ScheduleTab);
  EXPECT_EQ(grid.Row, 3);
  EXPECT_FALSE(store->LeaguesChanged);

  // The current game filtered out: the focus row's game becomes current.
  tables->SetScheduleFilter("3", "");
  Show(ScheduleTab);
  ASSERT_EQ(Keys(), (Strings{"3", "2", "4"}));
  EXPECT_EQ(grid.Row, 3);
  store->LeaguesChanged = false;
  tables->SetScheduleFilter("1", "");
  Show(ScheduleTab);
  ASSERT_EQ(Keys(), (Strings{"3", "4", "1"}));
  EXPECT_EQ(grid.Row, 2);
  EXPECT_FALSE(store->LeaguesChanged);
  // Game 4 is not among team 2's games: the focus stays on row 2, whose game
  // becomes current and is written into the league record.
  tables->SetScheduleFilter("2", "");
  Show(ScheduleTab);
  ASSERT_EQ(Keys(), (Strings{"2", "1"}));
  EXPECT_EQ(grid.Row, 2);
  EXPECT_EQ(store->CurrentLeague.CurGame, "1");
  EXPECT_EQ(store->CurrentGame.Time, "1830");
  EXPECT_TRUE(store->LeaguesChanged);
  EXPECT_EQ(ParseLeague(store->Leagues[1]).CurGame, "1");
  EXPECT_EQ(store->CurrentTeam.Name, "Bears");
}

TEST_F(ScheduleTest, ADeletedCurrentGameGivesWayToTheFocusRow) {
  WriteLeague({.curGame = "5"});
  WriteFourGames();
  Open();
  Show(ScheduleTab);
  EXPECT_EQ(grid.Row, 1);
  EXPECT_EQ(store->CurrentLeague.CurGame, "3");
  EXPECT_EQ(store->CurrentGame.Date, "20260503");
  EXPECT_TRUE(store->LeaguesChanged);
}

TEST_F(ScheduleTest, LoadingAnotherLeaguesGamesClearsTheFilter) {
  data.Write("Baseball.Years", {"Y|0||1||||", "|2024|Season|1|"});
  data.Write("Y1.Leagues", {"L|", LeagueLine({}), LeagueLine({.name = "Minors"})});
  WriteFourGames();
  WriteLeagueLists("Y1L2");
  WriteGames({Game("20260701", "1000", "1", "1", "2"), Game("20260702", "1000", "1", "3", "2")}, "Y1L2");
  Open();
  Show(ScheduleTab);
  tables->SetScheduleFilter("3", "1");
  Show(ScheduleTab);
  EXPECT_TRUE(tables->ScheduleEmpty());

  store->CurrentYear.CurLeague = "2";
  store->ReadLeague(2);
  Show(ScheduleTab);
  EXPECT_EQ(tables->TeamFilter, "");
  EXPECT_EQ(tables->UmpireFilter, "");
  EXPECT_EQ(Keys(), (Strings{"1", "2"}));

  // Another table object on the same store hands the hook back when it goes.
  tables->SetScheduleFilter("1", "");
  {
    Grid other;
    Tables second(*store, other, progress, host);
  }
  store->CurrentYear.CurLeague = "1";
  store->ReadLeague(1);
  Show(ScheduleTab);
  EXPECT_EQ(tables->TeamFilter, "");
  EXPECT_EQ(Keys(), (Strings{"3", "2", "4", "1"}));
}

TEST_F(ScheduleTest, ProgressCountsEveryGameLineAndEveryRow) {
  WriteLeague({});
  WriteFourGames();
  Open();
  CountingProgress counting;
  Tables counted(*store, grid, counting, host);
  counted.CurrentTab = ScheduleTab;
  counted.BuildHeaders();
  EXPECT_EQ(counting.max, 2 * 6);  // the header and five games
  EXPECT_EQ(counting.steps, 5 + 4);
}

TEST_F(ScheduleTest, AnUnreadableGamesFileShowsNoGame) {
  WriteLeague({.curTeam = "3"});
  WriteLeagueLists();
  ASSERT_TRUE(QDir(data.Dir()).mkdir("Y1L1.Games"));
  Open();
  Show(ScheduleTab);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_TRUE(tables->ScheduleEmpty());
  EXPECT_EQ(store->CurrentTeam.Name, "Hawks");
}

TEST(ScheduleSort, StoredChoiceAndDirection) {
  LeagueRecord league = ParseLeague("|1|Majors|||||||||");
  EXPECT_EQ(ScheduleSortChoice(league), SortByDate);
  EXPECT_FALSE(ScheduleSortDescending(league));
  SetScheduleSort(league, SortByAway, true);
  EXPECT_EQ(ScheduleSortChoice(league), SortByAway);
  EXPECT_TRUE(ScheduleSortDescending(league));
  EXPECT_EQ(static_cast<unsigned char>(league.SortKeys[6]), 132);
  EXPECT_EQ(league.SortKeys.substr(0, 6), std::string(6, '\x81'));  // the player tabs keep theirs
  EXPECT_EQ(league.SortDown, "      1");
  SetScheduleSort(league, 9, false);
  EXPECT_EQ(ScheduleSortChoice(league), SortByDate);
  EXPECT_EQ(league.SortDown, "       ");
  EXPECT_STREQ(ScheduleSortNames[SortByHome], "Home Team");
}

}  // namespace
}  // namespace scv::test
