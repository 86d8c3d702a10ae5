// The list files at the format's limit: reading and writing a games list of
// 999, 9,999 and 99,999 lines, and Save Data after one game of such a league
// changed.
#include <benchmark/benchmark.h>

#include <QString>

#include "BenchData.h"
#include "BenchMessages.h"
#include "store/DataStore.h"
#include "store/ListFile.h"

namespace {

std::string GamesDir(int games) {
  const std::string dir = scv::bench::NewBenchDir();
  scv::bench::WriteLeague(dir, scv::bench::ScheduleLeague(games));
  return dir;
}

void LoadList(benchmark::State& state) {
  const QString path = QString::fromStdString(GamesDir(static_cast<int>(state.range(0))) + "/Y1L1.Games");
  for (auto _ : state) {
    scv::List lines;
    QString error;
    if (scv::ReadListFile(path, lines, error) != scv::ReadResult::Read) state.SkipWithError("cannot read");
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LoadList)->Arg(999)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond);

void SaveList(benchmark::State& state) {
  const std::string dir = GamesDir(static_cast<int>(state.range(0)));
  scv::List lines;
  QString error;
  scv::ReadListFile(QString::fromStdString(dir + "/Y1L1.Games"), lines, error);
  const QString out = QString::fromStdString(dir + "/Copy.Games");
  for (auto _ : state)
    if (!scv::WriteListFile(out, lines, error)) state.SkipWithError("cannot write");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SaveList)->Arg(999)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond);

// Update OK changed one game's score; Save Data writes what changed.
void SaveAfterOneGame(benchmark::State& state) {
  const std::string dir = GamesDir(static_cast<int>(state.range(0)));
  scv::bench::QuietMessages messages;
  scv::DataStore store(QString::fromStdString(dir), &messages);
  store.LoadYears();
  store.LoadTeams();
  store.LoadGames();
  int score = 0;
  for (auto _ : state) {
    store.CurrentLeague.CurGame = "500";
    store.ReadGame(store.CurrentLeague.CurGame);
    store.CurrentGame.HTS = std::to_string(++score % 20);
    store.WriteGame();
    if (!store.SaveAll() || messages.errors) state.SkipWithError("cannot save");
  }
}
BENCHMARK(SaveAfterOneGame)->Arg(999)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
