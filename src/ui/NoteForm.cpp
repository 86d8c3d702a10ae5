#include "ui/NoteForm.h"

#include <exception>

#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "notes/NoteForm.h"
#include "ui/Guarded.h"
#include "ui/ListForm.h"

namespace scv {

namespace {

struct ButtonSpec {
  NoteForm::Button button;
  const char* name;
  const char* caption;
};

const ButtonSpec kButtons[] = {
    {NoteForm::SaveButton, "SaveButton", "&Save"},    {NoteForm::CutButton, "CutButton", "Cu&t"},
    {NoteForm::CopyButton, "CopyButton", "&Copy"},    {NoteForm::PasteButton, "PasteButton", "&Paste"},
    {NoteForm::PrintButton, "PrintButton", "P&rint"}, {NoteForm::HelpButton, "HelpButton", "&Help"},
    {NoteForm::CloseButton, "CloseButton", "E&xit"},
};

bool StandardPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

NoteForm::NoteForm(QWidget* parent)
    : QDialog(parent),
      ownPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(ownPrinter_.get()),
      printDialog_(StandardPrintDialog) {
  setObjectName(QStringLiteral("NoteForm"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("ButtonPanel"));
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(3, 3, 3, 3);
  row->setSpacing(2);
  for (const ButtonSpec& spec : kButtons) {
    auto* b = new QPushButton(QString::fromLatin1(spec.caption), panel);
    b->setObjectName(QString::fromLatin1(spec.name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    row->addWidget(b);
    buttons_[spec.button] = b;
  }
  row->addStretch(1);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Notes"));
  // Notes are plain text; a fixed-pitch font keeps lined-up columns lined up.
  QFont memoFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  memoFont.setStyleHint(QFont::TypeWriter);
  memo_->setFont(memoFont);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setTabChangesFocus(false);

  layout->addWidget(panel);
  layout->addWidget(memo_, 1);

  auto wire = [this](Button button, void (NoteFormPresenter::*method)()) {
    connect(buttons_[button], &QPushButton::clicked, this, [this, method] {
      if (presenter_) Guarded([this, method] { Call(presenter_, method); });
    });
  };
  wire(SaveButton, &NoteFormPresenter::SaveButtonClick);
  wire(CutButton, &NoteFormPresenter::CutButtonClick);
  wire(CopyButton, &NoteFormPresenter::CopyButtonClick);
  wire(PasteButton, &NoteFormPresenter::PasteButtonClick);
  wire(PrintButton, &NoteFormPresenter::PrintButtonClick);
  wire(HelpButton, &NoteFormPresenter::HelpButtonClick);
  connect(buttons_[CloseButton], &QPushButton::clicked, this, &QWidget::close);

  resize(520, 360);
}

NoteForm::~NoteForm() = default;

void NoteForm::Guarded(const std::function<void()>& action) { scv::Guarded(this, action); }

void NoteForm::SetCaption(const QString& caption) { setWindowTitle(caption); }
QString NoteForm::Caption() const { return windowTitle(); }

void NoteForm::SetText(const QString& text) { memo_->setPlainText(text); }
QString NoteForm::Text() const {
  // toPlainText would turn every no-break space into a space; the raw text
  // keeps each character as typed, blocks ending in paragraph separators.
  QString text = memo_->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

void NoteForm::SetModified(bool modified) { memo_->document()->setModified(modified); }
bool NoteForm::Modified() const { return memo_->document()->isModified(); }

void NoteForm::CaretToStart() { memo_->moveCursor(QTextCursor::Start); }
void NoteForm::CaretToEnd() { memo_->moveCursor(QTextCursor::End); }

void NoteForm::FocusMemo() { memo_->setFocus(Qt::OtherFocusReason); }

void NoteForm::CutSelection() { memo_->cut(); }
void NoteForm::CopySelection() { memo_->copy(); }
void NoteForm::PasteClipboard() { memo_->paste(); }

void NoteForm::Exec() { exec(); }

void NoteForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  memo_->setFocus(Qt::OtherFocusReason);
}

bool NoteForm::ChoosePrinter() { return printDialog_ && printDialog_(*printer_, this); }

bool NoteForm::PrintLines(const QStringList& lines, QString& error) {
  QPainter painter;
  if (!painter.begin(printer_)) {
    error = printer_->outputFileName().isEmpty()
                ? QStringLiteral("the printer could not be started")
                : QStringLiteral("%1 cannot be written")
                      .arg(QDir::toNativeSeparators(printer_->outputFileName()));
    return false;
  }
  QFont font = memo_->font();
  font.setPointSize(10);
  painter.setFont(font);
  const QFontMetrics metrics(painter.font(), printer_);
  const int lineHeight = std::max(1, metrics.lineSpacing());
  // The printable area; a printer set to the whole sheet gets half an inch
  // of margin all round.
  QRect page = painter.viewport();
  if (printer_->fullPage()) {
    const int inset = std::max(1, printer_->resolution() / 2);
    const QRect inner = page.adjusted(inset, inset, -inset, -inset);
    if (inner.width() > 0 && inner.height() > lineHeight) page = inner;
  }
  const int left = page.left();
  const int width = page.width();
  const int top = page.top();
  const int bottom = page.bottom() + 1;
  int y = top;
  for (const QString& line : lines) {
    if (y > top && y + lineHeight > bottom) {
      if (!printer_->newPage()) {
        error = QStringLiteral("a new page could not be started");
        painter.end();
        return false;
      }
      y = top;
    }
    // One printed line per memo line: what does not fit the width is cut.
    painter.drawText(QRect(left, y, width, lineHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs, line);
    y += lineHeight;
  }
  if (!painter.end()) {
    error = QStringLiteral("the document could not be finished");
    return false;
  }
  return true;
}

void NoteForm::reject() { close(); }

void NoteForm::closeEvent(QCloseEvent* event) {
  // A close check that fails keeps the window, and the text, open.
  bool allowed = presenter_ == nullptr;
  if (presenter_) Guarded([this, &allowed] { allowed = presenter_->FormCloseQuery(); });
  if (allowed)
    event->accept();
  else
    event->ignore();
}

}  // namespace scv
