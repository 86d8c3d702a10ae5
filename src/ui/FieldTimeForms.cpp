#include "ui/FieldTimeForms.h"

#include <algorithm>
#include <functional>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "schedule/FieldTimes.h"
#include "store/Text.h"
#include "ui/CodePageEdit.h"
#include "ui/GridModel.h"
#include "ui/Guarded.h"
#include "ui/ListForm.h"

namespace scv {

// A presenter's grid in a table view: row 0 is the header, column 0 the
// hidden key column, one column stretches to the view's width. A cell the
// user moves to becomes the grid's focus cell and is reported.
class GridTable : public QTableView {
 public:
  GridTable(QWidget* parent, const QString& name, int stretchColumn)
      : QTableView(parent), stretch_(stretchColumn) {
    setObjectName(name);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(0);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }

  std::function<void(int col, int row)> onSelectCell;

  void SetGrid(Grid* grid) {
    grid_ = grid;
    delete model_;
    model_ = nullptr;
    if (!grid_) return;
    model_ = new GridModel(*grid_, this);
    setModel(model_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
              if (syncing_ || !grid_ || !current.isValid()) return;
              grid_->Col = current.column();
              grid_->Row = GridModel::GridRow(current.row());
              if (onSelectCell) onSelectCell(grid_->Col, grid_->Row);
            });
    Sync();
  }

  // Shows the grid as it is now: cells, widths and the focus cell.
  void Sync() {
    if (!model_) return;
    syncing_ = true;
    grid_->ClientWidth = viewport()->width();
    model_->Refresh();
    QHeaderView* header = horizontalHeader();
    for (int c = 0; c < model_->columnCount(); ++c) {
      setColumnHidden(c, c == 0);
      if (c == 0) continue;
      header->setSectionResizeMode(c, c == stretch_ ? QHeaderView::Stretch : QHeaderView::Fixed);
      if (c != stretch_) setColumnWidth(c, grid_->ColWidth(c));
    }
    const int row = GridModel::ViewRow(grid_->Row);
    if (row >= 0 && row < model_->rowCount() && grid_->Col >= 0 && grid_->Col < model_->columnCount()) {
      const QModelIndex index = model_->index(row, grid_->Col);
      selectionModel()->setCurrentIndex(index,
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      scrollTo(index);
    } else {
      selectionModel()->clear();
    }
    syncing_ = false;
  }

 private:
  Grid* grid_ = nullptr;
  GridModel* model_ = nullptr;
  int stretch_;
  bool syncing_ = false;
};

namespace {

QPushButton* PushButton(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

// ---- the field-selection window -------------------------------------------

FieldForm::FieldForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FieldForm"));
  setWindowTitle(QStringLiteral("Select Fields to Use in Schedule"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  grid_ = new GridTable(this, QStringLiteral("FieldGrid"), 2);
  grid_->setMinimumSize(420, 240);
  const struct {
    Button button;
    const char* name;
    const char* caption;
  } specs[] = {{SetButton, "SetButton", "&Set Field Available Times"},
               {ResetButton, "ResetButton", "&Reset All"},
               {AddButton, "AddButton", "&Add Games To Schedule"},
               {CancelButton, "CancelButton", "&Cancel"}};
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  for (const auto& spec : specs) {
    buttons_[spec.button] = PushButton(this, spec.name, spec.caption);
    buttons->addWidget(buttons_[spec.button]);
  }
  buttons_[SetButton]->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);

  setTabOrder(grid_, buttons_[SetButton]);
  for (int b = 1; b < ButtonCount; ++b) setTabOrder(buttons_[b - 1], buttons_[b]);

  const auto forward = [this](Button button, void (FieldFormPresenter::*handler)()) {
    connect(buttons_[button], &QPushButton::clicked, this, [this, handler] {
      if (presenter_) Guarded(this, [this, handler] { Call(presenter_, handler); });
    });
  };
  forward(SetButton, &FieldFormPresenter::SetButtonClick);
  forward(ResetButton, &FieldFormPresenter::ResetButtonClick);
  forward(AddButton, &FieldFormPresenter::AddButtonClick);
  forward(CancelButton, &FieldFormPresenter::CancelButtonClick);
  connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex&) {
    if (presenter_) Guarded(this, [this] { presenter_->SetButtonClick(); });
  });
}

void FieldForm::SetPresenter(FieldFormPresenter* presenter) {
  presenter_ = presenter;
  grid_->SetGrid(presenter ? &presenter->FieldGrid : nullptr);
}

QTableView* FieldForm::FieldGrid() const { return grid_; }

void FieldForm::GridChanged() { grid_->Sync(); }

void FieldForm::FocusGrid() { grid_->setFocus(Qt::OtherFocusReason); }

bool FieldForm::Exec() { return exec() == QDialog::Accepted; }

void FieldForm::Close(bool ok) { done(ok ? QDialog::Accepted : QDialog::Rejected); }

void FieldForm::reject() { Close(false); }

void FieldForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  grid_->Sync();
  FocusGrid();
}

