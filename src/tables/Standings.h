#pragma once
// The standings of the "Teams" tab: the ratio text shared by every percentage
// of the tables, the row-list line that ranks a team, and the games-behind
// text.
#include <cstdint>
#include <string>

namespace scv {

// n / d to three decimals, truncated, in five characters: " .666", "1.000";
// five spaces when d is 0, "9.999" at most.
std::string FormatRatio(int64_t n, int64_t d);

// The row-list line of a live team: its percentage (5 characters; a
// negative one as two spaces and 999 less its thousandths, so that it ranks
// below .000 and above no decided game), the tie value (5 digits) and its
// position in the team list. Read backwards, the sorted lines rank the teams.
std::string StandingsLine(int64_t won, int64_t lost, int64_t position);
// The line without its position: the sort key of the row list (10 characters).
std::string StandingsKey(int64_t won, int64_t lost);

// Games behind the leader for d = (W0 - W) + (L - L0): ".5", "3.5", "2", or
// the empty text when d <= 0.
std::string GamesBehindText(int64_t d);

}  // namespace scv
