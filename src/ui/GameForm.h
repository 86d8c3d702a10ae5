#pragma once
// The game window (TGameForm): date, time and score boxes, the seven pick
// rows (field, home team, away team, umpires 1 to 4) and the window's
// buttons. Every button goes to the game window's presenter.
#include <array>

#include <QDialog>

#include "schedule/GameViews.h"
#include "schedule/ScheduleListBox.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scv {

class GameFormPresenter;

class GameForm : public QDialog, public GameFormView {
  Q_OBJECT

 public:
  enum Button { OkButton, AddButton, DeleteButton, MakeButton, HelpButton, CancelButton, ButtonCount };
  static constexpr int kRows = ScheduleListBox::SlotCount;

  explicit GameForm(QWidget* parent);

  // The presenter is made after the window.
  void SetPresenter(GameFormPresenter* presenter) { presenter_ = presenter; }

  // GameFormView
  void SetCaption(const std::string& caption) override;
  void SetText(Box box, const std::string& text) override;
  std::string Text(Box box) const override;
  void SetPm(bool pm) override;
  bool Pm() const override;
  void SetRow(int slot, const std::string& no, const std::string& name) override;
  void SetMakeEnabled(bool enabled) override;
  void FocusYear() override;
  void FocusOk() override;
  GameResult Exec() override;
  void Close(GameResult result) override;

  // The controls, for tests.
  QLineEdit* Edit(Box box) const { return edits_[box]; }
  QRadioButton* RadioAM() const { return am_; }
  QRadioButton* RadioPM() const { return pm_; }
  QPushButton* ButtonWidget(Button button) const { return buttons_[button]; }
  QPushButton* PickButton(int slot) const { return picks_[static_cast<size_t>(slot)]; }
  QPushButton* ClearButton(int slot) const { return clears_[static_cast<size_t>(slot)]; }
  QLabel* NoLabel(int slot) const { return noLabels_[static_cast<size_t>(slot)]; }
  QLabel* NameLabel(int slot) const { return nameLabels_[static_cast<size_t>(slot)]; }

 public Q_SLOTS:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Forward(QPushButton* button, void (GameFormPresenter::*handler)());

  GameFormPresenter* presenter_ = nullptr;
  std::array<QLineEdit*, BoxCount> edits_{};
  QRadioButton* am_ = nullptr;
  QRadioButton* pm_ = nullptr;
  std::array<QPushButton*, ButtonCount> buttons_{};
  std::array<QPushButton*, kRows> picks_{};
  std::array<QPushButton*, kRows> clears_{};
  std::array<QLabel*, kRows> noLabels_{};
  std::array<QLabel*, kRows> nameLabels_{};
  bool focusYear_ = false;
};

}  // namespace scv
