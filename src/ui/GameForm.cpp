#include "ui/GameForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "schedule/GameForm.h"
#include "store/Text.h"
#include "ui/CodePageEdit.h"
#include "ui/Guarded.h"
#include "ui/ListForm.h"

namespace scv {

namespace {

struct RowSpec {
  const char* prefix;  // of the control names: FButton, FClear, FNo, FName
  const char* caption;
};

// Rows in the picker's slot order.
const RowSpec kRowSpecs[GameForm::kRows] = {{"F", "&Field"},     {"H", "&Home Tm"},   {"A", "A&way Tm"},
                                            {"U1", "Umpire &1"}, {"U2", "Umpire &2"}, {"U3", "Umpire &3"},
                                            {"U4", "Umpire &4"}};

struct BoxSpec {
  const char* name;
  int maxLength;
  int digits;  // the width the box is made for
};

const BoxSpec kBoxSpecs[GameFormView::BoxCount] = {{"EditYr", 4, 4}, {"EditMo", 2, 2}, {"EditDa", 2, 2},
                                                   {"EditHr", 2, 2}, {"EditMn", 2, 2}, {"EditHTS", 3, 3},
                                                   {"EditATS", 3, 3}};

QPushButton* PushButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

// The No and Name of a pick row: a framed label that picks when clicked.
QLabel* RowLabel(QWidget* parent, const QString& name, const QColor& colour, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setCursor(Qt::PointingHandCursor);
  label->setTextFormat(Qt::PlainText);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

GameForm::GameForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("GameForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (int b = 0; b < BoxCount; ++b) {
    const BoxSpec& spec = kBoxSpecs[b];
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(spec.name));
    edit->setMaxLength(spec.maxLength);
    edit->setFixedWidth(digitWidth * spec.digits + 16);
    edit->setAlignment(Qt::AlignRight);
    KeepToCodePage(edit);
    edits_[static_cast<size_t>(b)] = edit;
  }

  // Date and time, each with its two-line label.
  auto stacked = [this](const char* top, const char* bottom) {
    auto* box = new QVBoxLayout;
    box->setSpacing(0);
    box->addWidget(new QLabel(QString::fromLatin1(top), this));
    box->addWidget(new QLabel(QString::fromLatin1(bottom), this));
    return box;
  };
  auto* boxes = new QGridLayout;
  boxes->setHorizontalSpacing(4);
  boxes->setVerticalSpacing(8);
  boxes->addLayout(stacked("Date", "(Y-M-D)"), 0, 0);
  auto* date = new QHBoxLayout;
  date->setSpacing(3);
  date->addWidget(edits_[EditYr]);
  date->addWidget(new QLabel(QStringLiteral("-"), this));
  date->addWidget(edits_[EditMo]);
  date->addWidget(new QLabel(QStringLiteral("-"), this));
  date->addWidget(edits_[EditDa]);
  date->addStretch(1);
  boxes->addLayout(date, 0, 1);

  boxes->addLayout(stacked("Game", "Time"), 1, 0);
  auto* time = new QHBoxLayout;
  time->setSpacing(3);
  time->addWidget(edits_[EditHr]);
  time->addWidget(new QLabel(QStringLiteral(":"), this));
  time->addWidget(edits_[EditMn]);
  time->addSpacing(8);
  auto* amPm = new QWidget(this);  // the two radios are exclusive of each other only
  auto* amPmRow = new QHBoxLayout(amPm);
  amPmRow->setContentsMargins(0, 0, 0, 0);
  am_ = new QRadioButton(QStringLiteral("am"), amPm);
  am_->setObjectName(QStringLiteral("RadioAM"));
  pm_ = new QRadioButton(QStringLiteral("pm"), amPm);
  pm_->setObjectName(QStringLiteral("RadioPM"));
  amPmRow->addWidget(am_);
  amPmRow->addWidget(pm_);
  pm_->setChecked(true);
  time->addWidget(amPm);
  time->addStretch(1);
  boxes->addLayout(time, 1, 1);

  auto* scores = new QHBoxLayout;
  scores->setSpacing(4);
  scores->addWidget(new QLabel(QStringLiteral("Home Team Score"), this));
  scores->addWidget(edits_[EditHTS]);
  scores->addSpacing(12);
  scores->addWidget(new QLabel(QStringLiteral("Away Team Score"), this));
  scores->addWidget(edits_[EditATS]);
  scores->addStretch(1);
  boxes->addLayout(scores, 2, 0, 1, 2);

  // The pick rows.
  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(4);
  rows->setVerticalSpacing(3);
  const QColor maroon(0x80, 0, 0);
  const int noWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
  for (int r = 0; r < kRows; ++r) {
    const QString prefix = QString::fromLatin1(kRowSpecs[r].prefix);
    const auto i = static_cast<size_t>(r);
    clears_[i] = PushButton(this, prefix + QStringLiteral("Clear"), QStringLiteral("Clear"));
    picks_[i] =
        PushButton(this, prefix + QStringLiteral("Button"), QString::fromLatin1(kRowSpecs[r].caption));
    noLabels_[i] = RowLabel(this, prefix + QStringLiteral("No"), Qt::red, Qt::AlignHCenter);
    noLabels_[i]->setFixedWidth(noWidth);
    nameLabels_[i] = RowLabel(this, prefix + QStringLiteral("Name"), maroon, Qt::AlignLeft);
    nameLabels_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    for (QLabel* label : {noLabels_[i], nameLabels_[i]}) {
      label->setMinimumHeight(picks_[i]->sizeHint().height() - 4);
      label->installEventFilter(this);
    }
    rows->addWidget(clears_[i], r, 0);
    rows->addWidget(picks_[i], r, 1);
    rows->addWidget(noLabels_[i], r, 2);
    rows->addWidget(nameLabels_[i], r, 3);
  }
  rows->setColumnStretch(3, 1);

