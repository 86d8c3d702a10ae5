#pragma once
// Finding the data directory, seeding the demo league and keeping a second
// copy of the program off the same directory.
#include <memory>

#include <QString>

class QLockFile;

namespace scv {

// The program's own directory when it can be written there, else the user's
// application-data directory (created on the first save).
QString DefaultDataDir(const QString& programDir);
// Where --demo keeps its league: <application data>/demo.
QString DemoDataDir();
// Copies the demo files from sourceDir (":/demo" in the program) into dir
// unless dir already holds "Baseball.Years"; existing files are never
// overwritten. Returns false with error set when a copy fails.
bool SeedDemo(const QString& sourceDir, const QString& dir, QString& error);

// One program per data directory.
class DataDirLock {
 public:
  DataDirLock();
  ~DataDirLock();
  // Takes the lock in dir (created if missing). On failure message holds the
  // text to show: another copy, or the system's reason.
  bool Acquire(const QString& dir, QString& message);

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace scv
