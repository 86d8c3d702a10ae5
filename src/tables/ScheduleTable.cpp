// The "Schedule" tab: one row per live game of the current league, sorted by
// the league's schedule sort choice, narrowed by the team and umpire filter.
#include <algorithm>

#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Schedule.h"
#include "tables/Tables.h"

namespace scv {

void Tables::ClearScheduleFilter() {
  TeamFilter.clear();
  UmpireFilter.clear();
}

void Tables::SetScheduleFilter(std::string_view team, std::string_view umpire) {
  TeamFilter = Cut(team, Width::Index);
  UmpireFilter = Cut(umpire, Width::Index);
}

bool Tables::ScheduleFilterPasses(const GameRecord& game) const {
  if (!TeamFilter.empty() && TeamFilter != game.Home && TeamFilter != game.Away) return false;
  if (!UmpireFilter.empty()) {
    bool found = false;
    for (int k = 1; k <= 4; ++k) found = found || UmpireFilter == game.Umpire(k);
    if (!found) return false;
  }
  return true;
}

void Tables::BuildSchedule() {
  DataStore& s = store;
  // When a list cannot be read (the error has been shown), the lists in
  // memory may be another league's: show no game rather than those.
  if (!s.LoadGames() || !s.LoadFields() || !s.LoadUmpires()) {
    PrepareRows(0);
    s.ReadGame(s.CurrentLeague.CurGame);
    s.ReadTeam(s.CurrentLeague.CurTeam);
    return;
  }

  const int choice = ScheduleSortChoice(s.CurrentLeague);
  const bool descending = ScheduleSortDescending(s.CurrentLeague);
  const size_t lines = s.Games.size();
  progress.SetMax(static_cast<int>(std::min<size_t>(2 * lines, 0x7fffffff)));

  for (size_t i = 1; i < lines; ++i) {
    s.ReadGame(static_cast<int64_t>(i));
    progress.Step();
    const GameRecord& game = s.CurrentGame;
    if (!game.Mark.empty() || !ScheduleFilterPasses(game)) continue;
    // Only the records the sort key needs are read.
    NamedRecord field;
    TeamRecord home, away;
    if (choice == SortByHome || choice == SortByAway) {
      s.ReadTeam(game.Home);
      home = s.CurrentTeam;
      s.ReadTeam(game.Away);
      away = s.CurrentTeam;
    } else {
      s.ReadField(game.Field);
      field = s.CurrentField;
    }
    Rows.Add(ScheduleSortKey(choice, game, field, home, away) + std::to_string(i));
  }

  const int count = Rows.Count();
  PrepareRows(count);
  if (count > 0) {
    for (int r = 1; r <= count; ++r) {
      const std::string key = ScheduleLinePosition(Rows[descending ? count - r : r - 1]);
      grid.SetCell(0, r, key);
      if (key == s.CurrentLeague.CurGame) grid.Row = r;
      s.ReadGame(key);
      const GameRecord game = s.CurrentGame;
      s.ReadField(game.Field);

      ResetPlacement(r);
      PutCell(" " + std::to_string(r));
      PutCell(" " + s.CurrentField.No);
      PutCell(" " + s.CurrentField.Name);
      PutCell(WeekdayCell(game.Date));
      PutCell(DateCell(game.Date));
      PutCell(TimeCell(game.Time));
      s.ReadTeam(game.Home);
      PutCell(" " + s.CurrentTeam.No);
      PutCell(" " + s.CurrentTeam.Name);
      s.ReadTeam(game.Away);
      PutCell(" " + s.CurrentTeam.No);
      PutCell(" " + s.CurrentTeam.Name);
      PutCell(" " + game.HTS);
      PutCell(" " + game.ATS);
      for (int k = 1; k <= 4; ++k) {
        s.ReadUmpire(game.Umpire(k));
        PutCell(" " + s.CurrentUmpire.No);
        PutCell(" " + s.CurrentUmpire.Name);
      }
      progress.Step();
    }

    // The current game was deleted, filtered out or never chosen: the focus
    // row's game becomes current.
    const std::string& focusKey = grid.Cell(0, grid.Row);
    if (focusKey != s.CurrentLeague.CurGame) {
      s.CurrentLeague.CurGame = Cut(focusKey, Width::Index);
      s.WriteLeague();
    }
  }
  s.ReadGame(s.CurrentLeague.CurGame);
  // The build read other teams into the current team record.
  s.ReadTeam(s.CurrentLeague.CurTeam);
}

}  // namespace scv
