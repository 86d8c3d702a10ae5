#include "tables/TableFixture.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;

class StandingsTest : public TableTest {};

TEST_F(StandingsTest, RanksByPercentageThenDecidedGames) {
  WriteLeague({});
  WriteTeams({
      "|1|Sixtwo|6|2||",
      "|2|Threeone|3|1||",
      "|3|Twosix|2|6||",
      "|4|Onethree|1|3||",
      "|5|Fourfour|4|4|1|",
      "|6|Twotwo|2|2||",
      "|7|Nothing|||||",
  });
  Open();
  Show(TeamsTab);

  EXPECT_EQ(Headers(), (Strings{" Place", " Team#", " Team Name", " Won", " Lost", " Tied", " Pct.", " GB"}));
  EXPECT_EQ(Column(" Team Name"),
            (Strings{" Sixtwo", " Threeone", " Twotwo", " Fourfour", " Onethree", " Twosix", " Nothing"}));
  EXPECT_EQ(Keys(), (Strings{"1", "2", "6", "5", "4", "3", "7"}));
  EXPECT_EQ(Column(" Place"), (Strings{" 1", " 2", " 3", " 4", " 5", " 6", " 7"}));
  EXPECT_EQ(Column(" Pct."), (Strings{" .750", " .750", " .500", " .500", " .250", " .250", "     "}));
  EXPECT_EQ(Column(" GB"), (Strings{" ", " 1", " 2", " 2", " 3", " 4", " 2"}));
  EXPECT_EQ(Column(" Tied"), (Strings{" ", " ", " ", " 1", " ", " ", " "}));
  EXPECT_EQ(host.caption, "2024 Majors");
  EXPECT_TRUE(host.commands.Setup);
  EXPECT_TRUE(host.commands.Note);
  // The current team is found: nothing is written back.
  EXPECT_EQ(store->CurrentLeague.CurTeam, "1");
  EXPECT_EQ(store->CurrentTeam.Name, "Sixtwo");
  EXPECT_EQ(grid.Row, 1);
  EXPECT_FALSE(store->LeaguesChanged);
}

TEST_F(StandingsTest, HalfGamesAndTeamsBetterThanTheLeader) {
  WriteLeague({});
  WriteTeams({"|1|Leader|10|2||", "|2|Chaser|8|5||", "|3|Close|10|3||", "|4|Odd|3|0||"});
  Open();
  Show(TeamsTab);
  // 3-0 (1.000) leads; 10-2 is better in wins but still ranks below it.
  EXPECT_EQ(Column(" Team Name"), (Strings{" Odd", " Leader", " Close", " Chaser"}));
  EXPECT_EQ(Column(" Pct."), (Strings{"1.000", " .833", " .769", " .615"}));
  EXPECT_EQ(Column(" GB"), (Strings{" ", " ", " ", " "}));
}

TEST_F(StandingsTest, GamesBehindTheLeader) {
  WriteLeague({});
  WriteTeams({"|1|Leader|10|2||", "|2|Chaser|8|5||", "|3|Half|10|3||", "|4|Far|2|9||"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(Column(" Team Name"), (Strings{" Leader", " Half", " Chaser", " Far"}));
  // d = 1 -> ".5", d = 5 -> "2.5", d = 15 -> "7.5"
  EXPECT_EQ(Column(" GB"), (Strings{" ", " .5", " 2.5", " 7.5"}));
}

TEST_F(StandingsTest, EqualRecordsRankByPositionText) {
  WriteLeague({.curTeam = "10"});
  Strings teams;
  for (int i = 1; i <= 10; ++i) teams.push_back(i == 9 || i == 10 ? "|" + std::to_string(i) + "|T|1|1||" : "X|||||");
  WriteTeams(teams);
  Open();
  Show(TeamsTab);
  // "9" sorts after "10" as text, and the list is read backwards.
  EXPECT_EQ(Keys(), (Strings{"9", "10"}));
  EXPECT_EQ(grid.Row, 2);
}

TEST_F(StandingsTest, NonNumericCountsAreZeroButShownAsStored) {
  WriteLeague({});
  WriteTeams({"|1|Letters|x|3||", "|2|Spaced|1 1|1||", "X|3|Gone|9|0||"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(Column(" Team Name"), (Strings{" Spaced", " Letters"}));
  EXPECT_EQ(Column(" Won"), (Strings{" 1 1", " x"}));
  EXPECT_EQ(Column(" Pct."), (Strings{" .916", " .000"}));
  EXPECT_EQ(Column(" GB"), (Strings{" ", " 6.5"}));
}

TEST_F(StandingsTest, DeletedCurrentTeamGivesWayToTheFocusRow) {
  WriteLeague({.curTeam = "2"});
  WriteTeams({"|1|First|1|0||", "X|2|Gone|5|0||", "|3|Third|0|1||"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(Keys(), (Strings{"1", "3"}));
  EXPECT_EQ(store->CurrentLeague.CurTeam, "1");
  EXPECT_EQ(store->CurrentTeam.Name, "First");
  EXPECT_TRUE(store->LeaguesChanged);
  EXPECT_EQ(store->Leagues[1].substr(0, 12), "|1|Majors|1|");
}

TEST_F(StandingsTest, EmptyLeagueShowsOneBlankRow) {
  WriteLeague({.curTeam = "4"});
  WriteTeams({"X|1|Gone|1|0||"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 9);
  for (int c = 0; c < grid.ColCount(); ++c) EXPECT_EQ(grid.Cell(c, 1), "");
  EXPECT_EQ(store->CurrentLeague.CurTeam, "4");
  EXPECT_FALSE(store->LeaguesChanged);
  EXPECT_TRUE(host.commands.Update);
  EXPECT_FALSE(host.commands.Note);
  EXPECT_FALSE(host.commands.Print);
}

}  // namespace
}  // namespace scv::test