// ---- the field-time window ------------------------------------------------

MakeForm::MakeForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MakeForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  grid_ = new GridTable(this, QStringLiteral("MakeGrid"), 4);
  grid_->setMinimumSize(230, 300);

  const struct {
    const char* name;
    int digits;
  } boxSpecs[BoxCount] = {{"EditSYr", 4}, {"EditSMo", 2}, {"EditSDa", 2}, {"EditSHr", 2},
                          {"EditSMn", 2}, {"EditEYr", 4}, {"EditEMo", 2}, {"EditEDa", 2}};
  const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (int b = 0; b < BoxCount; ++b) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(boxSpecs[b].name));
    edit->setMaxLength(boxSpecs[b].digits);
    edit->setFixedWidth(digitWidth * boxSpecs[b].digits + 16);
    edit->setAlignment(Qt::AlignRight);
    KeepToCodePage(edit);
    edits_[static_cast<size_t>(b)] = edit;
  }
  const auto dateRow = [this](Box year, Box month, Box day) {
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(edits_[year]);
    row->addWidget(new QLabel(QStringLiteral("-"), this));
    row->addWidget(edits_[month]);
    row->addWidget(new QLabel(QStringLiteral("-"), this));
    row->addWidget(edits_[day]);
    row->addStretch(1);
    return row;
  };

  // Schedule: one game, or one every week on a weekday.
  auto* schedule = new QGroupBox(QStringLiteral("Schedule"), this);
  single_ = new QRadioButton(QStringLiteral("&Single Game"), schedule);
  single_->setObjectName(QStringLiteral("RadioSingle"));
  every_ = new QRadioButton(QStringLiteral("Games &Every"), schedule);
  every_->setObjectName(QStringLiteral("RadioMultiple"));
  weekday_ = new QComboBox(schedule);
  weekday_->setObjectName(QStringLiteral("ComboBox"));
  for (const char* day : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
    weekday_->addItem(QString::fromLatin1(day));
  auto* scheduleLayout = new QGridLayout(schedule);
  scheduleLayout->addWidget(single_, 0, 0);
  scheduleLayout->addWidget(every_, 1, 0);
  scheduleLayout->addWidget(weekday_, 1, 1);
  scheduleLayout->setColumnStretch(2, 1);

  // Starting at: the date, and the game time on the 12-hour clock.
  auto* starting = new QGroupBox(QStringLiteral("Starting at"), this);
  auto* startLabel = new QLabel(QStringLiteral("&Year-Month-Day"), starting);
  startLabel->setBuddy(edits_[EditSYr]);
  auto* timeLabel = new QLabel(QStringLiteral("Game &Time"), starting);
  timeLabel->setBuddy(edits_[EditSHr]);
  auto* amPm = new QWidget(starting);  // am and pm exclude each other only
  auto* amPmRow = new QHBoxLayout(amPm);
  amPmRow->setContentsMargins(0, 0, 0, 0);
  am_ = new QRadioButton(QStringLiteral("am"), amPm);
  am_->setObjectName(QStringLiteral("RadioSam"));
  pm_ = new QRadioButton(QStringLiteral("pm"), amPm);
  pm_->setObjectName(QStringLiteral("RadioSpm"));
  amPmRow->addWidget(am_);
  amPmRow->addWidget(pm_);
  auto* time = new QHBoxLayout;
  time->setSpacing(3);
  time->addWidget(edits_[EditSHr]);
  time->addWidget(new QLabel(QStringLiteral(":"), starting));
  time->addWidget(edits_[EditSMn]);
  time->addSpacing(8);
  time->addWidget(amPm);
  time->addStretch(1);
  auto* startLayout = new QGridLayout(starting);
  startLayout->addWidget(startLabel, 0, 0);
  startLayout->addLayout(dateRow(EditSYr, EditSMo, EditSDa), 0, 1);
  startLayout->addWidget(timeLabel, 1, 0);
  startLayout->addLayout(time, 1, 1);

  // Ending at: the last date of games every week.
  auto* ending = new QGroupBox(QStringLiteral("Ending at"), this);
  auto* endLabel = new QLabel(QStringLiteral("Year-Mo&nth-Day"), ending);
  endLabel->setBuddy(edits_[EditEYr]);
  auto* endLayout = new QGridLayout(ending);
  endLayout->addWidget(endLabel, 0, 0);
  endLayout->addLayout(dateRow(EditEYr, EditEMo, EditEDa), 0, 1);
  // The labels line up with those of the starting group.
  const int labelWidth = std::max(startLabel->sizeHint().width(), timeLabel->sizeHint().width());
  for (QLabel* label : {startLabel, timeLabel, endLabel}) label->setMinimumWidth(labelWidth);

  const struct {
    Button button;
    const char* name;
    const char* caption;
  } buttonSpecs[] = {{AddButton, "AddButton", "&Add Time"},
                     {ChangeButton, "ChangeButton", "&Change Time"},
                     {DeleteButton, "DeleteButton", "&Delete Time"},
                     {DoneButton, "DoneButton", "&Field Done"}};
  auto* buttons = new QGridLayout;
  buttons->setSpacing(6);
  for (int b = 0; b < ButtonCount; ++b) {
    buttons_[buttonSpecs[b].button] = PushButton(this, buttonSpecs[b].name, buttonSpecs[b].caption);
    buttons->addWidget(buttons_[buttonSpecs[b].button], b / 2, b % 2);
  }
  buttons_[AddButton]->setDefault(true);

  auto* right = new QVBoxLayout;
  right->setSpacing(8);
  right->addWidget(schedule);
  right->addWidget(starting);
  right->addWidget(ending);
  right->addStretch(1);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(10);
  layout->addWidget(grid_, 1);
  layout->addLayout(right);

  const std::vector<QWidget*> order = {grid_,
                                       single_,
                                       every_,
                                       weekday_,
                                       edits_[EditSYr],
                                       edits_[EditSMo],
                                       edits_[EditSDa],
                                       edits_[EditSHr],
                                       edits_[EditSMn],
                                       am_,
                                       pm_,
                                       edits_[EditEYr],
                                       edits_[EditEMo],
                                       edits_[EditEDa],
                                       buttons_[AddButton],
                                       buttons_[ChangeButton],
                                       buttons_[DeleteButton],
                                       buttons_[DoneButton]};
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  const auto forward = [this](QAbstractButton* button, void (MakeFormPresenter::*handler)()) {
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
      if (presenter_) Guarded(this, [this, handler] { Call(presenter_, handler); });
    });
  };
  forward(buttons_[AddButton], &MakeFormPresenter::AddButtonClick);
  forward(buttons_[ChangeButton], &MakeFormPresenter::ChangeButtonClick);
  forward(buttons_[DeleteButton], &MakeFormPresenter::DeleteButtonClick);
  forward(single_, &MakeFormPresenter::RadioClick);
  forward(every_, &MakeFormPresenter::RadioClick);
  connect(buttons_[DoneButton], &QPushButton::clicked, this, &MakeForm::reject);
  grid_->onSelectCell = [this](int col, int row) {
    if (presenter_) Guarded(this, [this, col, row] { presenter_->MakeGridSelectCell(col, row); });
  };
}

