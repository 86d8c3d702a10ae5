#pragma once
// The progress window (TMsgForm) shown while a table is built. A quick build
// never shows it: it appears only for a long build (many steps, or once the
// build has taken a noticeable time), and repaints only now and then.
#include <QElapsedTimer>
#include <QWidget>

#include "tables/Tables.h"

class QProgressBar;

namespace scv {

class MsgForm : public QWidget, public Progress {
  Q_OBJECT

 public:
  // A build of more steps than this shows the window at once.
  static constexpr int kShowAtSteps = 2000;
  // Otherwise it shows once the build has run this long.
  static constexpr int kShowAfterMs = 300;

  explicit MsgForm(QWidget* parent);

  void Start(const char* caption) override;
  void SetMax(int max) override;
  void Step() override;
  void Finish() override;

  QProgressBar* Gauge() const { return gauge_; }
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
