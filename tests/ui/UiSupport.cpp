#include "ui/UiSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>

// Qt's own test library routes keys through the shortcut map this way.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace scv::test {

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

void Pump(int ms) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (clock.elapsed() < ms);
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
  if (qt_sendShortcutOverrideEvent(target, 0, key, modifiers, QString(), false, 1)) return;
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(target, &release);
}

void Type(QWidget* target, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &release);
  }
}

namespace {

void WriteLines(const QString& path, const QStringList& lines) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  for (const QString& line : lines) file.write((line + QStringLiteral("\r\n")).toLatin1());
}

}  // namespace

void Shot(QWidget* widget, const char* name) {
  const QString dir = qEnvironmentVariable("SCV_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  widget->grab().save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

void WriteLeague(const QString& dir) {
  QDir().mkpath(dir);
  QDir d(dir);
  WriteLines(d.filePath(QStringLiteral("Baseball.Years")), {QStringLiteral("Y|0||1||||"), QStringLiteral("|2024|Spring|1|")});
  WriteLines(d.filePath(QStringLiteral("Y1.Leagues")), {QStringLiteral("L|"), QStringLiteral("|1|Metro League|1|")});
  WriteLines(d.filePath(QStringLiteral("Y1L1.Teams")),
             {QStringLiteral("T|"), QStringLiteral("|1|Aces|2|1||1|"), QStringLiteral("|2|Bears|1|2|||"),
              QStringLiteral("|3|Cubs|||||")});
  // Figures in line order: G, Inn, PA, 1B, ...
  WriteLines(d.filePath(QStringLiteral("Y1L1T1.Players")),
             {QStringLiteral("P|"), QStringLiteral("|7|Ann Able|3||12|4|"), QStringLiteral("|12|Bob Baker|2||8|1|")});
}

}  // namespace scv::test
