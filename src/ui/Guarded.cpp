#include "ui/Guarded.h"

#include <exception>

#include <QMessageBox>

namespace scv {

void Guarded(QWidget* window, const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    QMessageBox::critical(window, QStringLiteral("Scorvane"), QString::fromLocal8Bit(e.what()));
  } catch (...) {
    QMessageBox::critical(window, QStringLiteral("Scorvane"), QStringLiteral("Unexpected error."));
  }
}

}  // namespace scv
