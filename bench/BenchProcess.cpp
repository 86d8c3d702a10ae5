#include "BenchProcess.h"

#include <algorithm>
#include <fstream>

#include "BenchData.h"

namespace scv::bench {

ProcessRun RunProcess(const std::vector<std::string>& argv, const std::string& outPath) {
  static const std::string report = NewBenchDir() + "/run";
  std::string command = "'" SCV_BENCH_LAUNCH "' '" + report + "' '" + outPath + "'";
  for (const std::string& arg : argv) command += " '" + arg + "'";
  ProcessRun run;
  if (std::system(command.c_str()) != 0) return run;
  std::ifstream in(report);
  in >> run.WallSeconds >> run.CpuSeconds >> run.PeakKb >> run.Status;
  return run;
}

void TimeRuns(benchmark::State& state, const std::vector<std::string>& argv, const std::string& outPath) {
  double cpu = 0;
  long peak = 0;
  for (auto _ : state) {
    const ProcessRun run = RunProcess(argv, outPath);
    if (run.Status != 0) state.SkipWithError("the program failed");
    state.SetIterationTime(run.WallSeconds);
    cpu += run.CpuSeconds;
    peak = std::max(peak, run.PeakKb);
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
  state.counters["peak_MB"] = static_cast<double>(peak) / 1024;
}

}  // namespace scv::bench
