// Finding the data directory, seeding the demo league, the directory lock.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "cli/CommandLine.h"
#include "shell/Startup.h"

namespace scv {
namespace {

QStringList Entries(const QString& dir) {
  return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(StartupTest, DefaultDataDirIsTheProgramDirWhenWritable) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  EXPECT_EQ(QDir(DefaultDataDir(tmp.path())).absolutePath(), QDir(tmp.path()).absolutePath());
  // The probe file leaves nothing behind.
  EXPECT_TRUE(Entries(tmp.path()).isEmpty());

  // A program directory where nothing can be created (here: a path below a
  // plain file, which fails for root too) falls back to the user's data.
  QFile plain(tmp.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QString fallback = DefaultDataDir(tmp.filePath(QStringLiteral("plain/bin")));
  EXPECT_EQ(fallback, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  EXPECT_TRUE(DemoDataDir().startsWith(fallback));
}

TEST(StartupTest, AnInstalledCopyKeepsItsDataInTheUserDataDir) {
  // <prefix>/bin beside <prefix>/share/scorvane: installed, in a prefix the
  // user (or root) could write, where the data files must not go all the same.
  QTemporaryDir prefix;
  ASSERT_TRUE(prefix.isValid());
  const QString bin = prefix.filePath(QStringLiteral("bin"));
  const QString demo = prefix.filePath(QStringLiteral("share/scorvane/demo"));
  ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(demo));
  EXPECT_EQ(DefaultDataDir(bin), UserDataDir());
  EXPECT_TRUE(Entries(bin).isEmpty());
  EXPECT_TRUE(
      HelpText(DefaultDataDir(bin)).contains(QStringLiteral("keeps them in %1\n").arg(UserDataDir())));

  // --demo copies the installed demo league once it is there, else its own.
  EXPECT_EQ(DemoSourceDir(bin), QStringLiteral(":/demo"));
  QFile years(QDir(demo).filePath(QStringLiteral("Baseball.Years")));
  ASSERT_TRUE(years.open(QIODevice::WriteOnly));
  years.close();
  EXPECT_EQ(DemoSourceDir(bin), QDir(demo).absolutePath());

  // The prefix itself is not an installed program's directory.
  EXPECT_EQ(DemoSourceDir(prefix.path()), QStringLiteral(":/demo"));
  EXPECT_EQ(QDir(DefaultDataDir(prefix.path())).absolutePath(), QDir(prefix.path()).absolutePath());
}

TEST(StartupTest, SeedDemoCopiesOnceAndNeverOverwrites) {
  QTemporaryDir source, target;
  ASSERT_TRUE(source.isValid() && target.isValid());
  const QString dir = target.filePath(QStringLiteral("demo"));
  auto write = [](const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  };
  write(source.filePath(QStringLiteral("Baseball.Years")), "Y|0||1||||\r\n");
  write(source.filePath(QStringLiteral("Y1.Leagues")), "L|\r\n|1|Demo|\r\n");
  write(source.filePath(QStringLiteral("Y1L1.Teams")), "T|\r\n");

  // A file already there (a half-done earlier seeding) is kept as it is.
  QDir().mkpath(dir);
  write(QDir(dir).filePath(QStringLiteral("Y1.Leagues")), "L|\r\n|1|Mine|\r\n");
  QString error;
  ASSERT_TRUE(SeedDemo(source.path(), dir, error)) << error.toStdString();
  EXPECT_EQ(Entries(dir), (QStringList{"Baseball.Years", "Y1.Leagues", "Y1L1.Teams"}));
  QFile leagues(QDir(dir).filePath(QStringLiteral("Y1.Leagues")));
  ASSERT_TRUE(leagues.open(QIODevice::ReadOnly));
  EXPECT_EQ(leagues.readAll(), QByteArray("L|\r\n|1|Mine|\r\n"));
  leagues.close();

  // Copies out of the read-only resources must be writable for the first save.
  QFile teams(QDir(dir).filePath(QStringLiteral("Y1L1.Teams")));
  EXPECT_TRUE(teams.permissions() & QFileDevice::WriteOwner);

  // With "Baseball.Years" present nothing more is copied.
  write(source.filePath(QStringLiteral("Y2.Leagues")), "L|\r\n");
  ASSERT_TRUE(SeedDemo(source.path(), dir, error));
  EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("Y2.Leagues"))));

  // The program's own demo league seeds a fresh directory.
  const QString fromResources = target.filePath(QStringLiteral("fromResources"));
  ASSERT_TRUE(SeedDemo(QStringLiteral(":/demo"), fromResources, error)) << error.toStdString();
  EXPECT_TRUE(QFileInfo::exists(QDir(fromResources).filePath(QStringLiteral("Baseball.Years"))));

  // A missing source is an error, not an empty demo.
  EXPECT_FALSE(
      SeedDemo(target.filePath(QStringLiteral("nothing")), target.filePath(QStringLiteral("d2")), error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(StartupTest, LockKeepsASecondCopyOffTheDirectory) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  // The directory does not exist yet: it is made for the lock, and nothing
  // but the lock is written.
  const QString dir = tmp.filePath(QStringLiteral("data"));
  QString message;
  auto first = std::make_unique<DataDirLock>();
  ASSERT_TRUE(first->Acquire(dir, message)) << message.toStdString();
  EXPECT_EQ(Entries(dir), QStringList{QStringLiteral("scorvane.lock")});

  DataDirLock second;
  EXPECT_FALSE(second.Acquire(dir, message));
  EXPECT_EQ(message, QStringLiteral("The data in %1 is in use by another copy of Scorvane.")
                         .arg(QDir::toNativeSeparators(dir)));

  // Released when the first copy ends.
  first.reset();
  EXPECT_TRUE(second.Acquire(dir, message)) << message.toStdString();
}

TEST(StartupTest, LockOfACrashedCopyIsTakenOver) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  // The process id of a copy that has ended.
  QProcess gone;
  gone.start(QStringLiteral("/bin/true"));
  ASSERT_TRUE(gone.waitForFinished());
  const qint64 pid = gone.processId() ? gone.processId() : 999999;
  QFile lockFile(tmp.filePath(QStringLiteral("scorvane.lock")));
  ASSERT_TRUE(lockFile.open(QIODevice::WriteOnly));
  lockFile.write(QStringLiteral("%1\nscorvane\n%2\n").arg(pid).arg(QSysInfo::machineHostName()).toUtf8());
  lockFile.close();

  DataDirLock lock;
  QString message;
  EXPECT_TRUE(lock.Acquire(tmp.path(), message)) << message.toStdString();
}

TEST(StartupTest, LockThatCannotBeCreatedGivesTheReason) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString file = tmp.filePath(QStringLiteral("notadir"));
  QFile plain(file);
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();

  for (const QString& dir : {file, file + QStringLiteral("/below")}) {
    DataDirLock lock;
    QString message;
    EXPECT_FALSE(lock.Acquire(dir, message));
    EXPECT_FALSE(message.contains(QStringLiteral("another copy"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(dir))) << message.toStdString();
    // The system's reason follows the colon.
    ASSERT_TRUE(message.contains(QStringLiteral(": ")));
    EXPECT_FALSE(message.section(QStringLiteral(": "), -1).trimmed().isEmpty());
  }
  EXPECT_EQ(Entries(tmp.path()), QStringList{QStringLiteral("notadir")});
}

}  // namespace
}  // namespace scv
