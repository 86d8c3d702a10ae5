#pragma once
// Finding the data directory, seeding the demo league and keeping a second
// copy of the program off the same directory.
#include <memory>

#include <QString>

class QLockFile;

namespace scv {

// The shared files of an installed copy: <prefix>/share/scorvane beside the
// <prefix>/bin that holds the program. Empty for a copy that is not
// installed (one run from its build folder or copied to a directory of its
// own).
QString InstalledFilesDir(const QString& programDir);
// The user's application-data directory (created on the first save).
QString UserDataDir();
// Where the data files are kept without --data-dir: the program's own
// directory when it can be written there, else the user's application-data
// directory. An installed copy always keeps them in the latter: its
// directory is shared by every program of the system (and writable for
// root, or in a prefix under the user's home).
QString DefaultDataDir(const QString& programDir);
// Where --demo keeps its league: <application data>/demo.
QString DemoDataDir();
// Where --demo copies its league from: the installed demo league, or the
// one built into the program.
QString DemoSourceDir(const QString& programDir);
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
