// `scorvane export schedule` as a whole process, beside GNU sort ordering
// the same games file by date and time: the least any program that reads,
// orders and writes those games must do. Both write into a file; the
// counters give each run's processor time and peak memory.
#include <benchmark/benchmark.h>

#include <map>

#include "BenchData.h"
#include "BenchProcess.h"

namespace {

using scv::bench::ProcessRun;

const std::string& LeagueDir(int games) {
  static std::map<int, std::string> dirs;
  std::string& dir = dirs[games];
  if (dir.empty()) {
    dir = scv::bench::NewBenchDir();
    scv::bench::WriteLeague(dir, scv::bench::ScheduleLeague(games));
  }
  return dir;
}

void Report(benchmark::State& state, const ProcessRun& run, double& cpu, long& peak) {
  if (run.Status != 0) state.SkipWithError("the process failed");
  state.SetIterationTime(run.WallSeconds);
  cpu += run.CpuSeconds;
  peak = std::max(peak, run.PeakKb);
}

void Counters(benchmark::State& state, double cpu, long peak) {
  state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
  state.counters["peak_MB"] = static_cast<double>(peak) / 1024;
}

void ExportScheduleProcess(benchmark::State& state) {
  const std::string& dir = LeagueDir(static_cast<int>(state.range(0)));
  double cpu = 0;
  long peak = 0;
  for (auto _ : state)
    Report(state,
           scv::bench::RunProcess(
               {SCV_BINARY, "--data-dir", dir, "export", "schedule", "-o", dir + "/schedule.tsv"}),
           cpu, peak);
  Counters(state, cpu, peak);
}
BENCHMARK(ExportScheduleProcess)
    ->Arg(999)
    ->Arg(9999)
    ->Arg(99999)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void SortGamesProcess(benchmark::State& state) {
  const std::string& dir = LeagueDir(static_cast<int>(state.range(0)));
  double cpu = 0;
  long peak = 0;
  for (auto _ : state)
    Report(state,
           scv::bench::RunProcess(
               {"sort", "-t|", "-k2,2", "-k3,3", dir + "/Y1L1.Games", "-o", dir + "/sorted.Games"}),
           cpu, peak);
  Counters(state, cpu, peak);
}
BENCHMARK(SortGamesProcess)->Arg(999)->Arg(9999)->Arg(99999)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
