#pragma once
// The game-note dialog (TRadioNoteForm, "Choose Which Notes"): which of the
// current game's notes to open, each item with the label that names it.
#include <array>
#include <functional>

#include <QDialog>

#include "notes/NoteViews.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace scv {

class RadioNoteForm : public QDialog, public RadioNoteView {
  Q_OBJECT

 public:
  explicit RadioNoteForm(QWidget* parent);

  // The Help button's action; the presenter is made after the dialog.
  void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }

  // RadioNoteView
  void SetLabel(Item item, const std::string& text) override;
  Item SelectedItem() const override;
  void FocusRadioGroup() override;
  void FocusOkButton() override;
  bool Exec() override;

  QRadioButton* Radio(Item item) const { return radios_[item]; }
  QLabel* Label(Item item) const { return labels_[item]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* HelpButton() const { return helpButton_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QButtonGroup* group_ = nullptr;
  std::array<QRadioButton*, ItemCount> radios_{};
  std::array<QLabel*, ItemCount> labels_{};
  QPushButton* ok_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::function<void()> help_;
  bool focusGroup_ = false;
};

}  // namespace scv
