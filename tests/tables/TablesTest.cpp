#include "tables/TableFixture.h"

#include <cstring>
#include <numeric>

#include "store/Text.h"
#include "tables/RowList.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;

class FrameTest : public TableTest {};

int WidthSum(const Grid& grid) {
  return std::accumulate(grid.ColWidths().begin(), grid.ColWidths().end(), 0);
}

TEST(RowList, SortsOnceCaseInsensitivelyAndDropsDuplicates) {
  RowList rows;
  for (const char* line : {"b2", "A1", "a3", "b2", "C0", " z"}) rows.Add(line);
  EXPECT_EQ(rows.Count(), 5);
  EXPECT_EQ(rows.Lines(), (Strings{" z", "A1", "a3", "b2", "C0"}));
  EXPECT_EQ(rows[4], "C0");
  rows.Add("a2");
  EXPECT_EQ(rows.Line(1), "A1");
  EXPECT_EQ(rows.Line(2), "a2");
  rows.Clear();
  EXPECT_EQ(rows.Count(), 0);
}

// Keys of digits, spaces and capitals are sorted by their bytes, others by
// the case-folding order: both give the order SortLines gives.
TEST(RowList, SortsKeysByBytesOnlyWhereThatIsTheSameOrder) {
  for (const char* letters : {" 0123456789ABCZ", " 019Aab\xC9\xE9Z-"}) {
    uint64_t seed = 7;
    auto next = [&seed] {
      return static_cast<size_t>((seed = seed * 6364136223846793005ull + 1442695040888963407ull) >> 33);
    };
    RowList rows;
    Strings lines;
    for (size_t position = 1; position <= 2000; ++position) {
      std::string key(6, ' ');
      for (char& c : key) c = letters[next() % std::strlen(letters)];
      rows.Add(key, position);
      lines.push_back(key + std::to_string(position));
    }
    SortLines(lines);
    EXPECT_EQ(rows.Lines(), lines) << letters;
    EXPECT_EQ(rows.Position(0), static_cast<size_t>(std::stoul(lines[0].substr(6)))) << letters;
  }
}

TEST_F(FrameTest, ScheduleWithAllColumnsSplitsTheSpareWidthSevenWays) {
  WriteLeague({.scheduleItems = "********************"});
  Open();
  grid.ClientWidth = 1000;
  Show(ScheduleTab);
  ASSERT_EQ(grid.ColCount(), 21);
  EXPECT_EQ(grid.WideColumns, (std::vector<int>{3, 8, 10, 14, 16, 18, 20}));
  // D = 1000 / 28 = 35; R = 1000 - 13 * 35 - 21 = 524; e = 74; Field Name gets 524 - 6 * 74.
  EXPECT_EQ(grid.ColWidth(0), 0);
  EXPECT_EQ(grid.ColWidth(1), 35);
  EXPECT_EQ(grid.ColWidth(3), 80);
  for (int c : {8, 10, 14, 16, 18, 20}) EXPECT_EQ(grid.ColWidth(c), 74) << c;
  EXPECT_EQ(WidthSum(grid), 1000 - 21);
  EXPECT_EQ(grid.FocusColumn, 3);
  EXPECT_EQ(Headers()[12], " Ump#");
  EXPECT_EQ(Headers()[19], " Ump Name");
  // The empty schedule: header and one blank row, nothing to note or print.
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_TRUE(host.commands.Update);
  EXPECT_FALSE(host.commands.Note);
}

TEST_F(FrameTest, DefaultScheduleColumnsAndResizing) {
  WriteLeague({});
  Open();
  grid.ClientWidth = 540;
  tables->BottomTabClick(ScheduleTab);
  EXPECT_EQ(Headers(), (Strings{" Fld#", " Field Name", " Day", " Date", " Time", " Home", " Away"}));
  EXPECT_EQ(grid.WideColumns, (std::vector<int>{2}));
  EXPECT_EQ(store->YearsHeader.CurTab, "7");
  // D = 540 / 9 = 60; the one wide column takes 540 - 6 * 60 - 8.
  EXPECT_EQ(grid.ColWidth(2), 172);
  EXPECT_EQ(grid.ColWidth(7), 60);

  const int changes = host.gridChanges;
  grid.ClientWidth = 800;
  tables->FormResize(600, 820, false);
  EXPECT_EQ(grid.ColWidth(2), 800 - 6 * (800 / 9) - 8);
  EXPECT_GT(host.gridChanges, changes);
  EXPECT_EQ(store->YearsHeader.WinHeight, "");  // maximised: the size is not kept
  tables->FormResize(600, 820, true);
  EXPECT_EQ(store->YearsHeader.WinHeight, "600");
  EXPECT_EQ(store->YearsHeader.WinWidth, "820");
}

TEST_F(FrameTest, NoWideColumnGivesTheSpareToTheLastColumn) {
  WriteLeague({.standingsItems = "**"});
  WriteTeams({"|1|Tigers|1|0||"});
  Open();
  grid.ClientWidth = 400;
  Show(TeamsTab);
  EXPECT_EQ(Headers(), (Strings{" Place", " Team#"}));
  // C = 3, n = 1, D = 100, R = 400 - 100 - 3.
  EXPECT_EQ(grid.ColWidth(1), 100);
  EXPECT_EQ(grid.ColWidth(2), 297);
  EXPECT_EQ(grid.FocusColumn, 2);
  EXPECT_EQ(grid.Col, 2);  // the focus moved to the current row
  EXPECT_TRUE(host.commands.Note);
}

