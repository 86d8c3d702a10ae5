#pragma once
// The command line run in the test's own process, its output captured.
#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include <string>

#include "cli/CommandLine.h"

namespace scv::test {

struct CliResult {
  int status = 0;
  std::string out, err;
};

inline CliResult RunCli(const QStringList& args, StartOptions* optionsOut = nullptr) {
  StartOptions options;
  CliResult run;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  run.status = RunCommandLine(args, QDir::tempPath(), options);
  run.out = testing::internal::GetCapturedStdout();
  run.err = testing::internal::GetCapturedStderr();
  if (optionsOut) *optionsOut = options;
  return run;
}

}  // namespace scv::test
