#pragma once
// Generated data for the benchmarks. Every generator is deterministic (the
// same arguments give the same bytes), so runs compare. To add one, write a
// function here that builds its data with the helpers below (Rng, Names) and
// returns it or writes it under a directory the benchmark gives.
#include <cstddef>
#include <cstdint>
#include <string>

namespace scv::bench {

// A small, fast pseudo-random source (xorshift64*).
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }
  // A number from lo to hi, both included.
  int Between(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1)); }

 private:
  uint64_t state_;
};

// Plausible names of people, teams, leagues and places.
std::string PersonName(Rng& rng);
std::string TeamName(Rng& rng);
std::string PlaceName(Rng& rng);

// A QKT file of at least `bytes` bytes (CR LF line ends): whole seasons of
// four leagues, each of twelve teams with their rosters of eighteen players
// and all their figures, a double round-robin schedule with scores and
// umpires, notes on some leagues and teams; fields and umpires once for the
// file. When noteDir is not empty, the .QKN note files the QKT file names
// are written there.
std::string MakeQkt(size_t bytes, const std::string& noteDir = std::string(), uint64_t seed = 1);

// Writes bytes to path (replacing it); false when that fails.
bool WriteBytes(const std::string& path, const std::string& bytes);

// A data directory of one year and one league, current and shown on `tab`.
// Team, player and umpire names mix upper and lower case and Windows-1252
// letters; about one record in a hundred is deleted; a few games have no
// valid date, no field or no umpires, a few figures are not numbers, so that
// every rule of the tables has work to do.
struct LeagueSize {
  // Records of each list (the header line not counted).
  int teams = 20;
  int games = 0;
  int fields = 12;
  int umpires = 30;
  int players = 0;                  // of team 1, the current team
  int times = 0;                    // the first ten fields, free at 10:00 and 18:30 every day
  int tab = 0;                      // the tab the years file remembers
  bool allScheduleColumns = false;  // else the default seven
};
// The league of the schedule benchmarks: 40 teams, 30 fields, 60 umpires
// and `games` games with all twenty schedule columns shown, on `tab`.
LeagueSize ScheduleLeague(int games, int tab = 7);

// A directory holding ScheduleLeague(games), written on first use and kept
// while the program runs.
const std::string& ScheduleLeagueDir(int games);

// Writes the league's list files into dir (which exists); false when a file
// cannot be written.
bool WriteLeague(const std::string& dir, const LeagueSize& size, uint64_t seed = 1);

// The lines of the league's lists, as WriteLeague writes them.
std::string TeamsFile(const LeagueSize& size, uint64_t seed = 1);
std::string PlayersFile(const LeagueSize& size, uint64_t seed = 1);
std::string GamesFile(const LeagueSize& size, uint64_t seed = 1);

// A new empty directory under $SCV_BENCH_DIR (by default the system's
// temporary directory), removed with everything in it when the program ends.
std::string NewBenchDir();

}  // namespace scv::bench
