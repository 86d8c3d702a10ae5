#include "tables/TableFixture.h"

#include <QDir>

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;

class PlayerTableTest : public TableTest {
 protected:
  // Sort code of player column k as the sort dialog stores it.
  static char SortCode(int column) { return static_cast<char>(128 + column - 1); }
  // Sort keys with tab `tab` set to column k, the others by number.
  static std::string SortKeys(int tab, int column) {
    std::string keys(7, static_cast<char>(129));
    keys[static_cast<size_t>(tab - 1)] = SortCode(column);
    return keys;
  }
};

TEST_F(PlayerTableTest, DerivedBattingFiguresAndTotals) {
  WriteLeague({});
  WriteTeams({"|1|Tigers|6|2|1|1|"});
  WritePlayers(1, {
      PlayerLine("7", "Smith", {{Fig::G, "3"}, {Fig::PA, "10"}, {Fig::Single, "2"}, {Fig::Double, "1"},
                                {Fig::BB, "1"}, {Fig::SFly, "1"}, {Fig::BO, "4"}}),
      PlayerLine("9", "Jones", {{Fig::G, "5"}, {Fig::PA, "4"}, {Fig::HR, "1"}, {Fig::HP, "x"}}),
  });
  Open();
  Show(PlayersTab);

  EXPECT_EQ(host.caption, "2024 Majors - Tigers");
  EXPECT_EQ(Column(" Player Name"), (Strings{" Smith", " Jones", " Totals"}));
  EXPECT_EQ(Column(" No"), (Strings{" 7", " 9", " ***"}));
  EXPECT_EQ(Column(" AB"), (Strings{" 8", " 4", " 12"}));
  EXPECT_EQ(Column(" H"), (Strings{" 3", " 1", " 4"}));
  EXPECT_EQ(Column(" W"), (Strings{" 1", "", " 1"}));
  EXPECT_EQ(Column(" Sac"), (Strings{" 1", "", " 1"}));
  EXPECT_EQ(Column(" Avg"), (Strings{" .375", " .250", " .333"}));
  EXPECT_EQ(Column(" Slg"), (Strings{" .500", "1.000", " .666"}));
  EXPECT_EQ(Column(" OB%"), (Strings{" .444", " .250", " .384"}));
  EXPECT_EQ(Column(" PA"), (Strings{" 10", " 4", " 14"}));
  EXPECT_EQ(Column(" BO"), (Strings{" 4", " ", " ***"}));
  // G is shown as stored; its total is the team's games, not the players' sum.
  EXPECT_EQ(Column(" G"), (Strings{" 3", " 5", " 9"}));
}

TEST_F(PlayerTableTest, PitchingFiguresAndCarriedThirds) {
  WriteLeague({});
  WriteTeams({"|1|Tigers|||||"});
  WritePlayers(1, {
      PlayerLine("1", "Ace", {{Fig::GP, "4"}, {Fig::IP, "6"}, {Fig::IP3, "2"}, {Fig::ER, "3"},
                              {Fig::Won, "2"}, {Fig::Lost, "1"}}),
      PlayerLine("2", "Wild", {{Fig::GP, "2"}, {Fig::IP, "1"}, {Fig::ER, "40"}, {Fig::Lost, "2"}}),
      PlayerLine("3", "Long", {{Fig::IP, "3"}, {Fig::IP3, "2"}, {Fig::Won, "1"}}),
      PlayerLine("4", "Short", {{Fig::IP3, "1"}}),
  });
  Open();
  Show(PitchingTab);
  EXPECT_EQ(Column(" IP"), (Strings{"6.2", "1.0", "3.2", "0.1", "11.2"}));
  EXPECT_EQ(Column(" ERA"), (Strings{" 4.05", "99.99", " 0.00", " 0.00", "33.17"}));
  EXPECT_EQ(Column(" W%"), (Strings{" .666", " .000", "1.000", "     ", " .500"}));
  // GP total: the decisions of the team's pitchers.
  EXPECT_EQ(Column(" GP"), (Strings{" 4", " 2", " ", " ", " 6"}));
  // The team has played no game: an empty G total.
  Show(PlayersTab);
  EXPECT_EQ(Column(" G").back(), "");
}

