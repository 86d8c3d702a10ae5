#pragma once
// The team record dialog (TTeamForm) and the player statistics dialog
// (TPlayerForm).
#include <array>

#include <QDialog>

#include "entry/EntryViews.h"
#include "dialogs/ListView.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scv {

class TeamForm : public QDialog, public TeamFormView {
  Q_OBJECT

 public:
  TeamForm(QWidget* parent, HelpView& help);

  // TeamFormView
  void SetCaption(const std::string& caption) override;
  void SetWon(const std::string& text) override;
  void SetLost(const std::string& text) override;
  void SetTied(const std::string& text) override;
  std::string WonText() const override;
  std::string LostText() const override;
  std::string TiedText() const override;
  void SetItem(Item item) override;
  Item SelectedItem() const override;
  void FocusRadioGroup() override;
  bool Exec() override;

  QRadioButton* Radio(Item item) const { return radios_[item]; }
  QLineEdit* EditWon() const { return editWon_; }
  QLineEdit* EditLost() const { return editLost_; }
  QLineEdit* EditTied() const { return editTied_; }
  QPushButton* OkButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  HelpView& help_;
  QButtonGroup* group_ = nullptr;
  std::array<QRadioButton*, 4> radios_{};
  QLineEdit* editWon_ = nullptr;
  QLineEdit* editLost_ = nullptr;
  QLineEdit* editTied_ = nullptr;
  QPushButton* ok_ = nullptr;
  bool focusGroup_ = false;
};

class PlayerForm : public QDialog, public PlayerFormView {
  Q_OBJECT

 public:
  PlayerForm(QWidget* parent, HelpView& help);

  // PlayerFormView
  void SetCaption(const std::string& caption) override;
  void SetAdd(int figure, const std::string& text) override;
  void SetTotal(int figure, const std::string& text) override;
  std::string AddText(int figure) const override;
  std::string TotalText(int figure) const override;
  void SetUserCaption(int i, const std::string& text) override;
  std::string UserCaption(int i) const override;
  void FocusFirstAdd() override;
  bool Exec() override;

  // The Add edit (null for BO and Pos) and the Total edit of a figure.
  QLineEdit* AddEdit(int figure) const;
  QLineEdit* TotalEdit(int figure) const;
  QLineEdit* UserEdit(int i) const;  // 1..4
  QPushButton* OkButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  HelpView& help_;
  std::array<QLineEdit*, 45> add_{};
  std::array<QLineEdit*, 45> total_{};
  std::array<QLineEdit*, 4> user_{};
  QPushButton* ok_ = nullptr;
  bool focusFirst_ = false;
};

}  // namespace scv
