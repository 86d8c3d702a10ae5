#include "ui/EntryForms.h"

#include <vector>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry/PlayerForm.h"
#include "store/Records.h"
#include "store/Text.h"
#include "ui/CodePageEdit.h"
#include "ui/ListForm.h"

namespace scv {

static_assert(Fig::Count == 45, "the player dialog has an edit pair for every figure");

namespace {

QLineEdit* FigureEdit(QWidget* parent, const QString& name, int maxLength, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setFixedWidth(width);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

}  // namespace

// --- TTeamForm ---

TeamForm::TeamForm(QWidget* parent, HelpView& help) : QDialog(parent), help_(help) {
  setObjectName(QStringLiteral("TeamForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* box = new QGroupBox(this);
  box->setObjectName(QStringLiteral("RadioGroup"));
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(6);
  group_ = new QButtonGroup(this);
  const char* items[] = {"Did Not Play", "Won", "Lost", "Tied"};
  for (int i = 0; i < 4; ++i) {
    radios_[i] = new QRadioButton(QString::fromLatin1(items[i]), box);
    group_->addButton(radios_[i], i);
    grid->addWidget(radios_[i], i, 0);
  }
  // A stored count has 4 characters; a 3-character edit would cut "1000" to
  // "100" and store that on OK.
  editWon_ = FigureEdit(box, QStringLiteral("EditWon"), 4, 44);
  editLost_ = FigureEdit(box, QStringLiteral("EditLost"), 4, 44);
  editTied_ = FigureEdit(box, QStringLiteral("EditTied"), 4, 44);
  grid->addWidget(editWon_, 1, 1);
  grid->addWidget(editLost_, 2, 1);
  grid->addWidget(editTied_, 3, 1);

  ok_ = DialogButton(this, "OkButton", "&OK");
  ok_->setDefault(true);
  auto* helpButton = DialogButton(this, "HelpButton", "&Help");
  auto* cancel = DialogButton(this, "CancelButton", "&Cancel");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(helpButton);
  buttons->addWidget(cancel);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(box, 1);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton, &QPushButton::clicked, this, [this] {
    help_.OpenHelp(QStringLiteral("Update_Button"));
    ok_->setFocus(Qt::OtherFocusReason);
  });
  radios_[DidNotPlay]->setChecked(true);
  KeepToCodePage(this);
}

void TeamForm::SetCaption(const std::string& caption) { setWindowTitle(Decode(caption)); }
void TeamForm::SetWon(const std::string& text) { editWon_->setText(Decode(text)); }
void TeamForm::SetLost(const std::string& text) { editLost_->setText(Decode(text)); }
void TeamForm::SetTied(const std::string& text) { editTied_->setText(Decode(text)); }
std::string TeamForm::WonText() const { return Encode(editWon_->text()); }
std::string TeamForm::LostText() const { return Encode(editLost_->text()); }
std::string TeamForm::TiedText() const { return Encode(editTied_->text()); }

void TeamForm::SetItem(Item item) {
  if (item >= DidNotPlay && item <= Tied) radios_[item]->setChecked(true);
}

TeamFormView::Item TeamForm::SelectedItem() const {
  const int id = group_->checkedId();
  return id >= 0 && id <= 3 ? static_cast<Item>(id) : DidNotPlay;
}

void TeamForm::FocusRadioGroup() {
  focusGroup_ = true;
  if (QAbstractButton* b = group_->checkedButton()) b->setFocus(Qt::OtherFocusReason);
}

void TeamForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  if (focusGroup_) FocusRadioGroup();
}

bool TeamForm::Exec() {
  const bool ok = exec() == QDialog::Accepted;
  focusGroup_ = false;
  return ok;
}

// --- TPlayerForm ---

PlayerForm::PlayerForm(QWidget* parent, HelpView& help) : QDialog(parent), help_(help) {
  setObjectName(QStringLiteral("PlayerForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  const int editWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10;
  std::vector<QWidget*> tabOrder;
  std::vector<QGroupBox*> boxes;

  const FigureGroup groups[] = {FigureGroup::Offense, FigureGroup::Pitching, FigureGroup::Defense, FigureGroup::User,
                                FigureGroup::Plain};
  for (FigureGroup group : groups) {
    auto* box = new QGroupBox(QString::fromLatin1(FigureGroupCaption(group)), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    std::vector<QWidget*> adds, totals, users;
    int row = 0;
    for (const FigureLabel& f : PlayerFormFigures) {
      if (f.group != group) continue;
      const QString abbrev = QString::fromLatin1(f.abbrev);
      const auto index = static_cast<size_t>(f.figure);
      int col = 0;
      if (f.summed) {
        QLineEdit* add = FigureEdit(box, QStringLiteral("Add") + abbrev, f.maxLength, editWidth);
        add_[index] = add;
        grid->addWidget(add, row, col++);
        adds.push_back(add);
      }
      QLineEdit* total = FigureEdit(box, QStringLiteral("Edit") + abbrev, f.maxLength, editWidth);
      total_[index] = total;
      grid->addWidget(total, row, col++);
      totals.push_back(total);
      if (f.label) {
        grid->addWidget(new QLabel(QString::fromLatin1(f.label), box), row, col);
      } else {
        // The league's caption of a user statistic, which may be changed here.
        const int i = f.figure - Fig::C1;
        auto* caption = new QLineEdit(QStringLiteral("User %1").arg(i + 1), box);
        caption->setObjectName(QStringLiteral("User%1").arg(i + 1));
        caption->setMaxLength(8);
        caption->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")) + 10);
        user_[static_cast<size_t>(i)] = caption;
        grid->addWidget(caption, row, col);
        users.push_back(caption);
      }
      ++row;
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
    // Down the Add edits, then down the Total edits.
    tabOrder.insert(tabOrder.end(), adds.begin(), adds.end());
    tabOrder.insert(tabOrder.end(), totals.begin(), totals.end());
    tabOrder.insert(tabOrder.end(), users.begin(), users.end());
    boxes.push_back(box);
  }
  const char* boxNames[] = {"OffenseGroup", "PitchingGroup", "DefenseGroup", "UserGroup", "PlainGroup"};
  for (size_t i = 0; i < boxes.size(); ++i) boxes[i]->setObjectName(QString::fromLatin1(boxNames[i]));
  QGroupBox* plain = boxes[4];

  ok_ = DialogButton(this, "OkButton", "&OK");
  ok_->setDefault(true);
  auto* helpButton = DialogButton(this, "HelpButton", "&Help");
  auto* cancel = DialogButton(this, "CancelButton", "&Cancel");
  tabOrder.push_back(ok_);
  tabOrder.push_back(helpButton);
  tabOrder.push_back(cancel);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(helpButton);
  buttons->addWidget(cancel);

  auto* right = new QVBoxLayout;
  right->addWidget(boxes[2]);
  right->addWidget(boxes[3]);
  right->addWidget(plain);
  right->addStretch(1);
  right->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addWidget(boxes[0]);
  layout->addWidget(boxes[1]);
  layout->addLayout(right);

  for (size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton, &QPushButton::clicked, this, [this] {
    help_.OpenHelp(QStringLiteral("Update_Button"));
    ok_->setFocus(Qt::OtherFocusReason);
  });
  KeepToCodePage(this);
}

QLineEdit* PlayerForm::AddEdit(int figure) const {
  return figure >= 0 && figure < Fig::Count ? add_[static_cast<size_t>(figure)] : nullptr;
}

QLineEdit* PlayerForm::TotalEdit(int figure) const {
  return figure >= 0 && figure < Fig::Count ? total_[static_cast<size_t>(figure)] : nullptr;
}

QLineEdit* PlayerForm::UserEdit(int i) const { return i >= 1 && i <= 4 ? user_[static_cast<size_t>(i - 1)] : nullptr; }

void PlayerForm::SetCaption(const std::string& caption) { setWindowTitle(Decode(caption)); }

void PlayerForm::SetAdd(int figure, const std::string& text) {
  if (QLineEdit* e = AddEdit(figure)) e->setText(Decode(text));
}

void PlayerForm::SetTotal(int figure, const std::string& text) {
  if (QLineEdit* e = TotalEdit(figure)) e->setText(Decode(text));
}

std::string PlayerForm::AddText(int figure) const {
  QLineEdit* e = AddEdit(figure);
  return e ? Encode(e->text()) : std::string();
}

std::string PlayerForm::TotalText(int figure) const {
  QLineEdit* e = TotalEdit(figure);
  return e ? Encode(e->text()) : std::string();
}

void PlayerForm::SetUserCaption(int i, const std::string& text) {
  if (QLineEdit* e = UserEdit(i)) e->setText(Decode(text));
}

std::string PlayerForm::UserCaption(int i) const {
  QLineEdit* e = UserEdit(i);
  return e ? Encode(e->text()) : std::string();
}

void PlayerForm::FocusFirstAdd() {
  focusFirst_ = true;
  add_[Fig::PA]->setFocus(Qt::OtherFocusReason);
}

void PlayerForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  if (focusFirst_) add_[Fig::PA]->setFocus(Qt::OtherFocusReason);
}

bool PlayerForm::Exec() {
  const bool ok = exec() == QDialog::Accepted;
  focusFirst_ = false;
  return ok;
}

}  // namespace scv
