#include "ui/MsgForm.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace scv {

MsgForm::MsgForm(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("MsgForm"));
  setWindowTitle(QStringLiteral("Reading Data..."));
  auto* layout = new QVBoxLayout(this);
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName(QStringLiteral("Gauge"));
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  layout->addWidget(gauge_);
  resize(300, 60);
}

void MsgForm::Start(const char* caption) {
  setWindowTitle(caption && *caption ? QString::fromLatin1(caption) : QStringLiteral("Reading Data..."));
  running_ = true;
  shown_ = false;
  value_ = 0;
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  clock_.start();
}

void MsgForm::SetMax(int max) {
  if (!running_) return;
  gauge_->setRange(0, std::max(max, 1));
  gauge_->setValue(std::min(value_, gauge_->maximum()));
  if (max > kShowAtSteps && !shown_) ShowNow();
}

void MsgForm::Step() {
  if (!running_) return;
  // Checking the clock on every step would cost more than the step.
  if ((++value_ & 31) != 0) return;
  if (!shown_) {
    if (clock_.elapsed() >= kShowAfterMs) ShowNow();
  } else if (sincePaint_.elapsed() >= kPaintEveryMs) {
    Repaint();
  }
}

QProgressBar* MsgForm::Gauge() {
  if (running_) gauge_->setValue(std::min(value_, gauge_->maximum()));
  return gauge_;
}

void MsgForm::Finish() {
  running_ = false;
  if (shown_) hide();
  shown_ = false;
}

void MsgForm::ShowNow() {
  shown_ = true;
  if (parentWidget()) {
    const QRect main = parentWidget()->window()->geometry();
    move(main.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  Repaint();
}

void MsgForm::Repaint() {
  gauge_->setValue(std::min(value_, gauge_->maximum()));
  // Paint only: no input is taken while a table is built.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sincePaint_.start();
}

}  // namespace scv
