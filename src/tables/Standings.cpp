#include "tables/Standings.h"

#include <algorithm>

#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Tables.h"

namespace scv {

std::string FormatRatio(int64_t n, int64_t d) {
  if (d == 0) return "     ";
  int64_t v = n * 1000 / d;  // C++ division truncates toward zero
  if (v < 0) {
    // Only possible with negative counts typed into a total.
    return "-." + ZeroPadded(std::min<int64_t>(-v, 999), 3);
  }
  if (v < 1000) return " ." + ZeroPadded(v, 3);
  if (v > 9999) return "9.999";
  std::string digits = ZeroPadded(v, 4);
  return digits.substr(0, 1) + "." + digits.substr(1);
}

std::string StandingsKey(int64_t won, int64_t lost) {
  int64_t g = lost < won ? won + lost : 1000 - (won + lost);
  std::string tie = "000000000" + std::to_string(g);
  std::string pct = FormatRatio(won, won + lost);
  if (pct[0] == '-') {
    // A negative percentage (negative counts typed into a total) would sort
    // its "-" above every " .xxx". As "  " and 999 less the thousandths it
    // ranks below " .000" and above the five spaces of no decided game.
    const int64_t v = std::max<int64_t>(-999, won * 1000 / (won + lost));
    pct = "  " + ZeroPadded(999 + v, 3);
  }
  return pct + tie.substr(tie.size() - 5);
}

std::string StandingsLine(int64_t won, int64_t lost, int64_t position) {
  return StandingsKey(won, lost) + FigureText(position);
}

std::string GamesBehindText(int64_t d) {
  std::string suffix = d > 0 && d % 2 != 0 ? ".5" : "";
  int64_t h = d / 2;
  if (h > 0) return Cut(std::to_string(h) + suffix, 5);
  return suffix;
}

namespace {

// A standings row: place, number, name, won, lost, tied as stored, the
// percentage and the games behind the leader of row 1.
class StandingsRows : public TableRows {
 public:
  StandingsRows(const DataStore& s, std::vector<char> shown, std::vector<uint32_t> positions,
                int64_t leaderWon, int64_t leaderLost)
      : TableRows(s.Teams, s.TeamsKey, std::move(shown), std::move(positions)),
        leaderWon_(leaderWon),
        leaderLost_(leaderLost) {}

 protected:
  void FormatRecord(int row, std::string_view line, CellPlacer& p) const override {
    const TeamView team = ViewTeam(line);
    const int64_t won = ParseFigure(team.Won), lost = ParseFigure(team.Lost);
    p.Put(" ", std::to_string(row));
    p.Put(" ", team.No);
    p.Put(" ", team.Name);
    p.Put(" ", team.Won);
    p.Put(" ", team.Lost);
    p.Put(" ", team.Tied);
    p.Put(FormatRatio(won, won + lost));
    p.Put(" ", GamesBehindText((leaderWon_ - won) + (lost - leaderLost_)));
  }

 private:
  int64_t leaderWon_, leaderLost_;
};

}  // namespace

void Tables::BuildStandings() {
  DataStore& s = store;
  progress.SetMax(static_cast<int>(std::min<size_t>(2 * s.Teams.size(), 0x7fffffff)));
  for (size_t i = 1; i < s.Teams.size(); ++i) {
    progress.Step();
    const TeamView team = ViewTeam(s.Teams[i]);
    if (!team.Mark.empty()) continue;
    Rows.Add(StandingsKey(ParseFigure(team.Won), ParseFigure(team.Lost)), i);
  }
  const int count = Rows.Count();
  if (count == 0) {
    PrepareRows(0);
    s.ReadTeam(s.CurrentLeague.CurTeam);
    return;
  }

  // Read backwards, the list ranks the teams: the highest percentage first.
  std::vector<uint32_t> positions(static_cast<size_t>(count));
  for (int r = 1; r <= count; ++r) {
    positions[static_cast<size_t>(r - 1)] = static_cast<uint32_t>(Rows.Position(count - r));
    progress.Step();
  }
  const TeamView leader = ViewTeam(s.Teams[positions.front()]);
  auto rows = std::make_shared<StandingsRows>(s, ShownColumns(), std::move(positions),
                                              ParseFigure(leader.Won), ParseFigure(leader.Lost));
  if (const int r = RowOf(*rows, s.CurrentLeague.CurTeam)) grid.Row = r;
  PrepareRows(count, rows);

  // The current team was deleted or not found: the focus row's team becomes current.
  const std::string focusKey = FigureText(rows->PositionAt(grid.Row));
  if (focusKey != s.CurrentLeague.CurTeam) {
    s.CurrentLeague.CurTeam = Cut(focusKey, Width::Index);
    s.WriteLeague();
  }
  s.ReadTeam(s.CurrentLeague.CurTeam);
}

}  // namespace scv