void MakeForm::SetPresenter(MakeFormPresenter* presenter) {
  presenter_ = presenter;
  grid_->SetGrid(presenter ? &presenter->MakeGrid : nullptr);
}

QTableView* MakeForm::MakeGrid() const { return grid_; }

void MakeForm::SetCaption(const std::string& caption) { setWindowTitle(Decode(caption)); }

void MakeForm::SetText(Box box, const std::string& text) {
  if (box >= 0 && box < BoxCount) edits_[box]->setText(Decode(text));
}

std::string MakeForm::Text(Box box) const {
  return box >= 0 && box < BoxCount ? Encode(edits_[box]->text()) : std::string();
}

void MakeForm::SetPm(bool pm) { (pm ? pm_ : am_)->setChecked(true); }
bool MakeForm::Pm() const { return pm_->isChecked(); }

void MakeForm::SetEvery(bool every) { (every ? every_ : single_)->setChecked(true); }
bool MakeForm::Every() const { return every_->isChecked(); }

void MakeForm::SetWeekday(int day) {
  if (day >= 0 && day < weekday_->count()) weekday_->setCurrentIndex(day);
}
int MakeForm::Weekday() const { return weekday_->currentIndex(); }

void MakeForm::SetEveryEnabled(bool enabled) {
  weekday_->setEnabled(enabled);
  for (Box box : {EditEYr, EditEMo, EditEDa}) edits_[box]->setEnabled(enabled);
}

void MakeForm::SetChangeDeleteEnabled(bool enabled) {
  buttons_[ChangeButton]->setEnabled(enabled);
  buttons_[DeleteButton]->setEnabled(enabled);
}

void MakeForm::GridChanged() { grid_->Sync(); }

void MakeForm::FocusGrid() {
  focus_ = Focus::Grid;
  ApplyFocus();
}

void MakeForm::FocusStartYear() {
  focus_ = Focus::StartYear;
  ApplyFocus();
}

void MakeForm::ApplyFocus() {
  if (focus_ == Focus::Grid) {
    grid_->setFocus(Qt::OtherFocusReason);
  } else if (focus_ == Focus::StartYear) {
    edits_[EditSYr]->setFocus(Qt::OtherFocusReason);
    edits_[EditSYr]->selectAll();
  }
}

void MakeForm::Exec() {
  exec();
  focus_ = Focus::None;
}

void MakeForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  grid_->Sync();
  ApplyFocus();
}

}  // namespace scv
