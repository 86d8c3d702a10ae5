#include "ui/ListForm.h"

#include <algorithm>

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "store/Text.h"
#include "ui/CodePageEdit.h"

namespace scv {

namespace {

// Every item of the list box is 16 pixels high.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(ListForm::kItemHeight);
    return size;
  }
};

QScreen* ScreenOf(QWidget* w) {
  if (w && w->screen()) return w->screen();
  return QGuiApplication::primaryScreen();
}

// As narrow as its caption allows: four buttons share a narrow dialog.
class CompactButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  QSize sizeHint() const override {
    QString caption = text();
    caption.remove(QLatin1Char('&'));
    return QSize(fontMetrics().horizontalAdvance(caption) + 24, QPushButton::sizeHint().height());
  }
  QSize minimumSizeHint() const override { return sizeHint(); }
};

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
  auto* b = new CompactButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

void CentreOnScreen(QWidget* dialog) {
  QWidget* anchor = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
  if (QScreen* screen = ScreenOf(anchor)) {
    const QRect area = screen->availableGeometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
  }
}

QPushButton* DialogButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

ListForm::ListForm(QWidget* mainWindow) : QDialog(mainWindow), main_(mainWindow) {
  setObjectName(QStringLiteral("ListForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto makePanel = [this](const char* name) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(3, 3, 3, 3);
    row->setSpacing(2);
    return panel;
  };
  QWidget* top = makePanel("TopPanel");
  buttons_[HelpButton] = MakeButton(top, "HelpButton", "&Help");
  buttons_[NoteButton] = MakeButton(top, "NoteButton", "&Notes");
  buttons_[DeleteButton] = MakeButton(top, "DeleteButton", "&Delete");
  buttons_[UndeleteButton] = MakeButton(top, "UndeleteButton", "&Undelete");
  for (Button b : {HelpButton, NoteButton, DeleteButton, UndeleteButton})
    top->layout()->addWidget(buttons_[b]);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("ListBox"));
  // The display lines align their numbers with spaces, so the list box uses
  // a fixed-pitch font.
  QFont listFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  listFont.setStyleHint(QFont::TypeWriter);
  listFont.setBold(true);
  listFont.setPixelSize(12);
  list_->setFont(listFont);
  list_->setItemDelegate(new FixedHeightDelegate(list_));
  list_->setUniformItemSizes(true);
  list_->setSortingEnabled(false);  // the presenter hands the lines in order
  list_->setTextElideMode(Qt::ElideNone);
  list_->setWordWrap(false);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);

  QWidget* bottom = makePanel("BottomPanel");
  buttons_[OkButton] = MakeButton(bottom, "OkButton", "&OK");
  buttons_[NewButton] = MakeButton(bottom, "NewButton", "Ne&w");
  buttons_[EditButton] = MakeButton(bottom, "EditButton", "&Edit");
  buttons_[CancelButton] = MakeButton(bottom, "CancelButton", "&Cancel");
  for (Button b : {OkButton, NewButton, EditButton, CancelButton}) bottom->layout()->addWidget(buttons_[b]);
  buttons_[OkButton]->setDefault(true);

  layout->addWidget(top);
  layout->addWidget(list_, 1);
  layout->addWidget(bottom);

  connect(buttons_[HelpButton], &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });
  const std::pair<Button, int> results[] = {
      {NoteButton, PickNotes}, {DeleteButton, PickDelete}, {UndeleteButton, PickUndelete}, {OkButton, PickOk},
      {NewButton, PickNew},    {EditButton, PickEdit},     {CancelButton, PickCancel}};
  for (const auto& [button, result] : results) {
    const int r = result;
    connect(buttons_[button], &QPushButton::clicked, this, [this, r] { done(r); });
  }
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { done(PickOk); });

  resize(kDesignedWidth, kDesignedHeight);
}

