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

std::string StandingsLine(int64_t won, int64_t lost, int64_t position) {
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
  return pct + tie.substr(tie.size() - 5) + FigureText(position);
}

std::string GamesBehindText(int64_t d) {
  std::string suffix = d > 0 && d % 2 != 0 ? ".5" : "";
  int64_t h = d / 2;
  if (h > 0) return Cut(std::to_string(h) + suffix, 5);
  return suffix;
}

void Tables::BuildStandings() {
  DataStore& s = store;
  progress.SetMax(static_cast<int>(std::min<size_t>(2 * s.Teams.size(), 0x7fffffff)));
  for (size_t i = 1; i < s.Teams.size(); ++i) {
    s.ReadTeam(static_cast<int64_t>(i));
    progress.Step();
    if (!s.CurrentTeam.Mark.empty()) continue;
    Rows.Add(StandingsLine(ParseFigure(s.CurrentTeam.Won), ParseFigure(s.CurrentTeam.Lost),
                           static_cast<int64_t>(i)));
  }
  const int count = Rows.Count();
  PrepareRows(count);
  if (count == 0) {
    s.ReadTeam(s.CurrentLeague.CurTeam);
    return;
  }

  int64_t leaderWon = 0, leaderLost = 0;
  for (int r = 1; r <= count; ++r) {
    const std::string& line = Rows[count - r];
    std::string key = line.size() > 10 ? line.substr(10) : std::string();
    grid.SetCell(0, r, key);
    if (key == s.CurrentLeague.CurTeam) grid.Row = r;
    s.ReadTeam(key);
    const TeamRecord& team = s.CurrentTeam;
    int64_t won = ParseFigure(team.Won), lost = ParseFigure(team.Lost);
    if (r == 1) {
      leaderWon = won;
      leaderLost = lost;
    }
    ResetPlacement(r);
    PutCell(" " + std::to_string(r));
    PutCell(" " + team.No);
    PutCell(" " + team.Name);
    PutCell(" " + team.Won);
    PutCell(" " + team.Lost);
    PutCell(" " + team.Tied);
    PutCell(FormatRatio(won, won + lost));
    PutCell(" " + GamesBehindText((leaderWon - won) + (lost - leaderLost)));
    progress.Step();
  }

  // The current team was deleted or not found: the focus row's team becomes current.
  const std::string& focusKey = grid.Cell(0, grid.Row);
  if (focusKey != s.CurrentLeague.CurTeam) {
    s.CurrentLeague.CurTeam = Cut(focusKey, Width::Index);
    s.WriteLeague();
  }
  s.ReadTeam(s.CurrentLeague.CurTeam);
}

}  // namespace scv
