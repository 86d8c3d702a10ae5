// The built program run as a separate process: the exported table equals the
// window's grid, and a second copy keeps off a directory in use.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>

#include "shell/Startup.h"
#include "store/Text.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

QProcessEnvironment OffscreenEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  return env;
}

struct ProgramRun {
  int status = -1;
  QByteArray out, err;
};

ProgramRun RunProgram(const QStringList& args) {
  QProcess process;
  process.setProcessEnvironment(OffscreenEnvironment());
  process.start(QStringLiteral(SCV_BINARY), args);
  ProgramRun run;
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "scorvane did not end: " << args.join(' ').toStdString();
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

TEST(CliTest, ExportedTablesEqualTheGridCellForCell) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  QString error;
  ASSERT_TRUE(SeedDemo(QStringLiteral(":/demo"), tmp.path(), error)) << error.toStdString();
  AppWindows app(tmp.path());
  app.Show();
  test::Pump(20);
  const char* tabs[] = {"teams", "players", "hitting", "running", "pitching", "fielding", "custom", "schedule"};
  for (int tab = 0; tab < TabCount; ++tab) {
    app.window.BottomTab()->setCurrentIndex(tab);
    test::Pump(5);
    const Grid& grid = app.form->grid;
    QStringList expected;
    for (int r = 0; r < grid.RowCount(); ++r) {
      QStringList cells;
      for (int c = 1; c < grid.ColCount(); ++c) cells << Decode(grid.Cell(c, r));
      expected << cells.join(QLatin1Char('\t'));
    }
    const ProgramRun run = RunProgram({QStringLiteral("--data-dir"), tmp.path(), QStringLiteral("export"),
                                QString::fromLatin1(tabs[tab]), QStringLiteral("--format"), QStringLiteral("tsv")});
    ASSERT_EQ(run.status, 0) << tabs[tab] << ": " << run.err.toStdString();
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    EXPECT_EQ(lines, expected) << tabs[tab];
    EXPECT_GT(expected.size(), 1) << tabs[tab];
  }
  app.window.close();
}

TEST(CliTest, SecondCopyOnTheSameDirectoryIsTurnedAway) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  DataDirLock first;
  QString message;
  ASSERT_TRUE(first.Acquire(tmp.path(), message)) << message.toStdString();

  const ProgramRun run = RunProgram({QStringLiteral("--data-dir"), tmp.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(QString::fromLocal8Bit(run.err).contains(
      QStringLiteral("The data in %1 is in use by another copy of Scorvane.").arg(QDir::toNativeSeparators(tmp.path()))))
      << run.err.toStdString();
}

}  // namespace
}  // namespace scv
