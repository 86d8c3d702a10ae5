#include "ui/SetupForms.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "store/Text.h"
#include "tables/DisplaySetup.h"
#include "tables/Schedule.h"
#include "ui/Guarded.h"
#include "ui/ListForm.h"
#include "ui/MainWindow.h"

namespace scv {

namespace {

// Lays widgets out column by column, perColumn[c] of them in column c.
void PlaceInColumns(QGridLayout* grid, const std::vector<QWidget*>& widgets,
                    const std::vector<int>& perColumn) {
  size_t next = 0;
  for (size_t c = 0; c < perColumn.size(); ++c)
    for (int r = 0; r < perColumn[c] && next < widgets.size(); ++r)
      grid->addWidget(widgets[next++], r, static_cast<int>(c));
  grid->setRowStretch(perColumn.empty() ? 0 : perColumn.front(), 1);
}

QGridLayout* CompactGrid(QWidget* box) {
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(0);
  grid->setHorizontalSpacing(14);
  grid->setContentsMargins(8, 4, 8, 4);
  return grid;
}

std::vector<const char*> Names(const char* const* first, size_t count) { return {first, first + count}; }

}  // namespace

// ---- what the dialogs share -----------------------------------------------

SetupDialog::SetupDialog(QWidget* parent, const char* name) : QDialog(parent) {
  setObjectName(QString::fromLatin1(name));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QCheckBox* SetupDialog::CheckBox(int item) const {
  return item >= 1 && static_cast<size_t>(item) <= checks_.size() ? checks_[static_cast<size_t>(item - 1)]
                                                                  : nullptr;
}

void SetupDialog::SetItemChecked(int item, bool checked) {
  if (QCheckBox* box = CheckBox(item)) box->setChecked(checked);
}

bool SetupDialog::ItemChecked(int item) const {
  QCheckBox* box = CheckBox(item);
  return box && box->isChecked();
}

QWidget* SetupDialog::MakeCheckBoxes(const char* title, const std::vector<const char*>& captions,
                                     const std::vector<int>& perColumn) {
  auto* box = new QGroupBox(QString::fromLatin1(title), this);
  box->setObjectName(QStringLiteral("DisplayBox"));
  std::vector<QWidget*> widgets;
  for (size_t k = 0; k < captions.size(); ++k) {
    auto* check = new QCheckBox(QString::fromLatin1(captions[k]), box);
    check->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
    checks_.push_back(check);
    widgets.push_back(check);
  }
  PlaceInColumns(CompactGrid(box), widgets, perColumn);
  return box;
}

void SetupDialog::Forward(QPushButton* button, void (DisplaySetup::*handler)()) {
  connect(button, &QPushButton::clicked, this, [this, handler] {
    if (presenter_) Guarded(this, [this, handler] { Call(presenter_, handler); });
  });
}

QLayout* SetupDialog::MakeButtons(const char* okCaption, void (DisplaySetup::*handler)()) {
  ok_ = DialogButton(this, "OkButton", okCaption);
  ok_->setDefault(true);
  help_ = DialogButton(this, "HelpButton", "&Help");
  cancel_ = DialogButton(this, "CancelButton", "&Cancel");
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  Forward(help_, handler);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(help_);
  buttons->addWidget(cancel_);
  buttons->addStretch(1);
  return buttons;
}

bool SetupDialog::RunModal() { return exec() == QDialog::Accepted; }

void SetupDialog::FocusOkButton() { ok_->setFocus(Qt::OtherFocusReason); }

void SetupDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FocusFirst();
}

// ---- TSetupForm ----------------------------------------------------------------

SetupForm::SetupForm(QWidget* parent) : SetupDialog(parent, "SetupForm") {
  QWidget* display = MakeCheckBoxes("Display", Names(StandingsItemNames.data(), StandingsItemNames.size()),
                                    {TeamColumnCount});
  auto* label = new QLabel(QStringLiteral("Innings per Game for ERA"), this);
  label->setObjectName(QStringLiteral("Label1"));
  spin_ = new QSpinBox(this);
  spin_->setObjectName(QStringLiteral("SpinInning"));
  spin_->setRange(3, 18);
  spin_->setToolTip(QStringLiteral("Number of Innings Played in a Complete Game"));
  spin_->setFixedWidth(spin_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 36);
  label->setBuddy(spin_);
  auto* innings = new QHBoxLayout;
  innings->addWidget(label);
  innings->addWidget(spin_);
  innings->addStretch(1);

  auto* left = new QVBoxLayout;
  left->addWidget(display);
  left->addLayout(innings);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(MakeButtons("&OK", &DisplaySetup::StandingsHelpClick));

  for (size_t k = 1; k < checks_.size(); ++k) setTabOrder(checks_[k - 1], checks_[k]);
  setTabOrder(checks_.back(), spin_);
  setTabOrder(spin_, ok_);
  setTabOrder(ok_, help_);
  setTabOrder(help_, cancel_);
}

void SetupForm::SetCaption(const std::string& caption) { setWindowTitle(Decode(caption)); }
void SetupForm::SetInnings(int innings) { spin_->setValue(innings); }

int SetupForm::Innings() const {
  // A value typed but not yet taken by the spin box counts too.
  spin_->interpretText();
  return spin_->value();
}

// ---- sort items ----------------------------------------------------------------

QWidget* SortDialog::MakeSortItems(const char* name, const char* title, const std::vector<const char*>& items,
                                   const std::vector<int>& perColumn) {
  auto* box = new QGroupBox(QString::fromLatin1(title), this);
  box->setObjectName(QString::fromLatin1(name));
  sortGroup_ = new QButtonGroup(this);
  std::vector<QWidget*> widgets;
  for (size_t i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(items[i]), box);
    sortGroup_->addButton(radio, static_cast<int>(i));
    sorts_.push_back(radio);
    widgets.push_back(radio);
  }
  PlaceInColumns(CompactGrid(box), widgets, perColumn);
  return box;
}

