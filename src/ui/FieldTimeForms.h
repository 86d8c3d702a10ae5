#pragma once
// The field-selection window (TFieldForm) and the field-time window
// (TMakeForm) of the schedule maker. Each shows its presenter's grid and
// sends every button to it.
#include <array>

#include <QDialog>

#include "schedule/FieldTimeViews.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace scv {

class FieldFormPresenter;
class GridTable;
class MakeFormPresenter;

class FieldForm : public QDialog, public FieldFormView {
  Q_OBJECT

 public:
  enum Button { SetButton, ResetButton, AddButton, CancelButton, ButtonCount };

  explicit FieldForm(QWidget* parent);

  // The presenter is made after the window.
  void SetPresenter(FieldFormPresenter* presenter);

  // FieldFormView
  void GridChanged() override;
  void FocusGrid() override;
  bool Exec() override;
  void Close(bool ok) override;

  // The controls, for tests.
  QTableView* FieldGrid() const;
  QPushButton* ButtonWidget(Button button) const { return buttons_[button]; }

 public Q_SLOTS:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  FieldFormPresenter* presenter_ = nullptr;
  GridTable* grid_ = nullptr;
  std::array<QPushButton*, ButtonCount> buttons_{};
};

class MakeForm : public QDialog, public MakeFormView {
  Q_OBJECT

 public:
  enum Button { AddButton, ChangeButton, DeleteButton, DoneButton, ButtonCount };

  explicit MakeForm(QWidget* parent);

  void SetPresenter(MakeFormPresenter* presenter);

  // MakeFormView
  void SetCaption(const std::string& caption) override;
  void SetText(Box box, const std::string& text) override;
  std::string Text(Box box) const override;
  void SetPm(bool pm) override;
  bool Pm() const override;
  void SetEvery(bool every) override;
  bool Every() const override;
  void SetWeekday(int day) override;
  int Weekday() const override;
  void SetEveryEnabled(bool enabled) override;
  void SetChangeDeleteEnabled(bool enabled) override;
  void GridChanged() override;
  void FocusGrid() override;
  void FocusStartYear() override;
  void Exec() override;

  // The controls, for tests.
  QTableView* MakeGrid() const;
  QLineEdit* Edit(Box box) const { return edits_[box]; }
  QRadioButton* RadioSingle() const { return single_; }
  QRadioButton* RadioMultiple() const { return every_; }
  QRadioButton* RadioSam() const { return am_; }
  QRadioButton* RadioSpm() const { return pm_; }
  QComboBox* ComboBox() const { return weekday_; }
  QPushButton* ButtonWidget(Button button) const { return buttons_[button]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  enum class Focus { None, Grid, StartYear };
  void ApplyFocus();

  MakeFormPresenter* presenter_ = nullptr;
  GridTable* grid_ = nullptr;
  std::array<QLineEdit*, BoxCount> edits_{};
  QRadioButton* single_ = nullptr;
  QRadioButton* every_ = nullptr;
  QRadioButton* am_ = nullptr;
  QRadioButton* pm_ = nullptr;
  QComboBox* weekday_ = nullptr;
  std::array<QPushButton*, ButtonCount> buttons_{};
  Focus focus_ = Focus::None;
};

}  // namespace scv
