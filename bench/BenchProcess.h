#pragma once
// Whole-process runs for the benchmarks. A child inherits the peak memory of
// the process that starts it, so a large benchmark program would see its own
// size in every child's figure: the runs go through a small launcher
// (scv_bench_launch) that starts the program and reports what the system
// accounted for it.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace scv::bench {

struct ProcessRun {
  double WallSeconds = 0;
  double CpuSeconds = 0;  // user + system
  long PeakKb = 0;        // largest resident set
  int Status = -1;        // exit status; -1 when it did not start or end normally
};

// Runs argv[0] (searched on PATH) with its standard output going to outPath
// and its standard error to /dev/null, and waits for it.
ProcessRun RunProcess(const std::vector<std::string>& argv, const std::string& outPath = "/dev/null");

// Runs the program once an iteration (a benchmark with UseManualTime): the
// iteration's time is the run's wall time, and the counters give the
// processor time a run took and the largest peak memory of all runs.
void TimeRuns(benchmark::State& state, const std::vector<std::string>& argv,
              const std::string& outPath = "/dev/null");

}  // namespace scv::bench
