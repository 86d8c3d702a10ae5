// scorvane backup DESTDIR: copies as Backup All does, messages on standard
// error, exit 0, 1 or 2.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "cli/CommandLine.h"
#include "support/CliRun.h"
#include "support/TempData.h"

namespace scv {
namespace {

using test::CliResult;
using test::RunCli;
using test::TempData;

std::string ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(BackupCommand, CopiesTheDataFilesRefusesBadDestinationsAndChecksUsage) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2024|Spring|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Metro|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Aces|2|1||1|"});
  data.Write("Y1L1T1.Notes", {"a note"});
  data.Write("scorvane.lock", {"1"});
  const auto source = data.Snapshot();

  QTemporaryDir root;
  const QString dest = QDir(root.path()).filePath("backup");
  CliResult run = RunCli({"--data-dir", data.Dir(), "backup", dest});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(QDir(dest).entryList(QDir::Files),
            (QStringList{"Baseball.Years", "Y1.Leagues", "Y1L1.Teams", "Y1L1T1.Notes"}));
  for (const std::string name : {"Baseball.Years", "Y1.Leagues", "Y1L1.Teams", "Y1L1T1.Notes"})
    EXPECT_EQ(ReadBytes(QDir(dest).filePath(QString::fromStdString(name))), data.Read(name)) << name;

  // Into the data directory, or a directory in it: refused, exit 1.
  for (const QString& inside : {data.Dir(), data.Dir() + "/copies"}) {
    run = RunCli({"--data-dir", data.Dir(), "backup", inside});
    EXPECT_EQ(run.status, 1) << inside.toStdString();
    EXPECT_NE(run.err.find("data directory"), std::string::npos) << run.err;
  }
  EXPECT_FALSE(QFileInfo::exists(data.Dir() + "/copies"));

  // A destination that cannot be made: the reason on standard error, exit 1.
  const QString plainFile = QDir(root.path()).filePath("file");
  QFile f(plainFile);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  run = RunCli({"--data-dir", data.Dir(), "backup", plainFile + "/sub"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(QDir::toNativeSeparators(plainFile + "/sub").toStdString()), std::string::npos)
      << run.err;

  // A data directory that is not there.
  run = RunCli({"--data-dir", data.Dir() + "/none", "backup", dest});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("does not exist"), std::string::npos) << run.err;

  // Bad usage: no DESTDIR, an empty one, two of them, an option of another
  // command.
  for (const QStringList& args :
       {QStringList{"--data-dir", data.Dir(), "backup"}, QStringList{"--data-dir", data.Dir(), "backup", ""},
        QStringList{"--data-dir", data.Dir(), "backup", dest, dest},
        QStringList{"--data-dir", data.Dir(), "backup", dest, "--year", "1"}}) {
    run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_NE(run.err.find("scorvane: "), std::string::npos) << run.err;
  }

  // The source is untouched by all of it.
  EXPECT_EQ(data.Snapshot(), source);

  // The help text lists the command as available.
  run = RunCli({"--help"});
  const size_t at = run.out.find("backup DESTDIR");
  const size_t end = run.out.find("scorvane --help", at);
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(run.out.substr(at, end - at).find("not available"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace scv