TEST_F(PlayerTableTest, InningsPerGameOfTheLeague) {
  WriteLeague({.innings = "7"});
  WriteTeams({"|1|Tigers|||||"});
  WritePlayers(1, {PlayerLine("1", "Ace", {{Fig::IP, "6"}, {Fig::IP3, "2"}, {Fig::ER, "3"}})});
  Open();
  Show(PitchingTab);
  EXPECT_EQ(Column(" ERA"), (Strings{" 3.15", " 3.15"}));
  // Another setting in the league record: the cached figures are not reused.
  store->CurrentLeague.Innings = "9";
  tables->ShowTable();
  EXPECT_EQ(Column(" ERA"), (Strings{" 4.05", " 4.05"}));
}

TEST_F(PlayerTableTest, SortByAverageInBothDirections) {
  std::string down(7, ' ');
  down[1] = '1';
  WriteLeague({.sortKeys = SortKeys(2, 9), .sortDown = down});  // Hitting: Avg, descending
  WriteTeams({"|1|Tigers|||||"});
  WritePlayers(1, {
      PlayerLine("1", "Half", {{Fig::PA, "4"}, {Fig::Single, "2"}}),
      PlayerLine("2", "None", {{Fig::PA, "2"}, {Fig::BB, "2"}}),
      PlayerLine("3", "Quarter", {{Fig::PA, "4"}, {Fig::Single, "1"}}),
  });
  Open();
  Show(HittingTab);
  EXPECT_EQ(Keys(), (Strings{"1", "3", "2", "2"}));
  store->CurrentLeague.SortDown = "";
  tables->ShowTable();
  EXPECT_EQ(Keys(), (Strings{"2", "3", "1", "1"}));
}

TEST_F(PlayerTableTest, SortByNameUsesTwentyCharactersWithoutCase) {
  WriteLeague({.sortKeys = SortKeys(1, 3)});
  WriteTeams({"|1|Tigers|||||"});
  WritePlayers(1, {
      PlayerLine("1", "Baker", {}),
      PlayerLine("2", "adams", {}),
      PlayerLine("3", "ABBOTT", {}),
      PlayerLine("4", "Carter Longernamexx Zed", {}),
      PlayerLine("5", "carter longernamexx Abe", {}),
  });
  Open();
  Show(PlayersTab);
  // The last two agree in their first 20 characters: their positions decide.
  EXPECT_EQ(Keys(), (Strings{"3", "2", "1", "4", "5", "5"}));
}

TEST_F(PlayerTableTest, SortByNumberRightAligned) {
  WriteLeague({});
  WriteTeams({"|1|Tigers|||||"});
  WritePlayers(1, {PlayerLine("12", "A", {}), PlayerLine("9", "B", {}), PlayerLine("100", "C", {})});
  Open();
  Show(PlayersTab);
  EXPECT_EQ(Column(" No"), (Strings{" 9", " 12", " 100", " ***"}));
}