  // The window's buttons.
  const struct {
    Button button;
    const char* name;
    const char* caption;
  } buttonSpecs[] = {{OkButton, "OkButton", "&OK"},
                     {AddButton, "AddButton", "&Add"},
                     {DeleteButton, "DeleteButton", "&Delete"},
                     {MakeButton, "MakeButton", "&Make"},
                     {HelpButton, "HelpButton", "He&lp"},
                     {CancelButton, "CancelButton", "&Cancel"}};
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(4);
  for (const auto& spec : buttonSpecs) {
    buttons_[spec.button] =
        PushButton(this, QString::fromLatin1(spec.name), QString::fromLatin1(spec.caption));
    buttons->addWidget(buttons_[spec.button]);
  }
  buttons->addStretch(1);
  buttons_[OkButton]->setDefault(true);
  buttons_[MakeButton]->setEnabled(false);

  auto* left = new QVBoxLayout;
  left->setSpacing(10);
  left->addLayout(boxes);
  left->addLayout(rows);
  left->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(12);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);

  // Tab order: the boxes, then each row's pick and Clear buttons, then the
  // window's buttons.
  std::vector<QWidget*> order = {
      edits_[EditYr],  edits_[EditMo], edits_[EditDa], edits_[EditHr], edits_[EditMn], am_, pm_,
      edits_[EditHTS], edits_[EditATS]};
  for (size_t r = 0; r < picks_.size(); ++r) {
    order.push_back(picks_[r]);
    order.push_back(clears_[r]);
  }
  for (QPushButton* b : buttons_) order.push_back(b);
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  Forward(buttons_[OkButton], &GameFormPresenter::OkButtonClick);
  Forward(buttons_[AddButton], &GameFormPresenter::AddButtonClick);
  Forward(buttons_[DeleteButton], &GameFormPresenter::DeleteButtonClick);
  Forward(buttons_[MakeButton], &GameFormPresenter::MakeButtonClick);
  Forward(buttons_[HelpButton], &GameFormPresenter::HelpButtonClick);
  connect(buttons_[CancelButton], &QPushButton::clicked, this, &GameForm::reject);
  for (int r = 0; r < kRows; ++r) {
    connect(picks_[static_cast<size_t>(r)], &QPushButton::clicked, this, [this, r] {
      if (presenter_) Guarded(this, [this, r] { presenter_->PickButtonClick(r); });
    });
    connect(clears_[static_cast<size_t>(r)], &QPushButton::clicked, this, [this, r] {
      if (presenter_) Guarded(this, [this, r] { presenter_->ClearButtonClick(r); });
    });
  }
}

void GameForm::Forward(QPushButton* button, void (GameFormPresenter::*handler)()) {
  connect(button, &QPushButton::clicked, this, [this, handler] {
    if (presenter_) Guarded(this, [this, handler] { Call(presenter_, handler); });
  });
}

bool GameForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int r = 0; r < kRows; ++r) {
      const auto i = static_cast<size_t>(r);
      if ((watched == noLabels_[i] || watched == nameLabels_[i]) && presenter_) {
        Guarded(this, [this, r] { presenter_->PickButtonClick(r); });
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void GameForm::SetCaption(const std::string& caption) { setWindowTitle(Decode(caption)); }

void GameForm::SetText(Box box, const std::string& text) {
  if (box >= 0 && box < BoxCount) edits_[box]->setText(Decode(text));
}

std::string GameForm::Text(Box box) const {
  return box >= 0 && box < BoxCount ? Encode(edits_[box]->text()) : std::string();
}

void GameForm::SetPm(bool pm) { (pm ? pm_ : am_)->setChecked(true); }
bool GameForm::Pm() const { return pm_->isChecked(); }

void GameForm::SetRow(int slot, const std::string& no, const std::string& name) {
  if (slot < 0 || slot >= kRows) return;
  noLabels_[static_cast<size_t>(slot)]->setText(Decode(no));
  nameLabels_[static_cast<size_t>(slot)]->setText(Decode(name));
}

void GameForm::SetMakeEnabled(bool enabled) { buttons_[MakeButton]->setEnabled(enabled); }

void GameForm::FocusYear() {
  focusYear_ = true;
  edits_[EditYr]->setFocus(Qt::OtherFocusReason);
  edits_[EditYr]->selectAll();
}

void GameForm::FocusOk() { buttons_[OkButton]->setFocus(Qt::OtherFocusReason); }

void GameForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  if (focusYear_) FocusYear();
}

GameResult GameForm::Exec() {
  const int result = exec();
  focusYear_ = false;
  if (result < static_cast<int>(GameResult::Cancel) || result > static_cast<int>(GameResult::ScheduleMade))
    return GameResult::Cancel;
  return static_cast<GameResult>(result);
}

void GameForm::Close(GameResult result) { done(static_cast<int>(result)); }

void GameForm::reject() { Close(GameResult::Cancel); }

}  // namespace scv
