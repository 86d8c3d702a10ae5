#include "print/PrintForm.h"

#include "dialogs/ListView.h"
#include "store/Messages.h"
#include "store/Text.h"

namespace scv {

PrintFormPresenter::PrintFormPresenter(const Grid& grid, std::function<std::string()> caption,
                                       std::function<PrintFont()> font, PrintFormView& view, PrintEngine& engine,
                                       HelpView& help, Messages& messages)
    : grid_(grid),
      caption_(std::move(caption)),
      font_(std::move(font)),
      view_(view),
      engine_(engine),
      help_(help),
      messages_(messages) {}

TablePrintOptions PrintFormPresenter::Options() const {
  TablePrintOptions options;
  options.Lines = view_.Lines();
  options.Shading = view_.Shading();
  options.Copies = view_.Copies();
  return options;
}

bool PrintFormPresenter::PrintButtonClick() {
  view_.FocusLines();
  view_.SetCaption(Decode(caption_ ? caption_() : std::string()));
  return view_.Exec();
}

bool PrintFormPresenter::OkButtonClick() {
  // The title is the dialog's caption, which is the main window's.
  TablePrint print(grid_, font_ ? font_() : PrintFont{"System", 10}, Encode(view_.Caption()), Options());
  QString error;
  if (!print.PrintCopies(engine_, error)) {
    messages_.Error(error.isEmpty() ? QStringLiteral("The table could not be printed.") : error);
    view_.FocusLines();
    return false;
  }
  view_.CloseOk();
  return true;
}

void PrintFormPresenter::SetupButtonClick() {
  engine_.BeforeSetup();
  view_.ShowPrinterSetup();
  engine_.AfterSetup();
  view_.FocusLines();
}

void PrintFormPresenter::HelpButtonClick() {
  help_.OpenHelp(QStringLiteral("Print_Button"));
  view_.FocusLines();
}

}  // namespace scv
