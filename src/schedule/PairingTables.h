#pragma once
// The round-robin pairing tables of the schedule maker, one for each league
// size from 3 to 20 teams: the order in which the teams meet, home team
// first, as team numbers 1..n.
#include <utility>
#include <vector>

namespace scv {

constexpr int kFewestTeams = 3;
constexpr int kMostTeams = 20;

// One game of a table: home and away team numbers.
using Pairing = std::pair<int, int>;

// The table for n teams; empty for any other n. For 3 and 4 teams every
// ordered pair plays once (each two teams meet twice, once at each home);
// for 5 to 20 every two teams meet once.
const std::vector<Pairing>& PairingTable(int teams);

}  // namespace scv
