#include "ui/RadioNoteForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "store/Text.h"
#include "ui/ListForm.h"

namespace scv {

RadioNoteForm::RadioNoteForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RadioNoteForm"));
  setWindowTitle(QStringLiteral("Choose Which Notes"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* box = new QGroupBox(this);
  box->setObjectName(QStringLiteral("RadioGroup"));
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(6);
  grid->setHorizontalSpacing(12);
  group_ = new QButtonGroup(this);
  const char* items[ItemCount] = {"Field",     "Game",      "Home Team", "Away Team",
                                  "Umpire #1", "Umpire #2", "Umpire #3", "Umpire #4"};
  const char* labelNames[ItemCount] = {"FNote",  "GNote",  "HNote",  "ANote",
                                       "U1Note", "U2Note", "U3Note", "U4Note"};
  for (int i = 0; i < ItemCount; ++i) {
    radios_[i] = new QRadioButton(QString::fromLatin1(items[i]), box);
    group_->addButton(radios_[i], i);
    labels_[i] = new QLabel(box);
    labels_[i]->setObjectName(QString::fromLatin1(labelNames[i]));
    labels_[i]->setTextFormat(Qt::PlainText);
    labels_[i]->setMinimumWidth(220);
    grid->addWidget(radios_[i], i, 0);
    grid->addWidget(labels_[i], i, 1);
  }
  grid->setColumnStretch(1, 1);
  radios_[Field]->setChecked(true);

  ok_ = DialogButton(this, "OkButton", "&OK");
  ok_->setDefault(true);
  helpButton_ = DialogButton(this, "HelpButton", "&Help");
  cancel_ = DialogButton(this, "CancelButton", "&Cancel");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(helpButton_);
  buttons->addWidget(cancel_);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(box, 1);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });
}

void RadioNoteForm::SetLabel(Item item, const std::string& text) {
  if (item >= 0 && item < ItemCount) labels_[item]->setText(Decode(text));
}

RadioNoteView::Item RadioNoteForm::SelectedItem() const {
  const int id = group_->checkedId();
  return id >= 0 && id < ItemCount ? static_cast<Item>(id) : Field;
}

void RadioNoteForm::FocusRadioGroup() {
  focusGroup_ = true;
  if (QAbstractButton* b = group_->checkedButton()) b->setFocus(Qt::OtherFocusReason);
}

void RadioNoteForm::FocusOkButton() { ok_->setFocus(Qt::OtherFocusReason); }

void RadioNoteForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  if (focusGroup_) FocusRadioGroup();
}

bool RadioNoteForm::Exec() {
  const bool ok = exec() == QDialog::Accepted;
  focusGroup_ = false;
  return ok;
}

}  // namespace scv
