// Scorvane: with a command the program runs without a window; without one it
// opens the main window over the data directory.
#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include "shell/CommandLine.h"
#include "shell/Startup.h"
#include "ui/AppWindows.h"

namespace {

void SetNames() {
  QCoreApplication::setApplicationName(QStringLiteral("Scorvane"));
  QCoreApplication::setOrganizationName(QStringLiteral("Scorvane"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SCV_VERSION));
}

// A start-up failure: always on standard error, and in a box where there is
// a screen to show it on.
void StartError(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
  QMessageBox::critical(nullptr, QStringLiteral("Scorvane"), text);
}

}  // namespace

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(scorvane);
  scv::StartOptions options;
  QString programDir;
  int status = -1;
  {
    // Commands need no display: they run under a core application, and the
    // window's application is made only when there is no command.
    QCoreApplication core(argc, argv);
    SetNames();
    programDir = QCoreApplication::applicationDirPath();
    status = scv::RunCommandLine(QCoreApplication::arguments().mid(1), programDir, options);
  }
  if (status != -1) return status;

  QApplication app(argc, argv);
  SetNames();

  QString error;
  const QString dataDir = scv::ResolveDataDir(options, programDir, error);
  if (dataDir.isEmpty()) {
    StartError(error.isEmpty() ? QStringLiteral("No data directory.") : error);
    return 1;
  }
  scv::DataDirLock lock;
  if (!lock.Acquire(dataDir, error)) {
    StartError(error);
    return 1;
  }

  scv::AppWindows windows(dataDir);
  windows.Show();
  return app.exec();
}
