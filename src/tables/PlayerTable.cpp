// The six player tabs: one row per live player of the current team, sorted by
// the tab's sort column, and a totals row for the team.
#include <algorithm>

#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Columns.h"
#include "tables/Tables.h"

namespace scv {

namespace {

constexpr size_t kKeyWidth = 20;

std::string RightAligned(std::string_view text) {
  if (text.size() >= kKeyWidth) return std::string(text.substr(text.size() - kKeyWidth));
  return std::string(kKeyWidth - text.size(), ' ') + std::string(text);
}

// The sort key of a player for player column k: 20 characters, so that the
// player's position can be read back from character 21 on.
std::string SortKey(int k, const PlayerRecord& player, const DerivedTexts& derived, size_t position) {
  const PlayerColumnSpec& column = PlayerColumns[static_cast<size_t>(k - 1)];
  switch (column.Source) {
    case PlayerSource::Seq:
      // The list order itself, compared as numbers.
      return RightAligned(std::to_string(position));
    case PlayerSource::Name: {
      std::string name = Cut(UpperCase(player.Name), kKeyWidth);
      name.resize(kKeyWidth, ' ');
      return name;
    }
    case PlayerSource::No:
      return RightAligned(player.No);
    case PlayerSource::Derived:
      return RightAligned(derived[static_cast<size_t>(column.Index)]);
    default:
      return RightAligned(player.Figures[static_cast<size_t>(column.Index)]);
  }
}

std::string PlayerCell(const PlayerColumnSpec& column, int row, const PlayerRecord& player,
                       const DerivedTexts& derived) {
  switch (column.Source) {
    case PlayerSource::Seq:
      return " " + std::to_string(row);
    case PlayerSource::No:
      return " " + player.No;
    case PlayerSource::Name:
      return " " + player.Name;
    case PlayerSource::Derived:
      return derived[static_cast<size_t>(column.Index)];
    case PlayerSource::Innings:
      return FormatInnings(ParseFigure(player.Figures[Fig::IP]), ParseFigure(player.Figures[Fig::IP3]));
    default:
      return " " + player.Figures[static_cast<size_t>(column.Index)];
  }
}

std::string TotalCell(const PlayerColumnSpec& column, const PlayerFigureCache& cache, int64_t teamGames) {
  switch (column.Source) {
    case PlayerSource::Seq:
    case PlayerSource::No:
    case PlayerSource::Text:
      return " ***";
    case PlayerSource::Name:
      return " Totals";
    case PlayerSource::Derived:
      return cache.TotalTexts[static_cast<size_t>(column.Index)];
    case PlayerSource::TeamGames:
      return CountText(teamGames);
    case PlayerSource::GamesPitched:
      return CountText(cache.Totals[Fig::Won] + cache.Totals[Fig::Lost]);
    case PlayerSource::Innings:
      return FormatInnings(cache.Totals[Fig::IP], cache.Totals[Fig::IP3]);
    case PlayerSource::Figure:
      break;
  }
  return CountText(cache.Totals[static_cast<size_t>(column.Index)]);
}

}  // namespace

void Tables::BuildPlayers() {
  DataStore& s = store;
  Caption += " - " + s.CurrentTeam.Name;

  if (!s.LoadPlayers()) {
    // The players in memory belong to another team; the error has been shown.
    PrepareRows(0);
    return;
  }
  // The team's games come from its own record, which the team dialog may
  // have changed since the figures were cached.
  const int64_t teamGames =
      ParseFigure(s.CurrentTeam.Won) + ParseFigure(s.CurrentTeam.Lost) + ParseFigure(s.CurrentTeam.Tied);
  const size_t lines = s.Players.size();
  progress.SetMax(static_cast<int>(std::min<size_t>(2 * lines, 0x7fffffff)));
  if (!Cache.IsFor(s.PlayersKey, lines, InningsPerGame(s.CurrentLeague.Innings)))
    ComputePlayerFigures(s, Cache, progress);

  const int k = PlayerSortColumn(s.CurrentLeague, CurrentTab);
  const bool descending = PlayerSortDescending(s.CurrentLeague, CurrentTab);

  for (size_t i = 1; i < lines; ++i) {
    s.ReadPlayer(static_cast<int64_t>(i));
    progress.Step();
    if (!s.CurrentPlayer.Mark.empty()) continue;
    Rows.Add(SortKey(k, s.CurrentPlayer, Cache.Entries[i], i) + std::to_string(i));
  }

  const int count = Rows.Count();
  PrepareRows(count);
  if (count == 0) {
    s.ReadPlayer(s.CurrentTeam.CurPlayer);
    return;
  }

  static const DerivedTexts kNone;
  for (int r = 1; r <= count; ++r) {
    const std::string& line = Rows[descending ? count - r : r - 1];
    std::string key = line.size() > kKeyWidth ? line.substr(kKeyWidth) : std::string();
    grid.SetCell(0, r, key);
    if (key == s.CurrentTeam.CurPlayer) grid.Row = r;
    const int64_t index = ParseFigure(key);
    s.ReadPlayer(index);
    const DerivedTexts& derived =
        index > 0 && static_cast<size_t>(index) < Cache.Entries.size() ? Cache.Entries[static_cast<size_t>(index)]
                                                                        : kNone;
    ResetPlacement(r);
    for (const PlayerColumnSpec& column : PlayerColumns) PutCell(PlayerCell(column, r, s.CurrentPlayer, derived));
    progress.Step();
  }

  // The totals row carries the key of the last player, so selecting it
  // selects that player.
  const int totalsRow = grid.RowCount();
  grid.SetRowCount(totalsRow + 1);
  grid.SetCell(0, totalsRow, grid.Cell(0, totalsRow - 1));
  ResetPlacement(totalsRow);
  for (const PlayerColumnSpec& column : PlayerColumns) PutCell(TotalCell(column, Cache, teamGames));

  const std::string& focusKey = grid.Cell(0, grid.Row);
  if (focusKey != s.CurrentTeam.CurPlayer) {
    s.CurrentTeam.CurPlayer = Cut(focusKey, Width::Index);
    s.WriteTeam();
  }
  s.ReadPlayer(s.CurrentTeam.CurPlayer);
}

}  // namespace scv
