// `scorvane export schedule` as a whole process, beside GNU sort ordering
// the same games file by date and time: the least any program that reads,
// orders and writes those games must do. Both write into a file; the
// counters give each run's processor time and peak memory.
#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "BenchProcess.h"

namespace {

void ExportScheduleProcess(benchmark::State& state) {
  const std::string& dir = scv::bench::ScheduleLeagueDir(static_cast<int>(state.range(0)));
  scv::bench::TimeRuns(state,
                       {SCV_BINARY, "--data-dir", dir, "export", "schedule", "-o", dir + "/schedule.tsv"});
}
BENCHMARK(ExportScheduleProcess)
    ->Arg(999)
    ->Arg(9999)
    ->Arg(99999)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void SortGamesProcess(benchmark::State& state) {
  const std::string& dir = scv::bench::ScheduleLeagueDir(static_cast<int>(state.range(0)));
  scv::bench::TimeRuns(state,
                       {"sort", "-t|", "-k2,2", "-k3,3", dir + "/Y1L1.Games", "-o", dir + "/sorted.Games"});
}
BENCHMARK(SortGamesProcess)->Arg(999)->Arg(9999)->Arg(99999)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