void ListForm::SetCaption(const QString& caption) { setWindowTitle(caption); }
QString ListForm::Caption() const { return windowTitle(); }

void ListForm::SetButtonEnabled(Button button, bool enabled) {
  if (button >= 0 && button < static_cast<int>(buttons_.size())) buttons_[button]->setEnabled(enabled);
}

void ListForm::SetItems(const std::vector<std::string>& lines) {
  list_->setUpdatesEnabled(false);
  list_->clear();
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) texts.append(Decode(line));
  list_->addItems(texts);
  list_->setUpdatesEnabled(true);
}

void ListForm::SetCurrentItem(int row) {
  if (row >= 0 && row < list_->count()) list_->setCurrentRow(row);
}

int ListForm::CurrentItem() const { return list_->currentRow(); }

int ListForm::FittedHeight() const {
  const int frame = height() - list_->height();
  int h = (list_->count() + 2) * kItemHeight + frame;
  if (main_) h = std::min(h, main_->height());
  return std::max(h, frame + kItemHeight);
}

void ListForm::FitToItems() {
  // The list box shows every item and two more lines, up to the main
  // window's client height; the dialog stands centred vertically on it.
  layout()->activate();
  const int h = FittedHeight();
  // The designed width, or wider where the button captions need it.
  const int w = std::max(kDesignedWidth, layout()->minimumSize().width());
  resize(w, h);
  QRect area(0, 0, 1024, 768);
  if (QScreen* screen = ScreenOf(main_ ? main_ : this)) area = screen->availableGeometry();
  int top = area.center().y() - h / 2;
  if (main_) {
    const QRect mainArea = main_->geometry();
    top = mainArea.top() + (mainArea.height() - h) / 2;
  }
  move(area.center().x() - w / 2, top);
  list_->setFocus(Qt::OtherFocusReason);
}

void ListForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FitToItems();
}

int ListForm::Exec() {
  FitToItems();
  return exec();
}

void ListForm::reject() { done(PickCancel); }

// --- TNameForm ---

NameForm::NameForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("NameForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(8);
  auto* labelNo = new QLabel(QStringLiteral("No."), this);
  labelNo->setObjectName(QStringLiteral("LabelNo"));
  editNo_ = new QLineEdit(this);
  editNo_->setObjectName(QStringLiteral("EditNo"));
  editNo_->setMaxLength(5);
  editNo_->setFixedWidth(60);
  auto* labelName = new QLabel(QStringLiteral("Name"), this);
  labelName->setObjectName(QStringLiteral("LabelName"));
  editName_ = new QLineEdit(this);
  editName_->setObjectName(QStringLiteral("EditName"));
  editName_->setMaxLength(40);
  labelNo->setBuddy(editNo_);
  labelName->setBuddy(editName_);
  grid->addWidget(labelNo, 0, 0);
  grid->addWidget(labelName, 0, 1);
  grid->addWidget(editNo_, 1, 0);
  grid->addWidget(editName_, 1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setAutoDefault(false);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 2, 0, 1, 2);
  grid->setRowStretch(2, 1);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  KeepToCodePage(this);

  resize(kDesignedWidth, kDesignedHeight);
}

void NameForm::SetCaption(const QString& caption) { setWindowTitle(caption); }
void NameForm::SetNo(const std::string& text) { editNo_->setText(Decode(text)); }
void NameForm::SetName(const std::string& text) { editName_->setText(Decode(text)); }
std::string NameForm::No() const { return Encode(editNo_->text()); }
std::string NameForm::Name() const { return Encode(editName_->text()); }

void NameForm::FocusNo() {
  focusNo_ = true;
  editNo_->setFocus(Qt::OtherFocusReason);
}

void NameForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  if (focusNo_) editNo_->setFocus(Qt::OtherFocusReason);
}

bool NameForm::Exec() {
  const bool ok = exec() == QDialog::Accepted;
  focusNo_ = false;
  return ok;
}

}  // namespace scv
