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
std::string SortKey(int k, const PlayerView& player, const DerivedTexts& derived, size_t position) {
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

void PutPlayerCell(CellPlacer& p, const PlayerColumnSpec& column, int row, const PlayerView& player,
                   const DerivedTexts& derived) {
  switch (column.Source) {
    case PlayerSource::Seq:
      return p.Put(" ", std::to_string(row));
    case PlayerSource::No:
      return p.Put(" ", player.No);
    case PlayerSource::Name:
      return p.Put(" ", player.Name);
    case PlayerSource::Derived:
      return p.Put(derived[static_cast<size_t>(column.Index)]);
    case PlayerSource::Innings:
      return p.Put(
          FormatInnings(ParseFigure(player.Figures[Fig::IP]), ParseFigure(player.Figures[Fig::IP3])));
    default:
      return p.Put(" ", player.Figures[static_cast<size_t>(column.Index)]);
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

const DerivedTexts kNoFigures;

// A player row per live player, then the team's totals row.
class PlayerRows : public TableRows {
 public:
  PlayerRows(const DataStore& s, std::vector<char> shown, std::vector<uint32_t> positions,
             std::shared_ptr<const std::vector<DerivedTexts>> derived, std::vector<std::string> totals)
      : TableRows(s.Players, s.PlayersKey, std::move(shown), std::move(positions)),
        derived_(std::move(derived)),
        totals_(std::move(totals)) {}

 protected:
  void FormatRecord(int row, std::string_view line, CellPlacer& p) const override {
    const PlayerView player = ViewPlayer(line);
    const size_t position = PositionAt(row);
    const DerivedTexts& derived =
        derived_ && position < derived_->size() ? (*derived_)[position] : kNoFigures;
    for (const PlayerColumnSpec& column : PlayerColumns) {
      if (p.Wanted())
        PutPlayerCell(p, column, row, player, derived);
      else
        p.Put(std::string_view());
    }
  }
  void FormatExtra(int, CellPlacer& p) const override {
    for (const std::string& text : totals_) p.Put(text);
  }

 private:
  std::shared_ptr<const std::vector<DerivedTexts>> derived_;
  std::vector<std::string> totals_;
};

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

  const std::vector<DerivedTexts>& derived = *Cache.Entries;
  for (size_t i = 1; i < lines; ++i) {
    progress.Step();
    const PlayerView player = ViewPlayer(s.Players[i]);
    if (!player.Mark.empty()) continue;
    Rows.Add(SortKey(k, player, derived[i], i), i);
  }

  const int count = Rows.Count();
  if (count == 0) {
    PrepareRows(0);
    s.ReadPlayer(s.CurrentTeam.CurPlayer);
    return;
  }

  std::vector<uint32_t> positions(static_cast<size_t>(count));
  for (int r = 1; r <= count; ++r) {
    positions[static_cast<size_t>(r - 1)] =
        static_cast<uint32_t>(Rows.Position(descending ? count - r : r - 1));
    progress.Step();
  }
  std::vector<std::string> totals;
  totals.reserve(PlayerColumns.size());
  for (const PlayerColumnSpec& column : PlayerColumns) totals.push_back(TotalCell(column, Cache, teamGames));
  // The totals row carries the key of the last player, so selecting it
  // selects that player.
  auto rows =
      std::make_shared<PlayerRows>(s, ShownColumns(), std::move(positions), Cache.Entries, std::move(totals));
  if (const int r = RowOf(*rows, s.CurrentTeam.CurPlayer)) grid.Row = r;
  PrepareRows(count, rows, count + 1);

  const std::string focusKey = FigureText(rows->PositionAt(grid.Row));
  if (focusKey != s.CurrentTeam.CurPlayer) {
    s.CurrentTeam.CurPlayer = Cut(focusKey, Width::Index);
    s.WriteTeam();
  }
  s.ReadPlayer(s.CurrentTeam.CurPlayer);
}

}  // namespace scv