TEST_F(PlayerTableTest, SequenceSortFollowsThePositionsAsNumbers) {
  WriteLeague({.sortKeys = SortKeys(6, 1)});
  WriteTeams({"|1|Tigers|||||"});
  std::vector<std::string> players;
  for (int i = 1; i <= 11; ++i) players.push_back(PlayerLine(std::to_string(20 - i), "P", {}));
  WritePlayers(1, players);
  Open();
  Show(CustomTab);
  Strings keys = Keys();
  keys.pop_back();
  EXPECT_EQ(keys, (Strings{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
  EXPECT_EQ(Column(" Seq").front(), " 1");
  EXPECT_EQ(Column(" Seq").back(), " ***");
}

TEST_F(PlayerTableTest, DeletedPlayerIsNeitherShownNorTotalled) {
  WriteLeague({});
  WriteTeams({"|1|Tigers||||2|"});
  WritePlayers(1, {
      PlayerLine("1", "Live", {{Fig::PA, "3"}, {Fig::Single, "1"}}),
      PlayerLine("2", "Gone", {{Fig::PA, "100"}, {Fig::Single, "50"}}, "X"),
      PlayerLine("3", "Also", {{Fig::PA, "5"}, {Fig::Single, "2"}}),
  });
  Open();
  Show(PlayersTab);
  EXPECT_EQ(Keys(), (Strings{"1", "3", "3"}));
  EXPECT_EQ(Column(" PA"), (Strings{" 3", " 5", " 8"}));
  EXPECT_EQ(Column(" H"), (Strings{" 1", " 2", " 3"}));
  // The deleted current player gives way to the focus row's player.
  EXPECT_EQ(store->CurrentTeam.CurPlayer, "1");
  EXPECT_EQ(store->CurrentPlayer.Name, "Live");
  EXPECT_TRUE(store->TeamsChanged);
}

TEST_F(PlayerTableTest, LargeTeamShowsEveryPlayerAndTotal) {
  WriteLeague({});
  WriteTeams({"|1|Tigers||||150|"});
  std::vector<std::string> players;
  for (int i = 1; i <= 150; ++i)
    players.push_back(PlayerLine(std::to_string(i), "P" + std::to_string(i), {{Fig::PA, "2"}, {Fig::Single, "1"}}));
  WritePlayers(1, players);
  Open();
  Show(PlayersTab);
  ASSERT_EQ(grid.RowCount(), 152);
  EXPECT_EQ(grid.Cell(0, 150), "150");
  EXPECT_EQ(grid.Row, 150);
  const Strings avg = Column(" Avg");
  EXPECT_EQ(avg[149], " .500");
  EXPECT_EQ(Column(" PA").back(), " 300");
  EXPECT_EQ(Column(" H").back(), " 150");
  EXPECT_EQ(avg.back(), " .500");
  EXPECT_FALSE(store->TeamsChanged);
}

TEST_F(PlayerTableTest, CacheFollowsChangesTheOthersAnnounce) {
  WriteLeague({});
  WriteTeams({"|1|Tigers|1|0||1|"});
  WritePlayers(1, {PlayerLine("1", "Ace", {{Fig::PA, "4"}, {Fig::Single, "1"}})});
  Open();
  Show(PlayersTab);
  EXPECT_EQ(Column(" Avg"), (Strings{" .250", " .250"}));
  EXPECT_EQ(tables->Cache.Tag, "Y1L1T1");

  // The player dialog changes the record and empties the tag.
  store->CurrentPlayer.Figures[Fig::Single] = "2";
  ASSERT_TRUE(store->WritePlayer());
  tables->Cache.Invalidate();
  tables->ShowTable();
  EXPECT_EQ(Column(" Avg"), (Strings{" .500", " .500"}));

  // The team dialog: the team's games total follows without a new computation.
  store->CurrentTeam.Won = "3";
  ASSERT_TRUE(store->WriteTeam());
  tables->ShowTable();
  EXPECT_EQ(Column(" G").back(), " 3");

  // A player added through the pick list without a word to the cache.
  store->CurrentPlayer = ParsePlayer(PlayerLine("2", "New", {{Fig::PA, "1"}, {Fig::HR, "1"}}));
  store->AddPlayer();
  tables->ShowTable();
  EXPECT_EQ(Column(" Avg"), (Strings{" .500", "1.000", " .600"}));
}

TEST_F(PlayerTableTest, TeamWithoutPlayers) {
  WriteLeague({});
  WriteTeams({"|1|Tigers||||3|"});
  WritePlayers(1, {PlayerLine("1", "Gone", {}, "X")});
  Open();
  Show(PlayersTab);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Keys(), (Strings{""}));
  EXPECT_EQ(store->CurrentTeam.CurPlayer, "3");
  EXPECT_FALSE(store->TeamsChanged);
  EXPECT_FALSE(host.commands.Note);
}

TEST_F(PlayerTableTest, UnreadablePlayersFileShowsNoOtherTeamsPlayers) {
  WriteLeague({});
  WriteTeams({"|1|Tigers||||1|", "|2|Bears||||5|"});
  WritePlayers(1, {PlayerLine("7", "Smith", {{Fig::PA, "4"}}), PlayerLine("8", "Jones", {})});
  ASSERT_TRUE(QDir(data.Dir()).mkdir("Y1L1T2.Players"));  // cannot be read as a file
  Open();
  Show(PlayersTab);
  ASSERT_EQ(Column(" Player Name"), (Strings{" Smith", " Jones", " Totals"}));

  store->CurrentLeague.CurTeam = "2";
  store->ReadTeam(store->CurrentLeague.CurTeam);
  tables->ShowTable();
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Keys(), (Strings{""}));
  EXPECT_EQ(store->CurrentTeam.CurPlayer, "5");
  EXPECT_FALSE(store->TeamsChanged);
  EXPECT_FALSE(host.commands.Note);
}

}  // namespace
}  // namespace scv::test
