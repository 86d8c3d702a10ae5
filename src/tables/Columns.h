#pragma once
// The column catalogue of the main tables: the logical columns of each table
// kind in their fixed order, with header texts and the wide (name) columns
// that share out the spare width.
#include <array>
#include <string>

namespace scv {

struct LeagueRecord;

struct ColumnSpec {
  const char* Header;
  bool Wide;
};

constexpr int TeamColumnCount = 8;
constexpr int PlayerColumnCount = 61;
constexpr int ScheduleColumnCount = 20;
// Player columns 58 to 61 take their headers from the league's user headers.
constexpr int FirstUserColumn = 58;

// Where a player column's texts come from.
enum class PlayerSource {
  Seq,           // the row number; " ***" in the totals
  No,            // the player number
  Name,          // the player name; " Totals"
  Figure,        // a stored figure; its total
  Text,          // a stored text never summed (BO, Pos); " ***"
  Derived,       // a cached derived figure; the derived total
  TeamGames,     // G: stored; the team's games won, lost and tied
  GamesPitched,  // GP: stored; the pitchers' won and lost totals
  Innings,       // IP with its thirds
};

struct PlayerColumnSpec {
  const char* Header;  // null for the user columns
  bool Wide;
  PlayerSource Source;
  int Index;  // Fig:: index for stored figures, Derived:: index for derived ones
};

extern const std::array<ColumnSpec, TeamColumnCount> TeamColumns;
extern const std::array<PlayerColumnSpec, PlayerColumnCount> PlayerColumns;
extern const std::array<ColumnSpec, ScheduleColumnCount> ScheduleColumns;

// The sort order of player tab t (1 to 6), kept in position t of the
// league's SortKeys (128 + column - 1) and SortDown ("1" descending). An
// unknown code sorts by the player number (column 2).
int PlayerSortColumn(const LeagueRecord& league, int tab);
bool PlayerSortDescending(const LeagueRecord& league, int tab);
// Stores a tab's sort column and direction; the caller writes the record.
void SetPlayerSort(LeagueRecord& league, int tab, int column, bool descending);

// The full names of the columns, as the setup dialogs list them: the check
// box captions of the standings and the schedule, and the player columns'
// sort items ("Batting Average (Avg)"; "User Defined" for the user columns).
extern const std::array<const char*, TeamColumnCount> StandingsItemNames;
extern const std::array<const char*, PlayerColumnCount> PlayerItemNames;
extern const std::array<const char*, ScheduleColumnCount> ScheduleItemNames;

// The full name of logical column k of a tab's table; the user columns take
// the league's headers where they are set.
std::string ColumnName(int tab, int k, const LeagueRecord& league);

}  // namespace scv
