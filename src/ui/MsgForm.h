#pragma once
// The progress window (TMsgForm) shown while a table is built. A quick build
// never shows it: it appears only for a long build (many steps, or once the
// build has taken a noticeable time). The gauge moves about thirty times a
// second, whatever the number of steps: setting its value repaints it and
// measures its text, which would cost more than a step.
#include <QElapsedTimer>
#include <QWidget>

#include "tables/Tables.h"

class QProgressBar;

namespace scv {

class MsgForm : public QWidget, public Progress {
  Q_OBJECT

 public:
  // A build of more steps than this shows the window at once (more than a
  // table of the largest list takes: those are quick enough without).
  static constexpr int kShowAtSteps = 1 << 20;
  // Otherwise it shows once the build has run this long.
  static constexpr int kShowAfterMs = 300;
  // The gauge's value is set, and the window painted, at most this often.
  static constexpr int kPaintEveryMs = 33;

  explicit MsgForm(QWidget* parent);

  void Start(const char* caption) override;
  void SetMax(int max) override;
  void Step() override;
  void Finish() override;

  // The gauge, brought up to the steps taken so far.
  QProgressBar* Gauge();
  // Whether the running build has shown the window.
  bool Shown() const { return shown_; }

 private:
  void ShowNow();
  void Repaint();

  QProgressBar* gauge_ = nullptr;
  QElapsedTimer clock_;
  QElapsedTimer sincePaint_;
  bool running_ = false;
  bool shown_ = false;
  int value_ = 0;
};

}  // namespace scv
