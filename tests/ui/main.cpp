// The GUI tests run on Qt's offscreen platform inside one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so whenever a window is raised or resized.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  standardHandler = qInstallMessageHandler(QuietHandler);
  Q_INIT_RESOURCE(scorvane);
  // Also when the tests are listed at build time, outside CTest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype/dejavu");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Scorvane"));
  QCoreApplication::setOrganizationName(QStringLiteral("Scorvane"));
  QLocale::setDefault(QLocale::c());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
