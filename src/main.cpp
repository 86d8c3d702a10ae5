// Scorvane: with a command the program runs without a window; without one it
// opens the main window over the data directory.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include "cli/CommandLine.h"
#include "shell/Startup.h"
#include "ui/AppWindows.h"
#include "ui/Glyphs.h"
#include "ui/QtPrintEngine.h"

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
    // window's application is made only when there is no command. Printing
    // needs fonts and the printing system, so the print command runs under
    // a graphical application on the offscreen platform (unless one is set).
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> core;
    if (scv::CommandNeedsGui(args)) {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      core = std::make_unique<QGuiApplication>(argc, argv);
      options.printRunner = scv::RunPrintJob;
    } else {
      core = std::make_unique<QCoreApplication>(argc, argv);
    }
    SetNames();
    programDir = QCoreApplication::applicationDirPath();
    status = scv::RunCommandLine(QCoreApplication::arguments().mid(1), programDir, options);
  }
  if (status != -1) return status;

  QApplication app(argc, argv);
  SetNames();
  // The menu entry's name, so that the desktop shows the window with its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(SCV_APP_ID));
  QApplication::setWindowIcon(scv::ProgramIcon());

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
