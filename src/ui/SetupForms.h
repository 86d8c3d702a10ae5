#pragma once
// The display setup dialogs: the standings setup (TSetupForm), the player
// tabs' columns and sort (TPlayerSortForm), the schedule's sort, filter and
// columns (TScheduleSortForm), and the font dialog of the Font command.
// Their buttons go to the display setup presenter.
#include <array>
#include <vector>

#include <QDialog>

#include "tables/Columns.h"
#include "tables/SetupViews.h"

class QButtonGroup;
class QCheckBox;
class QFontDialog;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace scv {

class DisplaySetup;
class MainWindow;

// What the three dialogs share: the check boxes, the OK, Help and Cancel
// buttons and the modal run.
class SetupDialog : public QDialog {
  Q_OBJECT

 public:
  SetupDialog(QWidget* parent, const char* name);
  void SetPresenter(DisplaySetup* presenter) { presenter_ = presenter; }

  QCheckBox* CheckBox(int item) const;  // 1..count
  QPushButton* OkButton() const { return ok_; }
  QPushButton* HelpButton() const { return help_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  // Check boxes named CheckBox1 ... in a group box named DisplayBox, filled
  // column by column.
  QWidget* MakeCheckBoxes(const char* title, const std::vector<const char*>& captions,
                          const std::vector<int>& perColumn);
  // The three buttons in a column; the help button runs handler.
  QLayout* MakeButtons(const char* okCaption, void (DisplaySetup::*handler)());
  void Forward(QPushButton* button, void (DisplaySetup::*handler)());
  void SetItemChecked(int item, bool checked);
  bool ItemChecked(int item) const;
  bool RunModal();
  void FocusOkButton();
  void showEvent(QShowEvent* event) override;
  // The control that gets the focus when the dialog shows.
  virtual void FocusFirst() {}

  DisplaySetup* presenter_ = nullptr;
  std::vector<QCheckBox*> checks_;
  QPushButton* ok_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

class SetupForm : public SetupDialog, public StandingsSetupView {
  Q_OBJECT

 public:
  explicit SetupForm(QWidget* parent);

  void SetChecked(int item, bool checked) override { SetItemChecked(item, checked); }
  bool Checked(int item) const override { return ItemChecked(item); }
  void FocusOk() override { FocusOkButton(); }
  bool Exec() override { return RunModal(); }
  void SetCaption(const std::string& caption) override;
  void SetInnings(int innings) override;
  int Innings() const override;

  QSpinBox* SpinInning() const { return spin_; }

 private:
  QSpinBox* spin_ = nullptr;
};

// The radio items of a sort choice and the Ascending / Descending pair.
class SortDialog : public SetupDialog {
  Q_OBJECT

 public:
  using SetupDialog::SetupDialog;
  QRadioButton* SortRadio(int index) const { return sorts_.at(static_cast<size_t>(index)); }
  QRadioButton* RadioAscending() const { return ascending_; }
  QRadioButton* RadioDescending() const { return descending_; }

 protected:
  QWidget* MakeSortItems(const char* name, const char* title, const std::vector<const char*>& items,
                         const std::vector<int>& perColumn);
  QWidget* MakeDirection();
  void SelectSort(int index);
  int SelectedSort() const;
  void FocusSortItem();
  void SetDirection(bool descending);
  bool IsDescending() const;
  bool RunSortModal();

  QButtonGroup* sortGroup_ = nullptr;
  std::vector<QRadioButton*> sorts_;
  QRadioButton* ascending_ = nullptr;
  QRadioButton* descending_ = nullptr;
  bool focusSort_ = false;
};

// A sort dialog as the view its presenter sees.
template <class View>
class SortDialogOf : public SortDialog, public View {
 public:
  using SortDialog::SortDialog;
  void SetChecked(int item, bool checked) override { SetItemChecked(item, checked); }
  bool Checked(int item) const override { return ItemChecked(item); }
  void FocusOk() override { FocusOkButton(); }
  bool Exec() override { return RunSortModal(); }
  void SetSortItem(int index) override { SelectSort(index); }
  int SortItem() const override { return SelectedSort(); }
  void SetDescending(bool descending) override { SetDirection(descending); }
  bool Descending() const override { return IsDescending(); }
};

class PlayerSortForm : public SortDialogOf<PlayerSortView> {
  Q_OBJECT

 public:
  explicit PlayerSortForm(QWidget* parent);

  void FocusSort() override;
  void SetCaption(const std::string& caption) override;
  void SetUserItem(int item, const std::string& text) override;

  QTabWidget* TopTab() const { return tabs_; }

 protected:
  void FocusFirst() override;

 private:
  QTabWidget* tabs_ = nullptr;
};

class ScheduleSortForm : public SortDialogOf<ScheduleSortView> {
  Q_OBJECT

 public:
  explicit ScheduleSortForm(QWidget* parent);

  void FocusSort() override;
  void SetTeamFilter(const std::string& text) override;
  void SetUmpireFilter(const std::string& text) override;

  QPushButton* AllTeam() const { return allTeam_; }
  QPushButton* TeamButton() const { return teamButton_; }
  QPushButton* AllUmpires() const { return allUmpires_; }
  QPushButton* UmpireButton() const { return umpireButton_; }
  QLabel* TFilter() const { return tFilter_; }
  QLabel* UFilter() const { return uFilter_; }

 protected:
  void FocusFirst() override;

 private:
  QPushButton* allTeam_ = nullptr;
  QPushButton* teamButton_ = nullptr;
  QPushButton* allUmpires_ = nullptr;
  QPushButton* umpireButton_ = nullptr;
  QLabel* tFilter_ = nullptr;
  QLabel* uFilter_ = nullptr;
};

// The Font command's dialog: Qt's font dialog, loaded with the grid's font.
class FontChooser : public FontView {
 public:
  explicit FontChooser(MainWindow& window);
  bool ChooseFont(TableFont& font) override;
  QFontDialog* Dialog() const { return dialog_; }

 private:
  MainWindow& window_;
  QFontDialog* dialog_ = nullptr;
};

}  // namespace scv