QWidget* SortDialog::MakeDirection() {
  auto* box = new QGroupBox(this);
  box->setObjectName(QStringLiteral("RadioAD"));
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(8, 4, 8, 4);
  ascending_ = new QRadioButton(QStringLiteral("Ascending"), box);
  descending_ = new QRadioButton(QStringLiteral("Descending"), box);
  row->addWidget(ascending_);
  row->addWidget(descending_);
  ascending_->setChecked(true);
  return box;
}

void SortDialog::SelectSort(int index) {
  if (index >= 0 && static_cast<size_t>(index) < sorts_.size())
    sorts_[static_cast<size_t>(index)]->setChecked(true);
}

int SortDialog::SelectedSort() const { return std::max(sortGroup_->checkedId(), 0); }

void SortDialog::SetDirection(bool descending) { (descending ? descending_ : ascending_)->setChecked(true); }

bool SortDialog::IsDescending() const { return descending_->isChecked(); }

bool SortDialog::RunSortModal() {
  const bool ok = RunModal();
  focusSort_ = false;
  return ok;
}

void SortDialog::FocusSortItem() {
  if (QAbstractButton* b = sortGroup_->checkedButton()) b->setFocus(Qt::OtherFocusReason);
}

// ---- TPlayerSortForm -----------------------------------------------------------

PlayerSortForm::PlayerSortForm(QWidget* parent) : SortDialogOf(parent, "PlayerSortForm") {
  const std::vector<const char*> names = Names(PlayerItemNames.data(), PlayerItemNames.size());
  const std::vector<int> columns = {23, 23, 15};
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("TopTab"));
  tabs_->addTab(MakeCheckBoxes("", names, columns), QStringLiteral("Display"));
  tabs_->addTab(MakeSortItems("RadioSort", "", names, columns), QStringLiteral(" Sort"));

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(MakeDirection());
  bottom->addStretch(1);
  QLayout* buttons = MakeButtons("Ok", &DisplaySetup::PlayerHelpClick);
  // Along the bottom panel rather than down the side.
  while (QLayoutItem* item = buttons->takeAt(0)) {
    if (item->widget()) bottom->addWidget(item->widget());
    delete item;
  }
  delete buttons;

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addLayout(bottom);

  // Tab order: the page shown (the other page's controls are hidden), the
  // direction, the buttons.
  std::vector<QWidget*> order(checks_.begin(), checks_.end());
  order.insert(order.end(), sorts_.begin(), sorts_.end());
  for (QWidget* w : {ascending_, descending_}) order.push_back(w);
  for (QWidget* w : {ok_, help_, cancel_}) order.push_back(w);
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void PlayerSortForm::FocusSort() {
  focusSort_ = true;
  FocusFirst();
}

void PlayerSortForm::FocusFirst() {
  if (!focusSort_) return;
  // The dialog opens on the page shown last: the sort items, or the first
  // check box.
  if (tabs_->currentIndex() == 1)
    FocusSortItem();
  else
    checks_.front()->setFocus(Qt::OtherFocusReason);
}

void PlayerSortForm::SetCaption(const std::string& caption) { setWindowTitle(Decode(caption)); }

void PlayerSortForm::SetUserItem(int item, const std::string& text) {
  if (item < FirstUserColumn || item > PlayerColumnCount) return;
  CheckBox(item)->setText(Decode(text));
  SortRadio(item - 1)->setText(Decode(text));
}

// ---- TScheduleSortForm -----------------------------------------------------------

