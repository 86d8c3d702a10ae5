#pragma once
// The column catalogue of the main tables: the logical columns of each table
// kind in their fixed order, with header texts and the wide (name) columns
// that share out the spare width.
#include <array>

namespace scv {

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

}  // namespace scv
