#include "ui/PrintForm.h"

#include <exception>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/Guarded.h"
#include "ui/ListForm.h"

namespace scv {

namespace {

QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* caption, const char* const (&items)[4],
                      QButtonGroup*& group) {
  auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  group->setObjectName(QString::fromLatin1(name));
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(items[i]), box);
    group->addButton(radio, i);
    layout->addWidget(radio);
  }
  group->button(0)->setChecked(true);
  return box;
}

}  // namespace

PrintForm::PrintForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PrintForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  const char* const lineItems[4] = {"None", "Horizontal", "Vertical", "Both"};
  const char* const shadingItems[4] = {"None", "Rows", "Columns", "Both"};
  QGroupBox* linesBox = RadioGroup(this, "RadioLines", "Lines", lineItems, lines_);
  QGroupBox* shadingBox = RadioGroup(this, "RadioShading", "Shading", shadingItems, shading_);

  auto* copiesLabel = new QLabel(QStringLiteral("Copies"), this);
  copies_ = new QSpinBox(this);
  copies_->setObjectName(QStringLiteral("SpinCopies"));
  copies_->setRange(1, 99);
  copies_->setValue(1);
  copiesLabel->setBuddy(copies_);

  auto* noteBox = new QGroupBox(this);
  noteBox->setObjectName(QStringLiteral("NoteBox"));
  note_ = new QLabel(
      QStringLiteral("NOTE:  Printing Lines and Shading may be Limited by the Amount of Memory in Your Printer."),
      noteBox);
  note_->setObjectName(QStringLiteral("NoteLabel"));
  note_->setWordWrap(true);
  auto* noteLayout = new QVBoxLayout(noteBox);
  noteLayout->addWidget(note_);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLabel"));

  okButton_ = DialogButton(this, "OkButton", "&OK");
  okButton_->setDefault(true);
  setupButton_ = DialogButton(this, "SetupButton", "&Setup");
  helpButton_ = DialogButton(this, "HelpButton", "&Help");
  cancelButton_ = DialogButton(this, "CancelButton", "&Cancel");

  auto* choices = new QHBoxLayout;
  choices->addWidget(linesBox);
  choices->addWidget(shadingBox);
  auto* copiesRow = new QHBoxLayout;
  copiesRow->addWidget(copiesLabel);
  copiesRow->addWidget(copies_);
  copiesRow->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addLayout(choices);
  left->addLayout(copiesRow);
  left->addWidget(noteBox);
  left->addWidget(status_);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(okButton_);
  buttons->addWidget(setupButton_);
  buttons->addWidget(helpButton_);
  buttons->addWidget(cancelButton_);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);

  connect(okButton_, &QPushButton::clicked, this, [this] {
    if (ok_) Guarded(ok_);
  });
  connect(setupButton_, &QPushButton::clicked, this, [this] {
    if (setup_) Guarded(setup_);
  });
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (help_) Guarded(help_);
  });
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintForm::Guarded(const std::function<void()>& action) { scv::Guarded(this, action); }

QRadioButton* PrintForm::LinesItem(int i) const { return qobject_cast<QRadioButton*>(lines_->button(i)); }
QRadioButton* PrintForm::ShadingItem(int i) const { return qobject_cast<QRadioButton*>(shading_->button(i)); }

void PrintForm::ShowStatus(const QString& text) {
  status_->setText(text);
  status_->repaint();
}

void PrintForm::SetCaption(const QString& caption) { setWindowTitle(caption); }
QString PrintForm::Caption() const { return windowTitle(); }

PrintLines PrintForm::Lines() const {
  const int id = lines_->checkedId();
  return id >= 0 && id <= 3 ? static_cast<PrintLines>(id) : PrintLines::None;
}

PrintShading PrintForm::Shading() const {
  const int id = shading_->checkedId();
  return id >= 0 && id <= 3 ? static_cast<PrintShading>(id) : PrintShading::None;
}

int PrintForm::Copies() const { return copies_->value(); }

void PrintForm::FocusLines() {
  focusLines_ = true;
  if (QAbstractButton* b = lines_->checkedButton()) b->setFocus(Qt::OtherFocusReason);
}

void PrintForm::ShowPrinterSetup() {
  if (setupDialog_) {
    setupDialog_(printer_);
    return;
  }
  if (!printer_) return;
  QPrintDialog dialog(printer_, this);
  dialog.setObjectName(QStringLiteral("PrinterSetup"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile);
  dialog.exec();
}

void PrintForm::CloseOk() {
  status_->clear();
  accept();
}

void PrintForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  if (focusLines_) FocusLines();
}

bool PrintForm::Exec() {
  status_->clear();
  const bool ok = exec() == QDialog::Accepted;
  focusLines_ = false;
  return ok;
}

}  // namespace scv
