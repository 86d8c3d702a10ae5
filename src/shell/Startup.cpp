#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace scv {

namespace {

const char* const kYearsFile = "Baseball.Years";
const char* const kLockFile = "scorvane.lock";

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The system's reason why no file can be written at path, found by writing a
// probe beside it (removed again); empty when the probe could be written.
QString CreateFailure(const QString& path) {
  QFile probe(path + QStringLiteral(".probe"));
  if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) return probe.errorString();
  QString reason;
  if (probe.write("scorvane probe\n") < 0 || !probe.flush()) reason = probe.errorString();
  probe.close();
  probe.remove();
  return reason;
}

}  // namespace

QString InstalledFilesDir(const QString& programDir) {
  const QDir shared(QDir(programDir).filePath(QStringLiteral(SCV_SHARED_FROM_BIN)));
  return shared.exists() ? shared.absolutePath() : QString();
}

QString UserDataDir() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString DefaultDataDir(const QString& programDir) {
  if (!InstalledFilesDir(programDir).isEmpty()) return UserDataDir();
  // Permission bits say nothing for root, so the directory is tested by
  // creating a file in it.
  QDir dir(programDir);
  const QString probePath =
      dir.filePath(QStringLiteral(".scorvane-probe-%1").arg(QCoreApplication::applicationPid()));
  QFile probe(probePath);
  if (dir.exists() && probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    probe.close();
    probe.remove();
    return dir.absolutePath();
  }
  return UserDataDir();
}

QString DemoDataDir() { return UserDataDir() + QStringLiteral("/demo"); }

QString DemoSourceDir(const QString& programDir) {
  const QString installed = InstalledFilesDir(programDir);
  const QString demo = installed + QStringLiteral("/demo");
  if (!installed.isEmpty() && QFileInfo::exists(demo + QLatin1Char('/') + QLatin1String(kYearsFile)))
    return demo;
  return QStringLiteral(":/demo");
}

bool SeedDemo(const QString& sourceDir, const QString& dir, QString& error) {
  QDir target(dir);
  if (target.exists(QString::fromLatin1(kYearsFile))) return true;
  if (!QDir().mkpath(dir)) {
    error = QStringLiteral("Cannot create the directory %1: %2")
                .arg(Native(dir), CreateFailure(target.filePath(QString::fromLatin1(kYearsFile))));
    return false;
  }
  QStringList names = QDir(sourceDir).entryList(QDir::Files, QDir::Name);
  if (names.isEmpty()) {
    error = QStringLiteral("The demo league is missing from %1.").arg(Native(sourceDir));
    return false;
  }
  // The years file goes last: a seeding that stops half-way leaves no
  // "Baseball.Years", so the next start seeds the rest.
  if (names.removeAll(QString::fromLatin1(kYearsFile)) > 0) names.append(QString::fromLatin1(kYearsFile));
  for (const QString& name : names) {
    const QString to = target.filePath(name);
    if (QFileInfo::exists(to)) continue;  // never overwritten
    QFile from(QDir(sourceDir).filePath(name));
    if (!from.copy(to)) {
      error = QStringLiteral("Cannot copy %1 to %2: %3").arg(name, Native(to), from.errorString());
      return false;
    }
    // Files copied out of the program's resources are read-only.
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
  return true;
}

DataDirLock::DataDirLock() = default;
DataDirLock::~DataDirLock() = default;

bool DataDirLock::Acquire(const QString& dir, QString& message) {
  lock_.reset();
  const QString lockPath = QDir(dir).filePath(QString::fromLatin1(kLockFile));
  QFileInfo info(dir);
  if (info.exists() && !info.isDir()) {
    message =
        QStringLiteral("Cannot create the lock file %1: %2").arg(Native(lockPath), CreateFailure(lockPath));
    return false;
  }
  // The data files themselves are created by the first save; the directory
  // is made here so that the lock has a place.
  if (!info.exists() && !QDir().mkpath(dir)) {
    QString reason = CreateFailure(QDir::cleanPath(dir));
    if (reason.isEmpty()) reason = QStringLiteral("Unknown error");
    message = QStringLiteral("Cannot create the data directory %1: %2").arg(Native(dir), reason);
    return false;
  }
  auto lock = std::make_unique<QLockFile>(lockPath);
  // A live copy keeps its lock however long it runs; only a lock whose owner
  // has gone (a crashed copy) counts as stale and is taken over.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    lock_ = std::move(lock);
    return true;
  }
  if (lock->error() == QLockFile::LockFailedError) {
    // tryLock takes over a lock whose owner is gone. An empty lock file is
    // one whose owner died between creating and writing it: a live copy
    // writes its process id at once, so an empty file older than a few
    // seconds belongs to nobody.
    QFileInfo lockInfo(lockPath);
    if (lockInfo.exists() && lockInfo.size() == 0 &&
        lockInfo.lastModified().secsTo(QDateTime::currentDateTime()) > 10 && QFile::remove(lockPath) &&
        lock->tryLock(0)) {
      lock_ = std::move(lock);
      return true;
    }
    message = QStringLiteral("The data in %1 is in use by another copy of Scorvane.").arg(Native(dir));
    return false;
  }
  QString reason = CreateFailure(lockPath);
  if (reason.isEmpty()) reason = QStringLiteral("Unknown error");
  message = QStringLiteral("Cannot create the lock file %1: %2").arg(Native(lockPath), reason);
  return false;
}

}  // namespace scv
