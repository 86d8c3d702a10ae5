#pragma once
// The print dialog (TPrintForm) as its presenter sees it, and the presenter:
// the Print command, the OK, Setup and Help buttons. The Lines, Shading and
// Copies choices stay as the user left them while the program runs.
#include <functional>
#include <string>

#include <QString>

#include "print/PrintEngine.h"
#include "print/TablePrint.h"

namespace scv {

class Grid;
class HelpView;
class Messages;

class PrintFormView {
 public:
  virtual ~PrintFormView() = default;
  virtual void SetCaption(const QString& caption) = 0;
  virtual QString Caption() const = 0;
  virtual PrintLines Lines() const = 0;
  virtual PrintShading Shading() const = 0;
  virtual int Copies() const = 0;
  virtual void FocusLines() = 0;
  // The printer-setup dialog (choice of printer and its settings).
  virtual void ShowPrinterSetup() = 0;
  // Closes the dialog with the result OK.
  virtual void CloseOk() = 0;
  // Shows the dialog modally; true when it closed with OK.
  virtual bool Exec() = 0;
};

class PrintFormPresenter {
 public:
  // caption gives the main window's caption (Windows-1252) and font the
  // grid's font, both read at each use.
  PrintFormPresenter(const Grid& grid, std::function<std::string()> caption, std::function<PrintFont()> font,
                     PrintFormView& view, PrintEngine& engine, HelpView& help, Messages& messages);

  // The main window's Print command; true when the dialog closed with OK.
  bool PrintButtonClick();
  // Prints the copies, then closes the dialog with OK. A job that cannot
  // run is reported and the dialog stays open.
  bool OkButtonClick();
  void SetupButtonClick();
  void HelpButtonClick();

  // The options as the dialog shows them.
  TablePrintOptions Options() const;

 private:
  const Grid& grid_;
  std::function<std::string()> caption_;
  std::function<PrintFont()> font_;
  PrintFormView& view_;
  PrintEngine& engine_;
  HelpView& help_;
  Messages& messages_;
};

}  // namespace scv