TEST_F(FrameTest, EveryColumnHiddenLeavesOnlyTheKeyColumn) {
  WriteLeague({.standingsItems = "        "});
  WriteTeams({"|1|Tigers|1|0||"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.ColWidth(0), 0);
  EXPECT_EQ(grid.FocusColumn, 0);
  EXPECT_TRUE(host.commands.Setup);
  EXPECT_FALSE(host.commands.Update);
  EXPECT_FALSE(host.commands.Note);
  EXPECT_FALSE(host.commands.Print);
  EXPECT_EQ(grid.Cell(0, 1), "1");  // the row is still there, keyed
}

TEST_F(FrameTest, NoLeagueOpenDisablesSetupAndFont) {
  data.Write("Baseball.Years", {"Y|0||||||"});
  Open();
  Show(TeamsTab);
  EXPECT_FALSE(host.commands.Setup);
  EXPECT_FALSE(host.commands.Font);
  EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(FrameTest, StandingsColumnChoice) {
  WriteLeague({.standingsItems = " **  * *"});
  WriteTeams({"|12|Tigers|6|2|1|"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(Headers(), (Strings{" Team#", " Team Name", " Tied", " GB"}));
  EXPECT_EQ(grid.Cell(1, 1), " 12");
  EXPECT_EQ(grid.Cell(3, 1), " 1");
  EXPECT_EQ(grid.WideColumns, (std::vector<int>{2}));
}

TEST_F(FrameTest, PlayerColumnsFollowTheTabBits) {
  // Column 58 (the first user column) on tab 6 besides the defaults; Player
  // Name (3) taken off tab 2 only.
  std::string flags(61, ' ');
  flags[2] = static_cast<char>(0xBD);
  flags[57] = static_cast<char>(0xA0);
  WriteLeague({.columnFlags = flags, .user1 = "Clutch", .user2 = "Unused"});
  WriteTeams({"|1|Tigers|1|0||1|"});
  WritePlayers(1, {PlayerLine("7", "Smith", {{Fig::C1, "4"}})});
  Open();

  Show(PlayersTab);
  EXPECT_EQ(Headers(), (Strings{" No", " Player Name", " G", " AB", " H", " W", " Sac", " Avg", " Slg", " OB%",
                                " PA", " BO"}));
  Show(HittingTab);
  EXPECT_EQ(Headers(), (Strings{" No", " 1B", " 2B", " 3B", " HR", " RBI", " SO", " BB", " HP", " WCI", " SBnt",
                                " SFly"}));
  EXPECT_TRUE(grid.WideColumns.empty());
  Show(RunningTab);
  EXPECT_EQ(Headers(), (Strings{" No", " Player Name", " RS", " PkO", " SA", " SB", " CS", " SB%"}));
  Show(PitchingTab);
  EXPECT_EQ(Headers(), (Strings{" No", " Player Name", " GP", " IP", " PT", " HA", " WA", " BSO", " RA", " ER",
                                " ERA", " Won", " Lost", " W%"}));
  Show(FieldingTab);
  EXPECT_EQ(Headers(), (Strings{" No", " Player Name", " Inn", " Pos", " PB", " PO", " A", " TC", " Err", " F%"}));
  Show(CustomTab);
  EXPECT_EQ(Headers(), (Strings{" Seq", " No", " Player Name", "Clutch"}));
  EXPECT_EQ(Column("Clutch"), (Strings{" 4", " 4"}));  // the player and the totals
}

TEST_F(FrameTest, LongTextsAreCutToFortyCharacters) {
  WriteLeague({});
  WriteTeams({"|1|" + std::string(40, 'N') + "|1|0||"});
  Open();
  Show(TeamsTab);
  EXPECT_EQ(grid.Cell(ColumnOf(" Team Name"), 1), " " + std::string(39, 'N'));
}

TEST_F(FrameTest, SelectingTheCurrentRowRewritesNothing) {
  WriteLeague({.curTeam = "2"});
  WriteTeams({"|1|First|5|0||", "|2|Second|1|1||"});
  Open();
  Show(TeamsTab);
  ASSERT_EQ(Keys(), (Strings{"1", "2"}));
  ASSERT_EQ(grid.Row, 2);
  const std::string before = store->Leagues[1];

  tables->TableSelectCell(1, 2);
  tables->TableSelectCell(0, 1);  // the hidden key column
  EXPECT_FALSE(store->LeaguesChanged);
  EXPECT_EQ(store->CurrentLeague.CurTeam, "2");

  tables->TableSelectCell(2, 1);
  EXPECT_TRUE(store->LeaguesChanged);
  EXPECT_EQ(store->CurrentLeague.CurTeam, "1");
  EXPECT_EQ(store->CurrentTeam.Name, "First");
  EXPECT_NE(store->Leagues[1], before);
}

TEST_F(FrameTest, SelectingAPlayerRowMakesItCurrent) {
  WriteLeague({});
  WriteTeams({"|1|Tigers|1|0||1|"});
  WritePlayers(1, {PlayerLine("7", "Smith", {}), PlayerLine("8", "Jones", {})});
  Open();
  Show(PlayersTab);
  ASSERT_EQ(Keys(), (Strings{"1", "2", "2"}));  // the totals row repeats the last key
  EXPECT_FALSE(store->TeamsChanged);

  tables->TableSelectCell(1, 1);
  EXPECT_FALSE(store->TeamsChanged);
  tables->TableSelectCell(1, 3);  // the totals row selects the last player
  EXPECT_TRUE(store->TeamsChanged);
  EXPECT_EQ(store->CurrentTeam.CurPlayer, "2");
  EXPECT_EQ(store->CurrentPlayer.Name, "Jones");
  EXPECT_EQ(store->Teams[1], "|1|Tigers|1|0||2|");
}

}  // namespace
}  // namespace scv::test
