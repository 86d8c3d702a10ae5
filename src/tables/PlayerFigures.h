#pragma once
// The figures the player tables derive from the stored season totals (batting
// average, ERA, ...), their texts, and the cache that keeps them, with the
// team totals, until another team is shown or a player record changes.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"
#include "tables/Standings.h"

namespace scv {

class DataStore;
class Progress;

namespace Derived {
enum : int { AB, H, W, Sac, Avg, Slg, OBP, SA, SBP, PT, ERA, WP, TC, FP, Count };
}
using DerivedTexts = std::array<std::string, Derived::Count>;
using FigureValues = std::array<int64_t, Fig::Count>;

// ERA text of n earned runs over outs (thirds of innings) for games of
// `innings` innings: " 4.05", "12.25", " 0.00" to " 0.99", "99.99" at most;
// five spaces when outs is 0. Computed in 64 bits.
std::string FormatEra(int64_t n, int64_t outs, int64_t innings);
// Innings pitched as "12.2" (whole innings, a point, thirds), cut to 5
// characters; the empty text when whole + thirds is 0.
std::string FormatInnings(int64_t whole, int64_t thirds);
// A count cell: a space and the number, or the empty text for 0.
std::string CountText(int64_t n);
// The league's innings per game for the ERA: 9 when the field is empty.
int64_t InningsPerGame(std::string_view inningsText);

// Every figure of a player read as a number (BO and Pos too; callers skip them).
FigureValues FigureValuesOf(const PlayerView& player);
FigureValues FigureValuesOf(const PlayerRecord& player);
// Hits (1B + 2B + 3B + HR) and at bats (PA less walks, hit by pitches,
// catcher's interference and sacrifices) of a set of figures.
int64_t Hits(const FigureValues& f);
int64_t AtBats(const FigureValues& f);
// The fourteen derived texts of a set of figures.
DerivedTexts DeriveFigures(const FigureValues& f, int64_t innings);

class PlayerFigureCache {
 public:
  // The key of the player list the cache was computed from; empty = stale.
  std::string Tag;
  // Innings per game the ERA texts were computed with.
  int64_t Innings = 9;
  // Entry i belongs to line i of the player list (entry 0 and deleted
  // players' entries stay empty). Grows with the list. A computation makes
  // a new set, so the rows of a table already built keep theirs.
  std::shared_ptr<const std::vector<DerivedTexts>> Entries;
  // Team totals of the summed figures (every number but G, BO, GP and Pos);
  // IP and 3IP with the thirds already carried into whole innings.
  FigureValues Totals{};
  // The derived texts of the totals.
  DerivedTexts TotalTexts;

  // Forces the next player table to compute the figures again: after a
  // player record or the innings per game changed.
  void Invalidate() { Tag.clear(); }
  // Whether the cache holds the figures of this player list.
  bool IsFor(const std::string& key, size_t lines, int64_t innings) const {
    return !Tag.empty() && Tag == key && Entries && Entries->size() == lines && Innings == innings;
  }
};

// Fills the cache from the current team's player list (store.Players under
// store.PlayersKey), with the current league's innings per game.
void ComputePlayerFigures(const DataStore& store, PlayerFigureCache& cache, Progress& progress);

}  // namespace scv
