#include "tables/Columns.h"

#include "store/Records.h"
#include "tables/PlayerFigures.h"
#include "tables/Tables.h"

namespace scv {

const std::array<ColumnSpec, TeamColumnCount> TeamColumns = {{
    {" Place", false},
    {" Team#", false},
    {" Team Name", true},
    {" Won", false},
    {" Lost", false},
    {" Tied", false},
    {" Pct.", false},
    {" GB", false},
}};

namespace {
using S = PlayerSource;
constexpr PlayerColumnSpec Stored(const char* header, int figure) {
  return {header, false, S::Figure, figure};
}
constexpr PlayerColumnSpec Cached(const char* header, int derived) {
  return {header, false, S::Derived, derived};
}
}  // namespace

const std::array<PlayerColumnSpec, PlayerColumnCount> PlayerColumns = {{
    {" Seq", false, S::Seq, 0},
    {" No", false, S::No, 0},
    {" Player Name", true, S::Name, 0},
    {" G", false, S::TeamGames, Fig::G},
    Cached(" AB", Derived::AB),
    Cached(" H", Derived::H),
    Cached(" W", Derived::W),
    Cached(" Sac", Derived::Sac),
    Cached(" Avg", Derived::Avg),
    Cached(" Slg", Derived::Slg),
    Cached(" OB%", Derived::OBP),
    Stored(" Inn", Fig::Inn),
    Stored(" PA", Fig::PA),
    {" BO", false, S::Text, Fig::BO},
    Stored(" RS", Fig::RS),
    Stored(" PkO", Fig::PkO),
    Cached(" SA", Derived::SA),
    Stored(" SB", Fig::SB),
    Stored(" CS", Fig::CS),
    Cached(" SB%", Derived::SBP),
    Stored(" 1B", Fig::Single),
    Stored(" 2B", Fig::Double),
    Stored(" 3B", Fig::Triple),
    Stored(" HR", Fig::HR),
    Stored(" RBI", Fig::RBI),
    Stored(" SO", Fig::SO),
    Stored(" BB", Fig::BB),
    Stored(" HP", Fig::HP),
    Stored(" WCI", Fig::WCI),
    Stored(" SBnt", Fig::SBnt),
    Stored(" SFly", Fig::SFly),
    {" Pos", false, S::Text, Fig::Pos},
    Stored(" PB", Fig::PB),
    Stored(" PO", Fig::PO),
    Stored(" A", Fig::A),
    Cached(" TC", Derived::TC),
    Stored(" Err", Fig::Err),
    Cached(" F%", Derived::FP),
    {" GP", false, S::GamesPitched, Fig::GP},
    {" IP", false, S::Innings, Fig::IP},
    Stored(" ST", Fig::ST),
    Stored(" BT", Fig::BT),
    Cached(" PT", Derived::PT),
    Stored(" WP", Fig::WP),
    Stored(" Bks", Fig::Bks),
    Stored(" HA", Fig::HA),
    Stored(" WA", Fig::WA),
    Stored(" BH", Fig::BH),
    Stored(" BSO", Fig::BSO),
    Stored(" RPO", Fig::RPO),
    Stored(" RA", Fig::RA),
    Stored(" ER", Fig::ER),
    Cached(" ERA", Derived::ERA),
    Stored(" Won", Fig::Won),
    Stored(" Lost", Fig::Lost),
    Cached(" W%", Derived::WP),
    Stored(" Sv", Fig::Sv),
    Stored(nullptr, Fig::C1),
    Stored(nullptr, Fig::C2),
    Stored(nullptr, Fig::C3),
    Stored(nullptr, Fig::C4),
}};

const std::array<ColumnSpec, ScheduleColumnCount> ScheduleColumns = {{
    {" Game", false},
    {" Fld#", false},
    {" Field Name", true},
    {" Day", false},
    {" Date", false},
    {" Time", false},
    {" Home", false},
    {" Home Team", true},
    {" Away", false},
    {" Away Team", true},
    {" HTS", false},
    {" ATS", false},
    {" Ump#", false},
    {" Ump Name", true},
    {" Ump#", false},
    {" Ump Name", true},
    {" Ump#", false},
    {" Ump Name", true},
    {" Ump#", false},
    {" Ump Name", true},
}};

// The setup dialogs' captions, used as they stand (spaces and spellings too).
const std::array<const char*, TeamColumnCount> StandingsItemNames = {{
    "Place in Team Standings",
    "Team Number",
    "Team Name",
    "Games Won",
    "Games Lost",
    "Games Tied",
    "Winning Percentage",
    "Games Behind",
}};

const std::array<const char*, PlayerColumnCount> PlayerItemNames = {{
    "Sequence Nunber (Seq)",
    "Player Number (No)",
    "Player Name (Name) ",
    "Games Played (G)",
    "Official At Bats (AB)",
    "Total Hits (H)",
    "Total Walks (W)",
    "Total Sacrifices (Sac)",
    "Batting Average (Avg)",
    "Slugging Pct (Slg)",
    "On Base Pct (OB%)",
    "Innings Played (Inn)",
    "Plate Appearences (PA) ",
    "Batting Order (BO)",
    "Runs Scored (RS)",
    "Picked Off (PkO)",
    "Steals Attempted (SA)",
    "Stolen Bases (SB)",
    "Caught Stealing (CS)",
    "Stolen Base Pct (SB%)",
    "Singles (1B)",
    "Doubles (2B)",
    "Triples (3B)",
    "Home Runs (HR)",
    "Runs Batted In (RBI)",
    "Strike Outs (SO)",
    "Bases on Balls (BB)",
    "Hit by Pitches (HP)",
    "Walk Catcher Intrfrd (WCI)",
    "Sacrifice Bunts (SBnt) ",
    "Sacrifice Flies (SFly)",
    "Field Position (Pos)",
    "Passed Balls (PB)",
    "Put Outs (PO)",
    "Assists Made (A)",
    "Total Chances (TC)",
    "Errors Made (Err)",
    "Fielding Pct (Fld%)",
    "Games Pitched (GP)",
    "Innings Pitched (IP)",
    "Strikes Thrown (ST)",
    "Balls Thrown (BT)",
    "Pitches Thrown (PT)",
    "Wild Pitches (WP)",
    "Balks (Bks)",
    "Hits Allowed (HA)",
    "Walks Allowed (WA)",
    "Batters Hit (BH)",
    "Batters Struck Out (BSO)",
    "Runners Picked Off (RPO)",
    "Runs Allowed (RA)",
    "Earned Runs (ER)",
    "Earn Run Avg (ERA)",
    "Games Won (Won)",
    "Games Lost (Lost)",
    "Winning Pct (W%)",
    "Games Saved (Sv)",
    "User Defined",
    "User Defined",
    "User Defined",
    "User Defined",
}};

const std::array<const char*, ScheduleColumnCount> ScheduleItemNames = {{
    "Game Number",     "Field Number",     "Field Name",      "Game Day",         "Game Date",
    "Game Time",       "Home Team Number", "Home Team Name",  "Away Team Number", "Away Team Name",
    "Home Team Score", "Away Team Score",  "Umpire 1 Number", "Umpire 1 Name",    "Umpire 2 Number",
    "Umpire 2 Name",   "Umpire 3 Number",  "Umpire 3 Name",   "Umpire 4 Number",  "Umpire 4 Name",
}};

namespace {
size_t SortPosition(int tab) { return static_cast<size_t>(tab - 1); }
}  // namespace

int PlayerSortColumn(const LeagueRecord& league, int tab) {
  const size_t pos = SortPosition(tab);
  if (tab < PlayersTab || tab > CustomTab || pos >= league.SortKeys.size()) return 2;
  const int k = static_cast<unsigned char>(league.SortKeys[pos]) - 127;
  return k >= 1 && k <= PlayerColumnCount ? k : 2;
}

bool PlayerSortDescending(const LeagueRecord& league, int tab) {
  const size_t pos = SortPosition(tab);
  return tab >= PlayersTab && tab <= CustomTab && pos < league.SortDown.size() && league.SortDown[pos] == '1';
}

void SetPlayerSort(LeagueRecord& league, int tab, int column, bool descending) {
  if (tab < PlayersTab || tab > CustomTab || column < 1 || column > PlayerColumnCount) return;
  if (league.SortKeys.size() < Width::SortKeys)
    league.SortKeys.resize(Width::SortKeys, static_cast<char>(129));
  if (league.SortDown.size() < Width::SortDown) league.SortDown.resize(Width::SortDown, ' ');
  league.SortKeys[SortPosition(tab)] = static_cast<char>(128 + column - 1);
  league.SortDown[SortPosition(tab)] = descending ? '1' : ' ';
}

std::string ColumnName(int tab, int k, const LeagueRecord& league) {
  if (k < 1) return std::string();
  const auto i = static_cast<size_t>(k - 1);
  if (tab == TeamsTab) return i < StandingsItemNames.size() ? StandingsItemNames[i] : "";
  if (tab == ScheduleTab) return i < ScheduleItemNames.size() ? ScheduleItemNames[i] : "";
  if (i >= PlayerItemNames.size()) return std::string();
  if (k >= FirstUserColumn && !league.UserHeader(k - FirstUserColumn + 1).empty())
    return league.UserHeader(k - FirstUserColumn + 1);
  return PlayerItemNames[i];
}

}  // namespace scv
