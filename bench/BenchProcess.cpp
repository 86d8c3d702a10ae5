#include "BenchProcess.h"

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

}  // namespace scv::bench
