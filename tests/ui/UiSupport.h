#pragma once
// Helpers of the GUI tests: acting on modal dialogs as they open, finding
// controls, and a data directory with a small league.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace scv::test {

// Calls act once a visible modal widget of type T (and, when given, with
// that object name) is the active modal widget; gives up after 5 seconds,
// failing the test and closing whatever modal dialog is open. Every later
// step is set up from inside act, before it clicks.
template <class T>
void WhenModal(std::function<void(T*)> act, const QString& objectName = QString()) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act, objectName] {
    QWidget* modal = QApplication::activeModalWidget();
    T* target = qobject_cast<T*>(modal);
    if (target && target->isVisible() && (objectName.isEmpty() || target->objectName() == objectName)) {
      timer->stop();
      timer->deleteLater();
      delete clock;
      act(target);
      return;
    }
    if (clock->elapsed() > 5000) {
      timer->stop();
      timer->deleteLater();
      delete clock;
      ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " " << objectName.toStdString()
                    << " appeared; active: "
                    << (modal ? modal->metaObject()->className() : "none");
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }
  });
  timer->start(10);
}

// Sends a key to a widget as the keyboard would: shortcuts first, then the
// widget itself.
void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text into a widget, one key at a time.
void Type(QWidget* target, const QString& text);

// Processes events for ms milliseconds.
void Pump(int ms = 20);

// Saves a picture of the widget as name.png in $SCV_SCREENSHOT_DIR, when
// that is set.
void Shot(QWidget* widget, const char* name);

// A file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Replaces a file with the bytes.
void WriteFile(const QString& path, const QByteArray& bytes);

// Writes a small league into dir: one year "2024 Spring", one league with
// three teams (the first has two players).
void WriteLeague(const QString& dir);

}  // namespace scv::test