ScheduleSortForm::ScheduleSortForm(QWidget* parent) : SortDialogOf(parent, "ScheduleSortForm") {
  setWindowTitle(QStringLiteral("Setup Schedule"));
  QWidget* sort = MakeSortItems(
      "RadioGroup", "Sort", Names(ScheduleSortNames.data(), ScheduleSortNames.size()), {ScheduleSortCount});
  QWidget* direction = MakeDirection();

  auto* filter = new QGroupBox(QStringLiteral("Filter"), this);
  filter->setObjectName(QStringLiteral("FilterBoix"));
  allTeam_ = DialogButton(filter, "AllTeam", "All Teams");
  teamButton_ = DialogButton(filter, "TeamButton", "One &Team");
  allUmpires_ = DialogButton(filter, "AllUmpires", "All Umpires");
  umpireButton_ = DialogButton(filter, "UmpireButton", "One &Umpire");
  auto makeLabel = [filter](const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), filter);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    return label;
  };
  tFilter_ = makeLabel("TFilter", "All Teams");
  uFilter_ = makeLabel("UFilter", "All Umpires");
  auto* filterGrid = new QGridLayout(filter);
  filterGrid->addWidget(allTeam_, 0, 0);
  filterGrid->addWidget(teamButton_, 0, 1);
  filterGrid->addWidget(tFilter_, 1, 0, 1, 2);
  filterGrid->addWidget(allUmpires_, 2, 0);
  filterGrid->addWidget(umpireButton_, 2, 1);
  filterGrid->addWidget(uFilter_, 3, 0, 1, 2);
  Forward(allTeam_, &DisplaySetup::AllTeamClick);
  Forward(teamButton_, &DisplaySetup::TeamButtonClick);
  Forward(allUmpires_, &DisplaySetup::AllUmpiresClick);
  Forward(umpireButton_, &DisplaySetup::UmpireButtonClick);

  QWidget* display =
      MakeCheckBoxes("Display", Names(ScheduleItemNames.data(), ScheduleItemNames.size()), {10, 10});

  auto* left = new QVBoxLayout;
  left->addWidget(sort);
  left->addWidget(direction);
  left->addWidget(filter);
  left->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addWidget(display, 1);
  layout->addLayout(MakeButtons("&OK", &DisplaySetup::ScheduleHelpClick));
  ok_->setObjectName(QStringLiteral("OKButton"));

  std::vector<QWidget*> order(sorts_.begin(), sorts_.end());
  for (QWidget* w : {ascending_, descending_}) order.push_back(w);
  for (QWidget* w : {allTeam_, teamButton_, allUmpires_, umpireButton_}) order.push_back(w);
  order.insert(order.end(), checks_.begin(), checks_.end());
  for (QWidget* w : {ok_, help_, cancel_}) order.push_back(w);
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void ScheduleSortForm::FocusSort() {
  focusSort_ = true;
  FocusSortItem();
}

void ScheduleSortForm::FocusFirst() {
  if (focusSort_) FocusSortItem();
}

void ScheduleSortForm::SetTeamFilter(const std::string& text) { tFilter_->setText(Decode(text)); }
void ScheduleSortForm::SetUmpireFilter(const std::string& text) { uFilter_->setText(Decode(text)); }

// ---- the font dialog ---------------------------------------------------------------

FontChooser::FontChooser(MainWindow& window) : window_(window) {
  dialog_ = new QFontDialog(&window);
  dialog_->setObjectName(QStringLiteral("FontDialog"));
  dialog_->setOption(QFontDialog::DontUseNativeDialog);
  dialog_->setModal(true);
}

bool FontChooser::ChooseFont(TableFont& font) {
  // The dialog lists real families, their styles by name and point sizes:
  // give it the family, style and size the grid's font is shown in, so that
  // OK without a change keeps the font (the designed one is sized in pixels).
  QFont current = window_.CurrentTableFont();
  const QFontInfo shown(current);
  current.setFamily(shown.family());
  current.setStyleName(shown.styleName());
  if (current.pointSize() <= 0) current.setPointSize(std::max(shown.pointSize(), 1));
  dialog_->setCurrentFont(current);
  if (dialog_->exec() != QDialog::Accepted) return false;

  const QFont chosen = dialog_->selectedFont();
  font.Name = Encode(chosen.family());
  font.PointSize = chosen.pointSize() > 0 ? chosen.pointSize() : QFontInfo(chosen).pointSize();
  font.Bold = chosen.bold();
  font.Italic = chosen.italic();
  font.Underline = chosen.underline();
  font.StrikeOut = chosen.strikeOut();
  // Qt's font dialog offers no colour: the grid keeps its text colour.
  const QColor colour = window_.CurrentTableColor();
  font.Color = colour.red() | (colour.green() << 8) | (colour.blue() << 16);
  return true;
}

}  // namespace scv
