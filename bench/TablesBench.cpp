// Each table kind through ShowTable at 1, 10 and 100 times its base size:
// the standings of up to 999 teams, a player tab of up to 9,999 players and
// the schedule of up to 99,999 games. No window: the grid as the core fills
// it, the progress gauge silent.
#include <benchmark/benchmark.h>

#include <memory>

#include <QString>

#include "BenchData.h"
#include "BenchMessages.h"
#include "store/DataStore.h"
#include "tables/Tables.h"

namespace {

using scv::bench::LeagueSize;

struct Shown {
  explicit Shown(const LeagueSize& size) : dir(scv::bench::NewBenchDir()) {
    scv::bench::WriteLeague(dir, size);
    store = std::make_unique<scv::DataStore>(QString::fromStdString(dir), &messages);
    store->LoadYears();
    tables = std::make_unique<scv::Tables>(*store, grid, progress, host);
    tables->CurrentTab = size.tab;
    tables->BuildHeaders();
  }
  std::string dir;
  scv::bench::QuietMessages messages;
  std::unique_ptr<scv::DataStore> store;
  scv::Grid grid;
  scv::NullProgress progress;
  scv::NullTableHost host;
  std::unique_ptr<scv::Tables> tables;
};

void ShowStandings(benchmark::State& state) {
  LeagueSize size;
  size.teams = static_cast<int>(state.range(0));
  Shown shown(size);
  for (auto _ : state) shown.tables->ShowTable();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ShowStandings)->Arg(9)->Arg(99)->Arg(999)->Unit(benchmark::kMillisecond);

// The first showing after a player changed: the figures are derived again.
void ShowPlayers(benchmark::State& state) {
  LeagueSize size;
  size.players = static_cast<int>(state.range(0));
  size.tab = scv::PlayersTab;
  Shown shown(size);
  for (auto _ : state) {
    shown.tables->Cache.Invalidate();
    shown.tables->ShowTable();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ShowPlayers)->Arg(99)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond);

void ShowSchedule(benchmark::State& state) {
  Shown shown(scv::bench::ScheduleLeague(static_cast<int>(state.range(0))));
  for (auto _ : state) shown.tables->ShowTable();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ShowSchedule)->Arg(999)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
