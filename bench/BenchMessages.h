#pragma once
// Message boxes for the benchmarks: every question answered Yes, errors
// counted, nothing shown.
#include "store/Messages.h"

namespace scv::bench {

class QuietMessages : public Messages {
 public:
  int errors = 0;
  void Error(const QString&) override { ++errors; }
  void Information(const QString&) override {}
  bool Confirm(const QString&) override { return true; }
  Answer ConfirmYesNoAll(const QString&) override { return Answer::Yes; }
  Answer ConfirmYesNoCancel(const QString&) override { return Answer::Yes; }
};

}  // namespace scv::bench
