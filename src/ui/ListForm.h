#pragma once
// The pick-list dialog (TListForm) and the name dialog (TNameForm).
#include <array>
#include <functional>

#include <QDialog>

#include "dialogs/ListView.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace scv {

class ListForm : public QDialog, public ListView {
  Q_OBJECT

 public:
  static constexpr int kDesignedWidth = 205;
  static constexpr int kDesignedHeight = 195;
  static constexpr int kItemHeight = 16;

  // mainWindow: the window whose client height limits the dialog and on
  // which it is centred vertically.
  explicit ListForm(QWidget* mainWindow);

  // The Help button's action (the pick-list presenter's HelpButtonClick);
  // the presenter is made after the dialog.
  void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }

  // ListView
  void SetCaption(const QString& caption) override;
  QString Caption() const override;
  void SetButtonEnabled(Button button, bool enabled) override;
  void SetItems(const std::vector<std::string>& lines) override;
  void SetCurrentItem(int row) override;
  int CurrentItem() const override;
  int Exec() override;

  QListWidget* ListBox() const { return list_; }
  QPushButton* ButtonWidget(Button button) const { return buttons_[button]; }
  // The height the dialog takes for its current items.
  int FittedHeight() const;

 public Q_SLOTS:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FitToItems();

  QWidget* main_;
  QListWidget* list_ = nullptr;
  std::array<QPushButton*, 8> buttons_{};
  std::function<void()> help_;
};

class NameForm : public QDialog, public NameView {
  Q_OBJECT

 public:
  static constexpr int kDesignedWidth = 366;
  static constexpr int kDesignedHeight = 113;

  explicit NameForm(QWidget* parent);

  // NameView
  void SetCaption(const QString& caption) override;
  void SetNo(const std::string& text) override;
  void SetName(const std::string& text) override;
  std::string No() const override;
  std::string Name() const override;
  void FocusNo() override;
  bool Exec() override;

  QLineEdit* EditNo() const { return editNo_; }
  QLineEdit* EditName() const { return editName_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* editNo_ = nullptr;
  QLineEdit* editName_ = nullptr;
  bool focusNo_ = false;
};

// Centres a dialog on the screen its parent is on.
void CentreOnScreen(QWidget* dialog);

// A dialog's push button; only the one made default answers Enter.
QPushButton* DialogButton(QWidget* parent, const char* name, const QString& caption);

}  // namespace scv
