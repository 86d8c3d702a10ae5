#include <gtest/gtest.h>

#include "tables/PlayerFigures.h"
#include "tables/Standings.h"

namespace scv {
namespace {

TEST(FormatRatio, TruncatesToThreeDecimalsInFiveCharacters) {
  EXPECT_EQ(FormatRatio(3, 3), "1.000");
  EXPECT_EQ(FormatRatio(0, 0), "     ");
  EXPECT_EQ(FormatRatio(7, 0), "     ");
  EXPECT_EQ(FormatRatio(1, 3), " .333");
  EXPECT_EQ(FormatRatio(2, 3), " .666");  // truncated, not rounded
  EXPECT_EQ(FormatRatio(0, 5), " .000");
  EXPECT_EQ(FormatRatio(3, 8), " .375");
  EXPECT_EQ(FormatRatio(1, 1000), " .001");
  EXPECT_EQ(FormatRatio(5, 2), "2.500");
  EXPECT_EQ(FormatRatio(9999, 1000), "9.999");
  EXPECT_EQ(FormatRatio(40, 4), "9.999");  // capped
  for (int64_t n : {-3, 0, 1, 7, 500, 12000})
    for (int64_t d : {-4, 1, 3, 9, 1000}) EXPECT_EQ(FormatRatio(n, d).size(), 5u) << n << "/" << d;
}

TEST(FormatEra, EarnedRunsPerGameOfTheLeaguesInnings) {
  EXPECT_EQ(FormatEra(3, 20, 9), " 4.05");   // 3 runs in 6 2/3 innings
  EXPECT_EQ(FormatEra(3, 20, 7), " 3.15");
  EXPECT_EQ(FormatEra(40, 3, 9), "99.99");   // 36000 capped
  EXPECT_EQ(FormatEra(1, 0, 9), "     ");
  EXPECT_EQ(FormatEra(0, 27, 9), " 0.00");
  EXPECT_EQ(FormatEra(1, 300, 9), " 0.09");
  EXPECT_EQ(FormatEra(1, 27, 9), " 1.00");
  EXPECT_EQ(FormatEra(49, 108, 9), "12.25");
  // The product needs more than 32 bits before the division.
  EXPECT_EQ(FormatEra(9999, 3000000, 9999), "99.98");
  EXPECT_EQ(FormatEra(5000, 3000000, 9999), "49.99");
}

TEST(FormatInnings, WholeAndThirds) {
  EXPECT_EQ(FormatInnings(0, 0), "");
  EXPECT_EQ(FormatInnings(12, 2), "12.2");
  EXPECT_EQ(FormatInnings(0, 1), "0.1");
  EXPECT_EQ(FormatInnings(7, 0), "7.0");
  EXPECT_EQ(FormatInnings(123456, 1), "12345");
}

TEST(Standings, GamesBehindAndRankingLines) {
  EXPECT_EQ(GamesBehindText(1), ".5");
  EXPECT_EQ(GamesBehindText(7), "3.5");
  EXPECT_EQ(GamesBehindText(4), "2");
  EXPECT_EQ(GamesBehindText(5), "2.5");
  EXPECT_EQ(GamesBehindText(0), "");
  EXPECT_EQ(GamesBehindText(-3), "");

  EXPECT_EQ(StandingsLine(6, 2, 1), " .750000081");
  EXPECT_EQ(StandingsLine(2, 6, 12), " .2500099212");
  EXPECT_EQ(StandingsLine(0, 0, 3), "     010003");
  EXPECT_EQ(StandingsLine(3, 0, 4), "1.000000034");
}

TEST(DerivedFigures, BattingLine) {
  FigureValues f{};
  f[Fig::PA] = 10;
  f[Fig::Single] = 2;
  f[Fig::Double] = 1;
  f[Fig::BB] = 1;
  f[Fig::SFly] = 1;
  DerivedTexts t = DeriveFigures(f, 9);
  EXPECT_EQ(t[Derived::W], " 1");
  EXPECT_EQ(t[Derived::Sac], " 1");
  EXPECT_EQ(t[Derived::AB], " 8");
  EXPECT_EQ(t[Derived::H], " 3");
  EXPECT_EQ(t[Derived::Avg], " .375");
  EXPECT_EQ(t[Derived::Slg], " .500");
  EXPECT_EQ(t[Derived::OBP], " .444");
  // Nothing to divide by: blank ratios and an empty count.
  EXPECT_EQ(t[Derived::SA], "");
  EXPECT_EQ(t[Derived::SBP], "     ");
  EXPECT_EQ(t[Derived::ERA], "     ");
  EXPECT_EQ(t[Derived::FP], "     ");

  FigureValues g{};
  g[Fig::PA] = 1;
  g[Fig::BB] = 2;  // more walks than appearances: a negative AB shows its sign
  g[Fig::SB] = 3;
  g[Fig::CS] = 1;
  g[Fig::PO] = 8;
  g[Fig::A] = 1;
  g[Fig::Err] = 1;
  g[Fig::ST] = 30;
  g[Fig::BT] = 12;
  g[Fig::Won] = 2;
  g[Fig::Lost] = 1;
  t = DeriveFigures(g, 9);
  EXPECT_EQ(t[Derived::AB], " -1");
  EXPECT_EQ(t[Derived::SA], " 4");
  EXPECT_EQ(t[Derived::SBP], " .750");
  EXPECT_EQ(t[Derived::TC], " 10");
  EXPECT_EQ(t[Derived::FP], " .900");
  EXPECT_EQ(t[Derived::PT], " 42");
  EXPECT_EQ(t[Derived::WP], " .666");
}

TEST(InningsPerGame, EmptyMeansNine) {
  EXPECT_EQ(InningsPerGame(""), 9);
  EXPECT_EQ(InningsPerGame("7"), 7);
  EXPECT_EQ(InningsPerGame(" 1 2"), 12);
}

}  // namespace
}  // namespace scv
