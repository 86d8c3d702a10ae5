#pragma once
// The notes window (TNoteForm): a plain text memo filling the window under a
// row of buttons, and plain line-by-line printing of the memo.
#include <functional>
#include <memory>

#include <QDialog>

#include "notes/NoteViews.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace scv {

class NoteFormPresenter;

class NoteForm : public QDialog, public NoteView, public NotePrinter {
  Q_OBJECT

 public:
  enum Button {
    SaveButton,
    CutButton,
    CopyButton,
    PasteButton,
    PrintButton,
    HelpButton,
    CloseButton,
    ButtonCount
  };
  // The print dialog over the printer; true when the user confirms. The
  // window's own shows QPrintDialog; tests put another in its place.
  using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

  explicit NoteForm(QWidget* parent);
  ~NoteForm() override;

  // The presenter is made after the window.
  void SetPresenter(NoteFormPresenter* presenter) { presenter_ = presenter; }
  void SetPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }
  // The printer notes print on: the program's one printer, so that the
  // printer chosen for the tables is also the one for notes. Until it is set
  // the window has a printer of its own.
  void SetPrinter(QPrinter* printer) { printer_ = printer ? printer : ownPrinter_.get(); }

  // NoteView
  void SetCaption(const QString& caption) override;
  QString Caption() const override;
  void SetText(const QString& text) override;
  QString Text() const override;
  void SetModified(bool modified) override;
  bool Modified() const override;
  void CaretToStart() override;
  void CaretToEnd() override;
  void FocusMemo() override;
  void CutSelection() override;
  void CopySelection() override;
  void PasteClipboard() override;
  void Exec() override;

  // NotePrinter
  bool ChoosePrinter() override;
  bool PrintLines(const QStringList& lines, QString& error) override;

  QPlainTextEdit* Memo() const { return memo_; }
  QPushButton* ButtonWidget(Button button) const { return buttons_[button]; }
  QPrinter* Printer() const { return printer_; }

 public Q_SLOTS:
  // Esc asks to close, as the close box does.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Guarded(const std::function<void()>& action);

  NoteFormPresenter* presenter_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* buttons_[ButtonCount] = {};
  std::unique_ptr<QPrinter> ownPrinter_;
  QPrinter* printer_ = nullptr;
  PrintDialog printDialog_;
};

}  // namespace scv
