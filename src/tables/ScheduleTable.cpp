// The "Schedule" tab: one row per live game of the current league, sorted by
// the league's schedule sort choice, narrowed by the team and umpire filter.
#include <algorithm>

#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Schedule.h"
#include "tables/Tables.h"

namespace scv {

namespace {

// A game's row: its number in the table, field, day, date, time, teams,
// scores and umpires. The fields, teams and umpires are those of the build.
class ScheduleRows : public TableRows {
 public:
  ScheduleRows(const DataStore& s, std::vector<char> shown, std::vector<uint32_t> positions, NameTable fields,
               NameTable teams, NameTable umpires)
      : TableRows(s.Games, s.GamesKey, std::move(shown), std::move(positions)),
        fields_(std::move(fields)),
        teams_(std::move(teams)),
        umpires_(std::move(umpires)) {}

 protected:
  void FormatRecord(int row, std::string_view line, CellPlacer& p) const override {
    const GameView game = ViewGame(line);
    const auto named = [&p](const NameTable& names, std::string_view index) {
      const size_t i = names.Find(index);
      p.Put(" ", names.No(i));
      p.Put(" ", names.Name(i));
    };
    p.Put(" ", std::to_string(row));
    named(fields_, game.Field);
    const auto date = GameDate(game.Date);
    p.Put(date ? std::string_view(weekdays_[date->dayOfWeek()]) : std::string_view(" "));
    p.Put(date ? DateCell(*date) : std::string(" "));
    p.Put(p.Wanted() ? TimeCell(game.Time) : std::string());
    named(teams_, game.Home);
    named(teams_, game.Away);
    p.Put(" ", game.HTS);
    p.Put(" ", game.ATS);
    for (std::string_view umpire : game.Umpires) named(umpires_, umpire);
  }

 private:
  NameTable fields_, teams_, umpires_;
  WeekdayCells weekdays_;
};

}  // namespace

void Tables::ClearScheduleFilter() {
  TeamFilter.clear();
  UmpireFilter.clear();
}

void Tables::SetScheduleFilter(std::string_view team, std::string_view umpire) {
  TeamFilter = Cut(team, Width::Index);
  UmpireFilter = Cut(umpire, Width::Index);
}

bool Tables::ScheduleFilterPasses(const GameView& game) const {
  if (!TeamFilter.empty() && TeamFilter != game.Home && TeamFilter != game.Away) return false;
  if (!UmpireFilter.empty() &&
      std::find(game.Umpires.begin(), game.Umpires.end(), UmpireFilter) == game.Umpires.end())
    return false;
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

  // The fields and teams are read once, not once a game.
  NameTable fields(s.Fields), teams(s.Teams);
  for (size_t i = 1; i < lines; ++i) {
    progress.Step();
    const GameView game = ViewGame(s.Games[i]);
    if (!game.Mark.empty() || !ScheduleFilterPasses(game)) continue;
    const ScheduleKey key = ScheduleSortKey(choice, game.Date, game.Time, fields.No(fields.Find(game.Field)),
                                            teams.No(teams.Find(game.Home)), teams.No(teams.Find(game.Away)));
    Rows.Add(std::string_view(key.data(), key.size()), i);
  }

  const int count = Rows.Count();
  if (count == 0) {
    PrepareRows(0);
  } else {
    std::vector<uint32_t> positions(static_cast<size_t>(count));
    for (int r = 1; r <= count; ++r) {
      positions[static_cast<size_t>(r - 1)] =
          static_cast<uint32_t>(Rows.Position(descending ? count - r : r - 1));
      progress.Step();
    }
    auto rows = std::make_shared<ScheduleRows>(s, ShownColumns(), std::move(positions), std::move(fields),
                                               std::move(teams), NameTable(s.Umpires));
    if (const int r = RowOf(*rows, s.CurrentLeague.CurGame)) grid.Row = r;
    PrepareRows(count, rows);

    // The current game was deleted, filtered out or never chosen: the focus
    // row's game becomes current.
    const std::string focusKey = FigureText(rows->PositionAt(grid.Row));
    if (focusKey != s.CurrentLeague.CurGame) {
      s.CurrentLeague.CurGame = Cut(focusKey, Width::Index);
      s.WriteLeague();
    }
  }
  s.ReadGame(s.CurrentLeague.CurGame);
  // The current team record is the league's current team again.
  s.ReadTeam(s.CurrentLeague.CurTeam);
}

}  // namespace scv
