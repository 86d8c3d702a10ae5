#pragma once
// The print dialog (TPrintForm): ruled lines, shading and the number of
// copies for printing the main table, and the printer-setup dialog.
#include <functional>

#include <QDialog>

#include "print/PrintForm.h"

class QButtonGroup;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace scv {

class PrintForm : public QDialog, public PrintFormView {
  Q_OBJECT

 public:
  explicit PrintForm(QWidget* parent);

  // The buttons' actions (the presenter's OkButtonClick, SetupButtonClick
  // and HelpButtonClick); the presenter is made after the dialog.
  void SetOkHandler(std::function<void()> handler) { ok_ = std::move(handler); }
  void SetSetupHandler(std::function<void()> handler) { setup_ = std::move(handler); }
  void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }
  // The printer the Setup button's dialog works on.
  void SetPrinter(QPrinter* printer) { printer_ = printer; }
  // Replaces the system's printer-setup dialog (tests).
  void SetPrinterSetupDialog(std::function<void(QPrinter*)> dialog) { setupDialog_ = std::move(dialog); }
  // Shows the engine's "Printing page n" while a job runs.
  void ShowStatus(const QString& text);

  // PrintFormView
  void SetCaption(const QString& caption) override;
  QString Caption() const override;
  PrintLines Lines() const override;
  PrintShading Shading() const override;
  int Copies() const override;
  void FocusLines() override;
  void ShowPrinterSetup() override;
  void CloseOk() override;
  bool Exec() override;

  QRadioButton* LinesItem(int i) const;
  QRadioButton* ShadingItem(int i) const;
  QButtonGroup* RadioLines() const { return lines_; }
  QButtonGroup* RadioShading() const { return shading_; }
  QSpinBox* SpinCopies() const { return copies_; }
  QLabel* NoteLabel() const { return note_; }
  QLabel* StatusLabel() const { return status_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* SetupButton() const { return setupButton_; }
  QPushButton* HelpButton() const { return helpButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Guarded(const std::function<void()>& action);

  QButtonGroup* lines_ = nullptr;
  QButtonGroup* shading_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* setupButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPrinter* printer_ = nullptr;
  std::function<void()> ok_, setup_, help_;
  std::function<void(QPrinter*)> setupDialog_;
  bool focusLines_ = false;
};

}  // namespace scv
