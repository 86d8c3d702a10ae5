#include "schedule/PairingTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace scv::test {
namespace {

Pairing Unordered(int a, int b) { return {std::min(a, b), std::max(a, b)}; }

// Every table is checked against what the schedule maker relies on, so a
// mistyped game shows up here.
TEST(PairingTables, EveryTableIsABalancedRoundRobin) {
  // The smallest distance between two games of one team, for 3..20 teams.
  const int spacing[] = {1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 2, 4, 4, 4, 2, 3, 4, 3};
  const std::set<int> inRounds = {3, 4, 5, 6, 8, 10, 13, 14, 15, 16, 17, 18, 19, 20};

  EXPECT_TRUE(PairingTable(2).empty());
  EXPECT_TRUE(PairingTable(21).empty());
  for (int n = kFewestTeams; n <= kMostTeams; ++n) {
    SCOPED_TRACE("teams " + std::to_string(n));
    const std::vector<Pairing>& table = PairingTable(n);
    const bool twice = n <= 4;
    ASSERT_EQ(table.size(), static_cast<size_t>(twice ? n * (n - 1) : n * (n - 1) / 2));

    std::set<Pairing> pairs;
    std::map<int, int> homes;
    std::map<int, std::vector<size_t>> gamesOf;  // positions of each team's games
    std::map<int, std::string> sides;            // "H" and "A" in table order
    for (size_t j = 0; j < table.size(); ++j) {
      const auto [home, away] = table[j];
      ASSERT_TRUE(home >= 1 && home <= n && away >= 1 && away <= n && home != away) << "game " << j;
      EXPECT_TRUE(pairs.insert(twice ? table[j] : Unordered(home, away)).second)
          << "game " << j << " repeats";
      ++homes[home];
      for (int team : {home, away}) gamesOf[team].push_back(j);
      sides[home] += 'H';
      sides[away] += 'A';
    }

    // The opening games pair 1 with 2, 3 with 4, and so on.
    for (int k = 0; k < n / 2; ++k) {
      const auto [home, away] = table[static_cast<size_t>(k)];
      EXPECT_EQ(Unordered(home, away), Pairing(2 * k + 1, 2 * k + 2)) << "opening game " << k;
    }

    int smallest = static_cast<int>(table.size());
    for (int team = 1; team <= n; ++team) {
      const int h = homes[team];
      if (twice)
        EXPECT_EQ(h, n - 1) << "team " << team;
      else
        EXPECT_TRUE(h == (n - 1) / 2 || h == (n - 1) / 2 + 1) << "team " << team << " is home " << h;
      EXPECT_EQ(sides[team].find("HHHH"), std::string::npos) << "team " << team << " " << sides[team];
      EXPECT_EQ(sides[team].find("AAAA"), std::string::npos) << "team " << team << " " << sides[team];
      const std::vector<size_t>& games = gamesOf[team];
      for (size_t k = 1; k < games.size(); ++k)
        smallest = std::min(smallest, static_cast<int>(games[k] - games[k - 1]));
    }
    EXPECT_EQ(smallest, spacing[n - kFewestTeams]);

    // Rounds: each block of n div 2 games has no team twice.
    const size_t block = static_cast<size_t>(n / 2);
    bool rounds = true;
    for (size_t start = 0; start + block <= table.size(); start += block) {
      std::set<int> teams;
      for (size_t j = start; j < start + block; ++j) teams.insert({table[j].first, table[j].second});
      rounds = rounds && teams.size() == 2 * block;
    }
    EXPECT_EQ(rounds, inRounds.count(n) == 1);
  }
}

}  // namespace
}  // namespace scv::test
